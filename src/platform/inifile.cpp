#include "platform/inifile.h"

#include "platform/paths.h"
#include "platform/fileaccess.h"
#include "platform/textfile.h"

#include <QFile>

namespace kolvar {

namespace {

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

QString trimBlanks(const QString& s)
{
    qsizetype from = 0;
    qsizetype to = s.size();
    while (from < to && isBlank(s[from]))
        ++from;
    while (to > from && isBlank(s[to - 1]))
        --to;
    return s.mid(from, to - from);
}

bool isQuoted(const QString& v)
{
    return v.size() >= 2 && v.front() == u'"' && v.back() == u'"';
}

// The text after "=", written so that reading it gives back value exactly.
QString encodeValue(QString value)
{
    value.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    value.replace(u'\r', u' ');
    value.replace(u'\n', u' ');
    if (!value.isEmpty() && (isBlank(value.front()) || isBlank(value.back()) || isQuoted(value)))
        return u'"' + value + u'"';
    return value;
}

QString oneLine(QString name)
{
    name.replace(u'\r', u' ');
    name.replace(u'\n', u' ');
    return name;
}

} // namespace

IniFile::IniFile(const QString& fileName)
{
    load(fileName);
}

void IniFile::setFileName(const QString& fileName)
{
    m_fileName = fileName;
    m_path = resolvePath(fileName);
}

bool IniFile::load(const QString& fileName)
{
    setFileName(fileName);
    m_lines.clear();
    m_error.clear();
    QByteArray bytes;
    if (!readWholeFile(m_path, bytes, &m_error))
        return false;
    setBytes(bytes);
    return true;
}

IniFile::Line IniFile::parseLine(const QString& raw)
{
    Line line;
    line.raw = raw;
    const QString trimmed = trimBlanks(raw);
    if (trimmed.isEmpty() || trimmed.front() == u';')
        return line;
    if (trimmed.front() == u'[') {
        qsizetype end = trimmed.indexOf(u']');
        if (end < 0)
            end = trimmed.size();
        line.kind = Kind::Section;
        line.name = trimBlanks(trimmed.mid(1, end - 1));
        return line;
    }
    const qsizetype eq = trimmed.indexOf(u'=');
    if (eq <= 0)
        return line;
    line.name = trimBlanks(trimmed.left(eq));
    if (line.name.isEmpty())
        return line;
    line.kind = Kind::Entry;
    line.value = trimBlanks(trimmed.mid(eq + 1));
    if (isQuoted(line.value))
        line.value = line.value.mid(1, line.value.size() - 2);
    return line;
}

void IniFile::setText(const QString& text)
{
    m_lines.clear();
    // Byte-order marks at the start are never content; left in, a save would
    // turn the first into a mark and the file would read differently.
    qsizetype start = 0;
    while (start < text.size() && text[start] == QChar(0xFEFF))
        ++start;
    for (const QString& raw : splitLines(text.mid(start)))
        m_lines.push_back(parseLine(raw));
}

void IniFile::setBytes(const QByteArray& bytes)
{
    setText(decodeText(bytes));
}

QString IniFile::text() const
{
    QString out;
    for (const Line& line : m_lines) {
        out += line.raw;
        out += QStringLiteral("\r\n");
    }
    return out;
}

QByteArray IniFile::toBytes() const
{
    return text().toUtf8();
}

int IniFile::findSection(const QString& section) const
{
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        if (m_lines[i].kind == Kind::Section && sameNameFolded(m_lines[i].name, section))
            return int(i);
    }
    return -1;
}

int IniFile::findEntry(const QString& section, const QString& key) const
{
    bool inside = false;
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        const Line& line = m_lines[i];
        if (line.kind == Kind::Section)
            inside = sameNameFolded(line.name, section);
        else if (inside && line.kind == Kind::Entry && sameNameFolded(line.name, key))
            return int(i);
    }
    return -1;
}

QString IniFile::readString(const QString& section, const QString& key,
                            const QString& defaultValue) const
{
    const int i = findEntry(section, key);
    return i < 0 ? defaultValue : m_lines[std::size_t(i)].value;
}

