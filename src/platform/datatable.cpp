#include "platform/datatable.h"

#include "platform/fileaccess.h"
#include "platform/paths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QBuffer>

#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>
#include <numeric>

namespace kolvar {

namespace {

// Values in the table are in normal form, so a short ASCII copy is enough
// to read a number; this runs for every comparison while sorting.
bool storedNumber(const QString& text, double& value)
{
    char buf[64];
    const qsizetype n = text.size();
    if (n >= qsizetype(sizeof buf))
        return parseNumber(text, value);
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = text[i].unicode();
        if (c > 0x7f)
            return false;
        buf[i] = char(c);
    }
    const auto res = std::from_chars(buf, buf + n, value, std::chars_format::general);
    return res.ec == std::errc() && res.ptr == buf + n;
}

bool isNumeric(FieldType type)
{
    return type == FieldType::Integer || type == FieldType::Float;
}

int compareValues(FieldType type, const QString& x, const QString& y)
{
    if (x.isEmpty() || y.isEmpty())
        return x.isEmpty() == y.isEmpty() ? 0 : (x.isEmpty() ? -1 : 1);
    double a = 0;
    double b = 0;
    if (isNumeric(type) && storedNumber(x, a) && storedNumber(y, b))
        return a < b ? -1 : (b < a ? 1 : 0);
    return compareAz(x, y);
}

QString floatText(double value)
{
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, value);
    return QString::fromLatin1(buf, res.ptr - buf);
}

QStringList splitNames(const QString& names)
{
    QStringList out;
    for (const QString& piece : names.split(u';')) {
        const QString t = piece.trimmed();
        if (!t.isEmpty())
            out.append(t);
    }
    return out;
}

} // namespace

DataTable::DataTable(QObject* parent) : QObject(parent) {}

DataTable::~DataTable() = default;

QString DataTable::absolutePath(const QString& file)
{
    if (file.isEmpty())
        return QString();
    return QDir::cleanPath(QFileInfo(resolvePath(file)).absoluteFilePath());
}

bool DataTable::fail(const QString& message)
{
    m_error = message;
    return false;
}

void DataTable::notify()
{
    if (m_disabled > 0) {
        m_pendingNotify = true;
        return;
    }
    emit dataChanged();
}

// --- files -------------------------------------------------------------------

bool DataTable::open(const QString& file)
{
    if (isActive() && !close())
        return false;
    m_fileName = file;
    return open();
}

bool DataTable::open()
{
    if (isActive() && !close())
        return false;
    becomeClosed();
    if (m_fileName.isEmpty())
        return fail(QStringLiteral("Für die Tabelle ist keine Datei angegeben."));
    const QString path = absolutePath(m_fileName);
    const QFileInfo info(path);
    if (!info.exists())
        return fail(QStringLiteral("Datei %1 nicht gefunden!").arg(path));

    // From here on the file exists: whatever goes wrong, it must not be
    // replaced by the empty table the caller goes on with.
    auto refuse = [&](const QString& message) {
        m_refusedPath = path;
        becomeClosed();
        return fail(message);
    };
    if (info.isDir())
        return refuse(QStringLiteral("Datei %1 kann nicht gelesen werden!").arg(path));
    QByteArray bytes;
    QString leseFehler;
    if (!readWholeFile(path, bytes, &leseFehler))
        return refuse(info.size() > kMaxFileSize ? leseFehler
                                                 : QStringLiteral("Datei %1 kann nicht gelesen werden!").arg(path));

    DataPacket packet;
    QString detail;
    switch (readDataPacket(bytes, packet, &detail)) {
    case PacketError::Binary:
        return refuse(QStringLiteral("Datei %1 ist eine binäre Tabellendatei und kann nicht gelesen werden!")
                          .arg(path));
    case PacketError::Damaged:
        return refuse(QStringLiteral("Datei %1 ist fehlerhaft: %2").arg(path, detail));
    case PacketError::None:
        break;
    }
    if (!loadPacket(std::move(packet), path))
        return refuse(m_error);
    m_writeBackPath = path;
    if (m_refusedPath == path)
        m_refusedPath.clear();
    return true;
}

