#include "platform/datapacket.h"

#include <QBuffer>
#include <QHash>
#include <QSet>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <charconv>
#include <cmath>
#include <algorithm>

namespace kolvar {

QString foldAz(QStringView text)
{
    QString out = text.toString();
    for (QChar& c : out) {
        if (c >= u'A' && c <= u'Z')
            c = QChar(c.unicode() + 32);
    }
    return out;
}

int compareAz(QStringView a, QStringView b)
{
    const qsizetype n = std::min(a.size(), b.size());
    for (qsizetype i = 0; i < n; ++i) {
        char16_t x = a[i].unicode();
        char16_t y = b[i].unicode();
        if (x >= u'A' && x <= u'Z')
            x += 32;
        if (y >= u'A' && y <= u'Z')
            y += 32;
        if (x != y)
            return x < y ? -1 : 1;
    }
    if (a.size() == b.size())
        return 0;
    return a.size() < b.size() ? -1 : 1;
}

namespace {

// The ASCII form of a trimmed number text in buf; false when it holds
// anything else (no number needs it) or is longer than any number is written.
constexpr qsizetype kNumberBuffer = 128;

bool asciiNumberText(QStringView text, char (&buf)[kNumberBuffer], qsizetype& length)
{
    QStringView t = text.trimmed();
    if (t.startsWith(u'+')) {
        t = t.mid(1);
        if (t.startsWith(u'+') || t.startsWith(u'-'))
            return false;
    }
    if (t.isEmpty() || t.size() >= kNumberBuffer)
        return false;
    for (qsizetype i = 0; i < t.size(); ++i) {
        const char16_t c = t[i].unicode();
        if (c > 0x7f)
            return false;
        buf[i] = char(c);
    }
    length = t.size();
    return true;
}

bool isXmlChar(char32_t c)
{
    return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF)
        || (c >= 0xE000 && c <= 0xFFFD) || (c >= 0x10000 && c <= 0x10FFFF);
}

// Counts code points and checks that each one may stand in an XML file; a
// value the writer could not put into the file must never enter the table.
bool scanText(QStringView text, qsizetype& codePoints)
{
    codePoints = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        char32_t cp = c.unicode();
        if (c.isHighSurrogate()) {
            if (i + 1 >= text.size() || !text[i + 1].isLowSurrogate())
                return false;
            cp = QChar::surrogateToUcs4(c, text[i + 1]);
            ++i;
        } else if (c.isLowSurrogate()) {
            return false;
        }
        if (!isXmlChar(cp))
            return false;
        ++codePoints;
    }
    return true;
}

QString shortestFloat(double value)
{
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, value);
    return QString::fromLatin1(buf, res.ptr - buf);
}

} // namespace

bool parseNumber(QStringView text, double& value)
{
    char buf[kNumberBuffer];
    qsizetype n = 0;
    if (!asciiNumberText(text, buf, n))
        return false;
    char* const end = buf + n;
    char* const comma = std::find(buf, end, ',');
    if (comma != end) {
        if (std::find(buf, end, '.') != end || std::find(comma + 1, end, ',') != end)
            return false;
        *comma = '.';
    }
    double v = 0;
    const auto res = std::from_chars(buf, end, v, std::chars_format::general);
    if (res.ec != std::errc() || res.ptr != end || !std::isfinite(v))
        return false;
    value = v;
    return true;
}

bool parseWhole(QStringView text, int& value)
{
    char buf[kNumberBuffer];
    qsizetype n = 0;
    if (!asciiNumberText(text, buf, n))
        return false;
    int v = 0;
    const auto res = std::from_chars(buf, buf + n, v, 10);
    if (res.ec != std::errc() || res.ptr != buf + n)
        return false;
    value = v;
    return true;
}

QString fieldTypeName(FieldType type)
{
    switch (type) {
    case FieldType::String: return QStringLiteral("string");
    case FieldType::Integer: return QStringLiteral("i4");
    case FieldType::Float: return QStringLiteral("r8");
    case FieldType::Boolean: return QStringLiteral("boolean");
    case FieldType::Memo: return QStringLiteral("bin.hex");
    }
    return QString();
}

bool isValidFieldName(const QString& name)
{
    if (name.isEmpty())
        return false;
    for (qsizetype i = 0; i < name.size(); ++i) {
        const QChar c = name[i];
        if (c.isSurrogate())
            return false;
        const bool ok = c.isLetter() || c == u'_'
            || (i > 0 && (c.isDigit() || c == u'-' || c == u'.'));
        if (!ok)
            return false;
    }
    // The row element carries this attribute for its own purposes.
    return compareAz(name, u"RowState") != 0;
}