int IniFile::readInteger(const QString& section, const QString& key, int defaultValue) const
{
    const int i = findEntry(section, key);
    if (i < 0)
        return defaultValue;
    const QString text = m_lines[std::size_t(i)].value;
    qsizetype p = 0;
    bool negative = false;
    if (p < text.size() && (text[p] == u'+' || text[p] == u'-')) {
        negative = text[p] == u'-';
        ++p;
    }
    if (p == text.size())
        return defaultValue;
    long long value = 0;
    for (; p < text.size(); ++p) {
        const char16_t c = text[p].unicode();
        if (c < u'0' || c > u'9')
            return defaultValue;
        value = value * 10 + (c - u'0');
        if (value > 2147483648LL)
            return defaultValue;
    }
    if (negative)
        value = -value;
    if (value > 2147483647LL)
        return defaultValue;
    return int(value);
}

bool IniFile::readBool(const QString& section, const QString& key, bool defaultValue) const
{
    return readInteger(section, key, defaultValue ? 1 : 0) != 0;
}

void IniFile::writeString(const QString& section, const QString& key, const QString& value)
{
    Line entry;
    entry.kind = Kind::Entry;
    entry.name = oneLine(key);
    entry.raw = entry.name + u'=' + encodeValue(value);
    entry.value = parseLine(entry.raw).value;

    const int existing = findEntry(section, key);
    if (existing >= 0) {
        // Keep the spelling the file already uses for the key.
        Line& line = m_lines[std::size_t(existing)];
        line.raw = line.name + u'=' + encodeValue(value);
        line.value = entry.value;
        return;
    }
    const int header = findSection(section);
    if (header < 0) {
        Line head;
        head.kind = Kind::Section;
        head.name = oneLine(section);
        head.raw = u'[' + head.name + u']';
        m_lines.push_back(head);
        m_lines.push_back(entry);
        return;
    }
    // After the section's last entry, so comments and blank lines that
    // follow it stay where they are.
    std::size_t insertAt = std::size_t(header) + 1;
    for (std::size_t i = insertAt; i < m_lines.size() && m_lines[i].kind != Kind::Section; ++i) {
        if (m_lines[i].kind == Kind::Entry)
            insertAt = i + 1;
    }
    m_lines.insert(m_lines.begin() + std::ptrdiff_t(insertAt), entry);
}

void IniFile::writeInteger(const QString& section, const QString& key, int value)
{
    writeString(section, key, QString::number(value));
}

void IniFile::writeBool(const QString& section, const QString& key, bool value)
{
    writeString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

QStringList IniFile::sections() const
{
    QStringList names;
    for (const Line& line : m_lines) {
        if (line.kind != Kind::Section)
            continue;
        bool seen = false;
        for (const QString& name : names)
            seen = seen || sameNameFolded(name, line.name);
        if (!seen)
            names << line.name;
    }
    return names;
}

QStringList IniFile::keys(const QString& section) const
{
    QStringList names;
    bool inside = false;
    for (const Line& line : m_lines) {
        if (line.kind == Kind::Section) {
            inside = sameNameFolded(line.name, section);
        } else if (inside && line.kind == Kind::Entry) {
            bool seen = false;
            for (const QString& name : names)
                seen = seen || sameNameFolded(name, line.name);
            if (!seen)
                names << line.name;
        }
    }
    return names;
}

bool IniFile::sectionExists(const QString& section) const
{
    return findSection(section) >= 0;
}

bool IniFile::valueExists(const QString& section, const QString& key) const
{
    return findEntry(section, key) >= 0;
}

void IniFile::eraseSection(const QString& section)
{
    std::vector<Line> kept;
    bool inside = false;
    for (Line& line : m_lines) {
        if (line.kind == Kind::Section)
            inside = sameNameFolded(line.name, section);
        if (!inside)
            kept.push_back(std::move(line));
    }
    m_lines = std::move(kept);
}

void IniFile::deleteKey(const QString& section, const QString& key)
{
    std::vector<Line> kept;
    bool inside = false;
    for (Line& line : m_lines) {
        if (line.kind == Kind::Section)
            inside = sameNameFolded(line.name, section);
        else if (inside && line.kind == Kind::Entry && sameNameFolded(line.name, key))
            continue;
        kept.push_back(std::move(line));
    }
    m_lines = std::move(kept);
}

void IniFile::clear()
{
    m_lines.clear();
}

bool IniFile::save()
{
    m_error.clear();
    // The message names the file as the caller gave it.
    if (m_path.isEmpty() || !writeFileAtomically(m_path, toBytes())) {
        m_error = QStringLiteral("In %1 kann nicht geschrieben werden").arg(m_fileName);
        return false;
    }
    return true;
}

} // namespace kolvar