bool DataTable::loadFromData(const QByteArray& bytes, const QString& nameForMessages)
{
    if (isActive() && !close())
        return false;
    becomeClosed();
    DataPacket packet;
    QString detail;
    switch (readDataPacket(bytes, packet, &detail)) {
    case PacketError::Binary:
        return fail(QStringLiteral("Datei %1 ist eine binäre Tabellendatei und kann nicht gelesen werden!")
                        .arg(nameForMessages));
    case PacketError::Damaged:
        return fail(QStringLiteral("Datei %1 ist fehlerhaft: %2").arg(nameForMessages, detail));
    case PacketError::None:
        break;
    }
    return loadPacket(std::move(packet), nameForMessages);
}

bool DataTable::loadPacket(DataPacket&& packet, const QString& nameForMessages)
{
    auto has = [&](const QString& name) {
        return std::any_of(packet.fields.cbegin(), packet.fields.cend(),
                           [&](const FieldDef& f) { return compareAz(f.name, name) == 0; });
    };
    for (const QString& name : m_required) {
        if (!has(name))
            return fail(QStringLiteral("Datei %1 enthält das Feld %2 nicht!").arg(nameForMessages, name));
    }
    for (const QString& name : splitNames(m_indexNames)) {
        if (!has(name))
            return fail(QStringLiteral("Datei %1 enthält das Indexfeld %2 nicht!").arg(nameForMessages, name));
    }
    if (!packet.hasIndexDefs)
        packet.indexDefs = m_data.indexDefs;
    m_data = std::move(packet);
    resolveKeys(m_indexNames, m_keys);
    sortRows(-1);
    m_state = State::Browse;
    m_cur = m_data.rows.empty() ? -1 : 0;
    m_bof = true;
    m_eof = m_data.rows.empty();
    m_changed = false;
    notify();
    return true;
}

void DataTable::becomeClosed()
{
    const QList<IndexDef> keep = m_data.indexDefs;
    m_data = DataPacket();
    m_data.indexDefs = keep;
    m_keys.clear();
    m_state = State::Inactive;
    m_cur = -1;
    m_bof = m_eof = true;
    m_buffer.clear();
    m_insertPos = -1;
    m_modified = false;
    m_changed = false;
    m_writeBackPath.clear();
}

bool DataTable::close()
{
    if (!isActive())
        return true;
    checkBrowseMode();
    if (m_changed && !m_writeBackPath.isEmpty() && !writeTo(m_writeBackPath))
        return false;
    becomeClosed();
    notify();
    return true;
}

bool DataTable::writeTo(const QString& path)
{
    QByteArray bytes;
    QBuffer puffer(&bytes);
    puffer.open(QIODevice::WriteOnly);
    QString fehler;
    if (!writeDataPacket(m_data, puffer) || !writeFileAtomically(path, bytes, &fehler))
        return fail(QStringLiteral("In %1 kann nicht geschrieben werden").arg(path));
    return true;
}

bool DataTable::saveToFile(const QString& file)
{
    if (!isActive())
        return fail(QStringLiteral("Die Tabelle ist nicht geöffnet."));
    checkBrowseMode();
    const QString path = absolutePath(file);
    if (path.isEmpty())
        return fail(QStringLiteral("Für die Tabelle ist keine Datei angegeben."));
    if (path == m_refusedPath)
        return fail(QStringLiteral("Datei %1 wurde nicht fehlerfrei gelesen und wird nicht überschrieben!")
                        .arg(path));
    if (!writeTo(path))
        return false;
    if (path == absolutePath(m_fileName)) {
        m_writeBackPath = path;
        m_changed = false;
    }
    return true;
}

QByteArray DataTable::saveToData()
{
    checkBrowseMode();
    return writeDataPacket(m_data);
}

bool DataTable::createDataSet(const QList<FieldDef>& fields)
{
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (!isValidFieldName(fields[i].name))
            return fail(QStringLiteral("Ungültiger Feldname \"%1\".").arg(fields[i].name));
        for (qsizetype j = 0; j < i; ++j) {
            if (compareAz(fields[i].name, fields[j].name) == 0)
                return fail(QStringLiteral("Das Feld %1 ist doppelt definiert.").arg(fields[i].name));
        }
        if (fields[i].size < 0)
            return fail(QStringLiteral("Ungültige Breite beim Feld %1.").arg(fields[i].name));
    }
    if (isActive() && !close())
        return false;
    becomeClosed();
    m_data.fields = fields;
    std::vector<int> keys;
    if (!resolveKeys(m_indexNames, keys)) {
        becomeClosed();
        return fail(QStringLiteral("Das Indexfeld %1 ist nicht definiert.").arg(m_indexNames));
    }
    m_keys = std::move(keys);
    m_state = State::Browse;
    notify();
    return true;
}

