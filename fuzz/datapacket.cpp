// Table files come from the program directory and from whoever edited them:
// arbitrary bytes must give a table or a message, never a crash. Whatever is
// accepted must also survive being walked, re-sorted, edited and written,
// and what the table writes must read back to the same bytes.
#include "platform/datatable.h"

#include <cstddef>
#include <cstdint>

using kolvar::DataTable;

namespace {

void walk(DataTable& t)
{
    for (t.first(); !t.eof(); t.next()) {
        for (int f = 0; f < t.fieldCount(); ++f) {
            bool ok = false;
            (void)t.value(f);
            (void)t.asInteger(f, &ok);
            (void)t.asFloat(f, &ok);
            (void)t.valueAt(t.recNo() - 1, f);
        }
    }
    t.moveBy(-3);
    t.moveBy(7);
    t.last();
    t.prior();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    DataTable t;
    if (!t.loadFromData(bytes, QStringLiteral("fuzz.cds"))) {
        if (t.errorString().isEmpty() || t.isActive())
            __builtin_trap(); // a refusal must say why and leave the table closed
        return 0;
    }
    walk(t);

    // Every field as the index, then locate and find the values just seen.
    for (int f = 0; f < t.fieldCount(); ++f) {
        if (!t.setIndexFieldNames(t.fieldName(f)))
            __builtin_trap();
        walk(t);
        t.first();
        const QString v = t.value(f);
        if (!t.isEmpty() && (!t.locate(t.fieldName(f), v) || !t.findKey({v})))
            __builtin_trap();
    }

    // Edit the first record with its own texts shifted by one field, insert
    // and delete; refused values are fine, a broken table is not.
    t.first();
    if (t.edit()) {
        for (int f = 0; f + 1 < t.fieldCount(); ++f)
            t.setValue(f, t.value(f + 1));
        t.post();
    }
    t.insert();
    if (t.fieldCount() > 0)
        t.setValue(0, QString::number(size));
    t.post();
    t.last();
    t.deleteRecord();
    walk(t);

    const QByteArray saved = t.saveToData();
    DataTable again;
    if (!again.loadFromData(saved, QStringLiteral("saved.cds")))
        __builtin_trap(); // the table wrote something it cannot read
    again.setIndexFieldNames(t.indexFieldNames());
    if (again.recordCount() != t.recordCount() || again.fieldDefs() != t.fieldDefs()
        || again.saveToData() != saved)
        __builtin_trap();
    return 0;
}
