// Arbitrary bytes as an INI file: parse, read every key, write every value
// back, and check that the written file reads the same.
#include "platform/inifile.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

struct Value {
    QString section;
    QString key;
    QString text;
};

std::vector<Value> readAll(const kolvar::IniFile& ini)
{
    std::vector<Value> values;
    for (const QString& section : ini.sections()) {
        for (const QString& key : ini.keys(section)) {
            values.push_back({section, key, ini.readString(section, key)});
            ini.readInteger(section, key, -1);
            ini.readBool(section, key, true);
        }
    }
    return values;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    kolvar::IniFile ini;
    ini.setBytes(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    const std::vector<Value> before = readAll(ini);

    kolvar::IniFile unchanged;
    unchanged.setBytes(ini.toBytes());
    for (const Value& v : before) {
        if (unchanged.readString(v.section, v.key) != v.text)
            std::abort();
    }

    for (const Value& v : before)
        ini.writeString(v.section, v.key, v.text);
    ini.writeString(QStringLiteral("Neu"), QStringLiteral("Wert"), QStringLiteral(" \"x\" "));

    kolvar::IniFile back;
    back.setBytes(ini.toBytes());
    for (const Value& v : before) {
        if (back.readString(v.section, v.key, QStringLiteral("<fehlt>")) != v.text)
            std::abort();
    }

    if (!before.empty())
        back.deleteKey(before.front().section, before.front().key);
    back.eraseSection(QStringLiteral("Neu"));
    return 0;
}