// --- fields ------------------------------------------------------------------

QString DataTable::fieldName(int pos) const
{
    return pos >= 0 && pos < fieldCount() ? m_data.fields[pos].name : QString();
}

int DataTable::fieldIndex(const QString& name) const
{
    for (int i = 0; i < fieldCount(); ++i) {
        if (compareAz(m_data.fields[i].name, name) == 0)
            return i;
    }
    return -1;
}

const QStringList* DataTable::currentRecord() const
{
    if (m_state == State::Edit || m_state == State::Insert)
        return &m_buffer;
    if (m_cur >= 0 && m_cur < recordCount())
        return &m_data.rows[size_t(m_cur)];
    return nullptr;
}

QString DataTable::value(int pos) const
{
    const QStringList* rec = currentRecord();
    if (!rec || pos < 0 || pos >= rec->size())
        return QString();
    return rec->at(pos);
}

QString DataTable::value(const QString& name) const
{
    return value(fieldIndex(name));
}

int DataTable::asInteger(int pos, bool* ok) const
{
    if (ok)
        *ok = false;
    const QString v = value(pos);
    if (v.isEmpty())
        return 0;
    const FieldType type = m_data.fields[pos].type;
    int result = 0;
    if (type == FieldType::Float) {
        double d = 0;
        if (!parseNumber(v, d))
            return 0;
        d = std::round(d);
        if (d < double(INT_MIN) || d > double(INT_MAX))
            return 0;
        result = int(d);
    } else if (type == FieldType::Boolean || !parseWhole(v, result)) {
        return 0;
    }
    if (ok)
        *ok = true;
    return result;
}

int DataTable::asInteger(const QString& name, bool* ok) const
{
    return asInteger(fieldIndex(name), ok);
}

double DataTable::asFloat(int pos, bool* ok) const
{
    if (ok)
        *ok = false;
    const QString v = value(pos);
    double d = 0;
    if (v.isEmpty() || m_data.fields[pos].type == FieldType::Boolean || !parseNumber(v, d))
        return 0;
    if (ok)
        *ok = true;
    return d;
}

double DataTable::asFloat(const QString& name, bool* ok) const
{
    return asFloat(fieldIndex(name), ok);
}

QString DataTable::valueAt(int row, int pos) const
{
    if (row < 0 || row >= recordCount() || pos < 0 || pos >= fieldCount())
        return QString();
    if (m_state == State::Edit && row == m_cur)
        return m_buffer.value(pos);
    return m_data.rows[size_t(row)].value(pos);
}

bool DataTable::setValue(int pos, const QString& text)
{
    if (m_state != State::Edit && m_state != State::Insert)
        return fail(QStringLiteral("Die Tabelle ist nicht im Bearbeitungsmodus."));
    if (pos < 0 || pos >= fieldCount())
        return fail(QStringLiteral("Feld nicht gefunden."));
    QString normal;
    QString reason;
    if (!normalizeFieldValue(m_data.fields[pos], text, normal, &reason))
        return fail(reason);
    m_buffer[pos] = normal;
    m_modified = true;
    notify();
    return true;
}

bool DataTable::setValue(const QString& name, const QString& text)
{
    const int pos = fieldIndex(name);
    if (pos < 0)
        return fail(QStringLiteral("Feld %1 nicht gefunden.").arg(name));
    return setValue(pos, text);
}

bool DataTable::setInteger(const QString& name, int value)
{
    return setValue(name, QString::number(value));
}

bool DataTable::setFloat(const QString& name, double value)
{
    return setValue(name, floatText(value));
}

// --- index -------------------------------------------------------------------

bool DataTable::resolveKeys(const QString& names, std::vector<int>& keys) const
{
    keys.clear();
    for (const QString& name : splitNames(names)) {
        const int pos = fieldIndex(name);
        if (pos < 0)
            return false;
        keys.push_back(pos);
    }
    return true;
}

int DataTable::compareRows(const QStringList& a, const QStringList& b) const
{
    for (int k : m_keys) {
        const int c = compareValues(m_data.fields[k].type, a[k], b[k]);
        if (c != 0)
            return c;
    }
    return 0;
}