bool normalizeFieldValue(const FieldDef& field, const QString& text, QString& out, QString* reason)
{
    auto fail = [&](const QString& why) {
        if (reason)
            *reason = why;
        return false;
    };
    qsizetype length = 0;
    if (!scanText(text, length))
        return fail(QStringLiteral("Der Wert enthält Zeichen, die in einer Tabellendatei nicht stehen können."));

    switch (field.type) {
    case FieldType::String:
        if (field.size > 0 && length > field.size)
            return fail(QStringLiteral("Der Wert ist länger als %1 Zeichen (Feld %2).")
                            .arg(field.size)
                            .arg(field.name));
        out = text.isEmpty() ? QString() : text;
        return true;
    case FieldType::Memo:
        out = text.isEmpty() ? QString() : text;
        return true;
    case FieldType::Integer: {
        if (QStringView(text).trimmed().isEmpty()) {
            out = QString();
            return true;
        }
        int v = 0;
        if (!parseWhole(text, v))
            return fail(QStringLiteral("\"%1\" ist keine gültige ganze Zahl (Feld %2).").arg(text, field.name));
        out = QString::number(v);
        return true;
    }
    case FieldType::Float: {
        if (QStringView(text).trimmed().isEmpty()) {
            out = QString();
            return true;
        }
        double v = 0;
        if (!parseNumber(text, v))
            return fail(QStringLiteral("\"%1\" ist keine gültige Zahl (Feld %2).").arg(text, field.name));
        out = shortestFloat(v);
        return true;
    }
    case FieldType::Boolean: {
        const QStringView t = QStringView(text).trimmed();
        if (t.isEmpty())
            out = QString();
        else if (compareAz(t, u"true") == 0)
            out = QStringLiteral("TRUE");
        else if (compareAz(t, u"false") == 0)
            out = QStringLiteral("FALSE");
        else
            return fail(QStringLiteral("\"%1\" ist kein Wahrheitswert (Feld %2).").arg(text, field.name));
        return true;
    }
    }
    return fail(QString());
}

namespace {

// Walks the packet element by element. Everything the packet may hold is
// known; an unknown element or a row attribute that names no field could
// carry data the table would drop on the next save, so it makes the file
// count as damaged rather than being skipped.
class PacketReader {
public:
    explicit PacketReader(const QByteArray& bytes) : m_xml(bytes) {}

    bool read(DataPacket& p)
    {
        if (!toRoot())
            return false;
        if (m_xml.name() != u"DATAPACKET")
            return fail(QStringLiteral("Das Wurzelelement ist nicht DATAPACKET."));
        bool haveMeta = false;
        bool haveRows = false;
        while (nextChild()) {
            const auto name = m_xml.name();
            if (name == u"METADATA" && !haveMeta) {
                haveMeta = true;
                if (!readMetadata(p))
                    return false;
            } else if (name == u"ROWDATA" && haveMeta && !haveRows) {
                haveRows = true;
                if (!readRows(p))
                    return false;
            } else {
                return unexpected();
            }
        }
        if (failed())
            return false;
        if (!haveMeta || !haveRows)
            return fail(QStringLiteral("METADATA oder ROWDATA fehlt."));
        // The rest of the document may hold only comments and white space.
        while (!m_xml.atEnd()) {
            const auto t = m_xml.readNext();
            if (t == QXmlStreamReader::StartElement || t == QXmlStreamReader::DTD
                || (t == QXmlStreamReader::Characters && !m_xml.isWhitespace()))
                return unexpected();
        }
        return !failed();
    }

    QString detail() const
    {
        if (!m_error.isEmpty())
            return m_error;
        return QStringLiteral("kein gültiges XML (Zeile %1, Spalte %2)")
            .arg(m_xml.lineNumber())
            .arg(m_xml.columnNumber());
    }

private:
    bool failed() const { return !m_error.isEmpty() || m_xml.hasError(); }

    bool fail(const QString& why)
    {
        if (m_error.isEmpty())
            m_error = QStringLiteral("%1 (Zeile %2)").arg(why).arg(m_xml.lineNumber());
        return false;
    }

    bool unexpected()
    {
        if (m_xml.hasError())
            return false;
        if (m_xml.tokenType() == QXmlStreamReader::StartElement)
            return fail(QStringLiteral("Unerwartetes Element %1.").arg(m_xml.name()));
        return fail(QStringLiteral("Unerwarteter Inhalt."));
    }