bool DataTable::keyChanged(const QStringList& before, const QStringList& after) const
{
    return std::any_of(m_keys.cbegin(), m_keys.cend(), [&](int k) { return before[k] != after[k]; });
}

// Where a record whose key changed goes, given the gap it leaves (or the
// place it was inserted at): it stays when its key fits between the
// neighbours, else it moves the shortest way, ending next to the records
// with its own key on the side it came from.
int DataTable::placeFor(const QStringList& record, int gap) const
{
    if (m_keys.empty())
        return gap;
    const auto& rows = m_data.rows;
    auto less = [this](const QStringList& a, const QStringList& b) { return compareRows(a, b) < 0; };
    if (gap > 0 && compareRows(rows[size_t(gap - 1)], record) > 0)
        return int(std::upper_bound(rows.begin(), rows.begin() + gap, record, less) - rows.begin());
    if (gap < int(rows.size()) && compareRows(record, rows[size_t(gap)]) > 0)
        return int(std::lower_bound(rows.begin() + gap, rows.end(), record, less) - rows.begin());
    return gap;
}

// Positions of the rows in index order, stable. Numbers are read once per
// row rather than once per comparison.
std::vector<int> DataTable::sortedOrder() const
{
    const auto& rows = m_data.rows;
    const size_t n = rows.size();
    const size_t keyCount = m_keys.size();
    std::vector<double> numbers(n * keyCount, 0.0);
    std::vector<char> kinds(n * keyCount, 0); // 0 null, 1 number, 2 text
    for (size_t r = 0; r < n; ++r) {
        for (size_t k = 0; k < keyCount; ++k) {
            const int f = m_keys[k];
            const QString& v = rows[r][f];
            char& kind = kinds[r * keyCount + k];
            if (v.isEmpty())
                kind = 0;
            else if (isNumeric(m_data.fields[f].type) && storedNumber(v, numbers[r * keyCount + k]))
                kind = 1;
            else
                kind = 2;
        }
    }
    std::vector<int> order(n);
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        for (size_t k = 0; k < keyCount; ++k) {
            const char ka = kinds[size_t(a) * keyCount + k];
            const char kb = kinds[size_t(b) * keyCount + k];
            if (ka == 0 || kb == 0) {
                if (ka != kb)
                    return ka == 0;
                continue;
            }
            int c = 0;
            if (ka == 1 && kb == 1) {
                const double x = numbers[size_t(a) * keyCount + k];
                const double y = numbers[size_t(b) * keyCount + k];
                c = x < y ? -1 : (y < x ? 1 : 0);
            } else {
                c = compareAz(rows[size_t(a)][m_keys[k]], rows[size_t(b)][m_keys[k]]);
            }
            if (c != 0)
                return c < 0;
        }
        return false;
    });
    return order;
}

// Brings the rows into index order; returns where the row at position
// follow went (-1 for none).
int DataTable::sortRows(int follow)
{
    if (m_keys.empty())
        return follow;
    const std::vector<int> order = sortedOrder();
    std::vector<QStringList> sorted;
    sorted.reserve(order.size());
    int moved = -1;
    for (size_t i = 0; i < order.size(); ++i) {
        if (order[i] == follow)
            moved = int(i);
        sorted.push_back(std::move(m_data.rows[size_t(order[i])]));
    }
    m_data.rows = std::move(sorted);
    return moved;
}

bool DataTable::setIndexFieldNames(const QString& names)
{
    if (!isActive()) {
        m_indexNames = names;
        return true;
    }
    checkBrowseMode();
    std::vector<int> keys;
    if (!resolveKeys(names, keys))
        return fail(QStringLiteral("Das Indexfeld %1 ist nicht definiert.").arg(names));
    m_indexNames = names;
    if (keys == m_keys)
        return true;
    m_keys = std::move(keys);
    const int newCur = sortRows(m_cur);
    m_cur = newCur;
    notify();
    return true;
}

// --- cursor ------------------------------------------------------------------

void DataTable::checkBrowseMode()
{
    if (m_state != State::Edit && m_state != State::Insert)
        return;
    if (m_modified)
        post();
    else
        cancel();
}

void DataTable::first()
{
    checkBrowseMode();
    if (!isActive())
        return;
    const int old = m_cur;
    m_cur = isEmpty() ? -1 : 0;
    m_bof = true;
    m_eof = isEmpty();
    if (old != m_cur)
        notify();
}

void DataTable::last()
{
    checkBrowseMode();
    if (!isActive())
        return;
    const int old = m_cur;
    m_cur = recordCount() - 1;
    m_eof = true;
    m_bof = isEmpty();
    if (old != m_cur)
        notify();
}

void DataTable::next()
{
    moveBy(1);
}

void DataTable::prior()
{
    moveBy(-1);
}

int DataTable::moveBy(int n)
{
    checkBrowseMode();
    if (!isActive() || n == 0)
        return 0;
    if (isEmpty()) {
        m_bof = m_eof = true;
        return 0;
    }
    int steps = 0;
    if (n > 0) {
        steps = int(std::min<qint64>(n, recordCount() - 1 - m_cur));
        m_cur += steps;
        m_eof = steps < n;
        if (steps > 0)
            m_bof = false;
    } else {
        steps = int(std::min<qint64>(-qint64(n), m_cur));
        m_cur -= steps;
        m_bof = steps < -qint64(n);
        if (steps > 0)
            m_eof = false;
    }
    if (steps > 0)
        notify();
    return steps;
}

bool DataTable::eof() const
{
    if (m_state == State::Edit || m_state == State::Insert)
        return false;
    return !isActive() || m_eof;
}

bool DataTable::bof() const
{
    if (m_state == State::Edit || m_state == State::Insert)
        return false;
    return !isActive() || m_bof;
}

int DataTable::recNo() const
{
    if (m_state == State::Insert)
        return m_insertPos + 1;
    return m_cur + 1;
}

bool DataTable::setRecNo(int recNo)
{
    checkBrowseMode();
    if (!isActive() || recNo < 1 || recNo > recordCount())
        return false;
    const int old = m_cur;
    m_cur = recNo - 1;
    m_bof = m_eof = false;
    if (old != m_cur)
        notify();
    return true;
}

bool DataTable::locate(const QString& keyFields, const QStringList& values, LocateOption option)
{
    checkBrowseMode();
    if (!isActive())
        return fail(QStringLiteral("Die Tabelle ist nicht geöffnet."));
    std::vector<int> fields;
    if (!resolveKeys(keyFields, fields))
        return fail(QStringLiteral("Feld in \"%1\" nicht gefunden.").arg(keyFields));
    if (fields.empty() || size_t(values.size()) != fields.size())
        return fail(QStringLiteral("Die Zahl der Suchwerte passt nicht zu \"%1\".").arg(keyFields));

    // Numbers are compared by value, so "5", "5.0" and "5,0" find the same record.
    std::vector<double> numbers(fields.size(), 0.0);
    std::vector<bool> numeric(fields.size(), false);
    for (size_t i = 0; i < fields.size(); ++i) {
        const FieldType t = m_data.fields[fields[i]].type;
        if ((t == FieldType::Integer || t == FieldType::Float) && !values[qsizetype(i)].trimmed().isEmpty()) {
            if (!parseNumber(values[qsizetype(i)], numbers[i]))
                return false;
            numeric[i] = true;
        }
    }
    for (int r = 0; r < recordCount(); ++r) {
        const QStringList& row = m_data.rows[size_t(r)];
        bool match = true;
        for (size_t i = 0; i < fields.size() && match; ++i) {
            const QString& have = row[fields[i]];
            const QString& want = values[qsizetype(i)];
            if (numeric[i]) {
                double d = 0;
                match = !have.isEmpty() && parseNumber(have, d) && d == numbers[i];
            } else if (m_data.fields[fields[i]].type == FieldType::Integer
                       || m_data.fields[fields[i]].type == FieldType::Float) {
                match = have.isEmpty();
            } else if (option == CaseInsensitive) {
                match = compareAz(have, want) == 0;
            } else {
                match = have == want;
            }
        }
        if (match) {
            const int old = m_cur;
            m_cur = r;
            m_bof = m_eof = false;
            if (old != m_cur)
                notify();
            return true;
        }
    }
    return false;
}