    bool toRoot()
    {
        while (!m_xml.atEnd()) {
            switch (m_xml.readNext()) {
            case QXmlStreamReader::StartElement:
                return true;
            case QXmlStreamReader::DTD:
            case QXmlStreamReader::EntityReference:
                return unexpected();
            case QXmlStreamReader::Characters:
                if (!m_xml.isWhitespace())
                    return unexpected();
                break;
            default:
                break;
            }
        }
        if (!m_xml.hasError())
            return fail(QStringLiteral("Die Datei enthält keine Tabelle."));
        return false;
    }

    // Steps to the next child of the current element: true on its start
    // tag, false at the parent's end tag or on any error.
    bool nextChild()
    {
        while (!m_xml.atEnd()) {
            switch (m_xml.readNext()) {
            case QXmlStreamReader::StartElement:
                return true;
            case QXmlStreamReader::EndElement:
                return false;
            case QXmlStreamReader::Characters:
                if (!m_xml.isWhitespace())
                    return unexpected();
                break;
            case QXmlStreamReader::DTD:
            case QXmlStreamReader::EntityReference:
                return unexpected();
            default:
                break;
            }
        }
        return false;
    }

    // An element that must not have children.
    bool endOfLeaf()
    {
        if (nextChild())
            return unexpected();
        return !failed();
    }

    bool readMetadata(DataPacket& p)
    {
        bool haveFields = false;
        bool haveIndexes = false;
        bool haveParams = false;
        while (nextChild()) {
            const auto name = m_xml.name();
            if (name == u"FIELDS" && !haveFields) {
                haveFields = true;
                if (!readFields(p))
                    return false;
            } else if (name == u"INDEXDEFS" && !haveIndexes) {
                haveIndexes = true;
                p.hasIndexDefs = true;
                if (!readIndexDefs(p))
                    return false;
            } else if (name == u"PARAMS" && !haveParams) {
                haveParams = true;
                for (const auto& a : m_xml.attributes())
                    p.params.append({a.qualifiedName().toString(), a.value().toString()});
                if (!endOfLeaf())
                    return false;
            } else {
                return unexpected();
            }
        }
        if (failed())
            return false;
        if (!haveFields)
            return fail(QStringLiteral("Die Felddefinitionen fehlen."));
        return true;
    }

    bool readFields(DataPacket& p)
    {
        QSet<QString> seen;
        while (nextChild()) {
            if (m_xml.name() != u"FIELD")
                return unexpected();
            const auto attrs = m_xml.attributes();
            FieldDef f;
            f.name = attrs.value(QLatin1String("attrname")).toString();
            if (!isValidFieldName(f.name))
                return fail(QStringLiteral("Ungültiger Feldname \"%1\".").arg(f.name));
            const QString folded = foldAz(f.name);
            if (seen.contains(folded))
                return fail(QStringLiteral("Das Feld %1 ist doppelt definiert.").arg(f.name));
            seen.insert(folded);

            const auto type = attrs.value(QLatin1String("fieldtype"));
            if (type == u"string") {
                f.type = FieldType::String;
                if (attrs.hasAttribute(QLatin1String("WIDTH"))) {
                    int w = 0;
                    if (!parseWhole(attrs.value(QLatin1String("WIDTH")), w) || w < 1 || w > 1000000)
                        return fail(QStringLiteral("Ungültige Breite beim Feld %1.").arg(f.name));
                    f.size = w;
                }
            } else if (type == u"i4") {
                f.type = FieldType::Integer;
            } else if (type == u"r8") {
                f.type = FieldType::Float;
            } else if (type == u"boolean") {
                f.type = FieldType::Boolean;
            } else if (type == u"bin.hex" && compareAz(attrs.value(QLatin1String("SUBTYPE")), u"Text") == 0) {
                f.type = FieldType::Memo;
            } else {
                return fail(QStringLiteral("Unbekannter Feldtyp \"%1\" beim Feld %2.")
                                .arg(type.toString(), f.name));
            }
            p.fields.append(f);
            if (!endOfLeaf())
                return false;
        }
        return !failed();
    }

    bool readIndexDefs(DataPacket& p)
    {
        while (nextChild()) {
            if (m_xml.name() != u"INDEXDEF")
                return unexpected();
            const auto attrs = m_xml.attributes();
            p.indexDefs.append({attrs.value(QLatin1String("NAME")).toString(), attrs.value(QLatin1String("FIELDS")).toString()});
            if (!endOfLeaf())
                return false;
        }
        return !failed();
    }

    bool readRows(DataPacket& p)
    {
        QHash<QString, int> byName;
        for (int i = 0; i < p.fields.size(); ++i)
            byName.insert(foldAz(p.fields[i].name), i);
        QString value;
        QString reason;
        while (nextChild()) {
            if (m_xml.name() != u"ROW")
                return unexpected();
            QStringList row;
            row.resize(p.fields.size());
            std::vector<bool> given(size_t(p.fields.size()), false);
            // Rows list their fields in field order as a rule; try the next
            // one before looking the name up.
            int guess = 0;
            for (const auto& a : m_xml.attributes()) {
                const QStringView name = a.qualifiedName();
                int pos = -1;
                if (guess < p.fields.size() && compareAz(p.fields[guess].name, name) == 0) {
                    pos = guess;
                } else if (compareAz(name, u"RowState") == 0) {
                    continue;
                } else {
                    pos = byName.value(foldAz(name), -1);
                    if (pos < 0)
                        return fail(QStringLiteral("Der Datensatz enthält das unbekannte Feld %1.").arg(name));
                }
                guess = pos + 1;
                if (given[size_t(pos)])
                    return fail(QStringLiteral("Das Feld %1 steht zweimal im Datensatz.").arg(name));
                given[size_t(pos)] = true;
                if (!normalizeFieldValue(p.fields[pos], a.value().toString(), value, &reason))
                    return fail(reason);
                row[pos] = value;
            }
            p.rows.push_back(std::move(row));
            if (!endOfLeaf())
                return false;
        }
        return !failed();
    }

    QXmlStreamReader m_xml;
    QString m_error;
};

} // namespace

PacketError readDataPacket(const QByteArray& bytes, DataPacket& out, QString* detail)
{
    qsizetype i = 0;
    const bool utf16 = bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF");
    if (bytes.startsWith("\xEF\xBB\xBF"))
        i = 3;
    while (i < bytes.size() && (bytes[i] == ' ' || bytes[i] == '\t' || bytes[i] == '\r' || bytes[i] == '\n'))
        ++i;
    if (i >= bytes.size()) {
        if (detail)
            *detail = QStringLiteral("Die Datei ist leer.");
        return PacketError::Damaged;
    }
    if (bytes[i] != '<' && !utf16) {
        if (detail)
            *detail = QStringLiteral("Die Datei ist eine binäre Tabellendatei.");
        return PacketError::Binary;
    }
    DataPacket p;
    PacketReader reader(bytes);
    if (!reader.read(p)) {
        if (detail)
            *detail = reader.detail();
        return PacketError::Damaged;
    }
    out = std::move(p);
    return PacketError::None;
}

bool writeDataPacket(const DataPacket& packet, QIODevice& device)
{
    QXmlStreamWriter w(&device);
    w.setAutoFormatting(true);
    w.setAutoFormattingIndent(2);
    w.writeStartDocument(QStringLiteral("1.0"), true);
    w.writeStartElement(QStringLiteral("DATAPACKET"));
    w.writeAttribute(QStringLiteral("Version"), QStringLiteral("2.0"));
    w.writeStartElement(QStringLiteral("METADATA"));
    w.writeStartElement(QStringLiteral("FIELDS"));
    for (const FieldDef& f : packet.fields) {
        w.writeEmptyElement(QStringLiteral("FIELD"));
        w.writeAttribute(QStringLiteral("attrname"), f.name);
        w.writeAttribute(QStringLiteral("fieldtype"), fieldTypeName(f.type));
        if (f.type == FieldType::String && f.size > 0)
            w.writeAttribute(QStringLiteral("WIDTH"), QString::number(f.size));
        if (f.type == FieldType::Memo)
            w.writeAttribute(QStringLiteral("SUBTYPE"), QStringLiteral("Text"));
    }
    w.writeEndElement();
    if (!packet.indexDefs.isEmpty()) {
        w.writeStartElement(QStringLiteral("INDEXDEFS"));
        for (const IndexDef& d : packet.indexDefs) {
            w.writeEmptyElement(QStringLiteral("INDEXDEF"));
            w.writeAttribute(QStringLiteral("NAME"), d.name);
            w.writeAttribute(QStringLiteral("FIELDS"), d.fields);
        }
        w.writeEndElement();
    }
    w.writeEmptyElement(QStringLiteral("PARAMS"));
    for (const auto& a : packet.params)
        w.writeAttribute(a.first, a.second);
    w.writeEndElement(); // METADATA
    w.writeStartElement(QStringLiteral("ROWDATA"));
    for (const QStringList& row : packet.rows) {
        w.writeEmptyElement(QStringLiteral("ROW"));
        for (qsizetype i = 0; i < row.size() && i < packet.fields.size(); ++i) {
            if (!row[i].isEmpty())
                w.writeAttribute(packet.fields[i].name, row[i]);
        }
    }
    w.writeEndElement();
    w.writeEndDocument();
    return !w.hasError();
}

QByteArray writeDataPacket(const DataPacket& packet)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    writeDataPacket(packet, buffer);
    return bytes;
}

} // namespace kolvar