bool DataTable::findKey(const QStringList& values)
{
    checkBrowseMode();
    if (!isActive() || values.isEmpty() || size_t(values.size()) > m_keys.size())
        return false;
    // A probe record holding the key values in the normal form of their fields.
    QStringList probe;
    probe.resize(fieldCount());
    for (qsizetype i = 0; i < values.size(); ++i) {
        const int k = m_keys[size_t(i)];
        if (!normalizeFieldValue(m_data.fields[k], values[i], probe[k]))
            return false;
    }
    const size_t used = size_t(values.size());
    auto comparePrefix = [&](const QStringList& a, const QStringList& b) {
        for (size_t i = 0; i < used; ++i) {
            const int k = m_keys[i];
            const int c = compareValues(m_data.fields[k].type, a[k], b[k]);
            if (c != 0)
                return c;
        }
        return 0;
    };
    const auto& rows = m_data.rows;
    const auto it = std::lower_bound(rows.begin(), rows.end(), probe,
                                     [&](const QStringList& a, const QStringList& b) {
                                         return comparePrefix(a, b) < 0;
                                     });
    if (it == rows.end() || comparePrefix(*it, probe) != 0)
        return false;
    const int old = m_cur;
    m_cur = int(it - rows.begin());
    m_bof = m_eof = false;
    if (old != m_cur)
        notify();
    return true;
}

// --- editing -----------------------------------------------------------------

bool DataTable::startInsert(bool atEnd)
{
    if (!isActive())
        return fail(QStringLiteral("Die Tabelle ist nicht geöffnet."));
    checkBrowseMode();
    if (m_beforeInsert)
        m_beforeInsert(*this);
    // The hook may have moved the cursor; the new record goes where it stands now.
    m_insertPos = atEnd ? recordCount() : std::max(m_cur, 0);
    m_buffer = QStringList();
    m_buffer.resize(fieldCount());
    m_state = State::Insert;
    m_modified = false;
    notify();
    if (m_afterInsert)
        m_afterInsert(*this);
    return true;
}

bool DataTable::insert()
{
    return startInsert(false);
}

bool DataTable::append()
{
    return startInsert(true);
}

bool DataTable::edit()
{
    if (m_state == State::Edit || m_state == State::Insert)
        return true;
    if (!isActive())
        return fail(QStringLiteral("Die Tabelle ist nicht geöffnet."));
    if (isEmpty())
        return fail(QStringLiteral("Die Tabelle enthält keinen Datensatz."));
    m_buffer = m_data.rows[size_t(m_cur)];
    m_state = State::Edit;
    m_modified = false;
    notify();
    return true;
}

bool DataTable::post()
{
    auto& rows = m_data.rows;
    if (m_state == State::Insert) {
        const int pos = placeFor(m_buffer, std::clamp(m_insertPos, 0, recordCount()));
        rows.insert(rows.begin() + pos, std::move(m_buffer));
        m_cur = pos;
        m_changed = true;
    } else if (m_state == State::Edit) {
        if (keyChanged(rows[size_t(m_cur)], m_buffer)) {
            rows.erase(rows.begin() + m_cur);
            const int pos = placeFor(m_buffer, m_cur);
            rows.insert(rows.begin() + pos, std::move(m_buffer));
            m_cur = pos;
            m_changed = true;
        } else if (rows[size_t(m_cur)] != m_buffer) {
            rows[size_t(m_cur)] = std::move(m_buffer);
            m_changed = true;
        }
    } else {
        return isActive();
    }
    m_buffer.clear();
    m_insertPos = -1;
    m_state = State::Browse;
    m_modified = false;
    m_bof = m_eof = false;
    notify();
    return true;
}

void DataTable::cancel()
{
    if (m_state != State::Edit && m_state != State::Insert)
        return;
    m_buffer.clear();
    m_insertPos = -1;
    m_state = State::Browse;
    m_modified = false;
    m_bof = m_eof = isEmpty();
    notify();
}

bool DataTable::deleteRecord()
{
    if (m_state == State::Insert) {
        cancel();
        return true;
    }
    if (m_state == State::Edit)
        cancel();
    if (!isActive())
        return fail(QStringLiteral("Die Tabelle ist nicht geöffnet."));
    if (isEmpty())
        return fail(QStringLiteral("Die Tabelle enthält keinen Datensatz."));
    m_data.rows.erase(m_data.rows.begin() + m_cur);
    m_changed = true;
    if (m_cur >= recordCount())
        m_cur = recordCount() - 1;
    m_bof = m_eof = isEmpty();
    notify();
    return true;
}

void DataTable::disableControls()
{
    ++m_disabled;
}

void DataTable::enableControls()
{
    if (m_disabled == 0)
        return;
    if (--m_disabled == 0 && m_pendingNotify) {
        m_pendingNotify = false;
        emit dataChanged();
    }
}

} // namespace kolvar
