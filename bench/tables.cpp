// Load, locate and save of the formula table: the shipped one (when the
// data files are present) and a generated one of 10,000 records in the same
// layout, plus the editor's renumbering walk over the large one.
#include "platform/datatable.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <random>

using kolvar::DataTable;
using kolvar::FieldDef;
using kolvar::FieldType;

namespace {

QTemporaryDir& tempDir()
{
    static QTemporaryDir dir;
    return dir;
}

// The formula layout with 10,000 records: 20 areas, 25 topics each, 20
// formulas per topic; the first written in random order so loading sorts.
QString generatedTable()
{
    static const QString path = [] {
        QList<FieldDef> fields;
        for (const char* name : {"INHALT", "THEMA", "GEBIET", "KOLVAR", "GRAFIK", "RECHNUNG", "FREI1", "FREI2"})
            fields.append({name, FieldType::String, 120});
        for (int i = 1; i <= 9; ++i)
            fields.append({QStringLiteral("M%1").arg(i), FieldType::Integer, 0});
        fields.append({"BEISPIEL", FieldType::Memo, 0});
        fields.append({"myNr", FieldType::Integer, 0});
        fields.append({"nr", FieldType::Integer, 0});
        DataTable t;
        t.createDataSet(fields);
        std::vector<int> order(10000);
        for (int i = 0; i < 10000; ++i)
            order[size_t(i)] = i;
        std::shuffle(order.begin(), order.end(), std::mt19937(7));
        for (int n : order) {
            t.append();
            t.setValue("GEBIET", QStringLiteral("Gebiet %1").arg(n / 500));
            t.setValue("THEMA", QStringLiteral("Thema %1").arg(n / 20));
            t.setValue("INHALT", QStringLiteral("Formel %1").arg(n / 4));
            t.setValue("KOLVAR", QStringLiteral("F_{%1} = m \\cdot a + \\c(r)^2").arg(n));
            t.setValue("RECHNUNG", QStringLiteral("F%1=M*A+R^2").arg(n));
            for (int m = 1; m <= 3; ++m)
                t.setInteger(QStringLiteral("M%1").arg(m), n % 100 + m);
            t.setValue("BEISPIEL", QStringLiteral("Beispiel für Formel %1:\r\nm = 5 kg, a = 2 m/s²").arg(n));
            t.setInteger("myNr", n);
            t.setInteger("nr", n);
            t.post();
        }
        const QString file = tempDir().filePath("gross.cds");
        if (!t.saveToFile(file))
            std::fprintf(stderr, "%s\n", qPrintable(t.errorString()));
        return file;
    }();
    return path;
}

QString shippedTable()
{
    return QStringLiteral(KOLVAR_SHIPPED_DATA "/daten/kolvar.cds");
}

void openSorted(DataTable& t, const QString& file, benchmark::State& state)
{
    t.setIndexFieldNames("myNr");
    if (!t.open(file))
        state.SkipWithError(qPrintable(t.errorString()));
}

void BM_Load(benchmark::State& state, QString (*file)())
{
    const QString path = file();
    for (auto _ : state) {
        DataTable t;
        openSorted(t, path, state);
        benchmark::DoNotOptimize(t.recordCount());
        t.close();
    }
}

// Locates the last formula by "INHALT;Gebiet;Thema", as the formula window
// does on every load, then counts its rearrangements.
void BM_Locate(benchmark::State& state, QString (*file)())
{
    DataTable t;
    openSorted(t, file(), state);
    t.last();
    const QStringList key{t.value("INHALT"), t.value("GEBIET"), t.value("THEMA")};
    for (auto _ : state) {
        t.first();
        if (!t.locate("INHALT;Gebiet;Thema", key))
            state.SkipWithError("not found");
        int count = 0;
        for (const QString inhalt = t.value("INHALT"); !t.eof() && t.value("INHALT") == inhalt; t.next())
            ++count;
        benchmark::DoNotOptimize(count);
    }
}

void BM_FindKey(benchmark::State& state, QString (*file)())
{
    DataTable t;
    openSorted(t, file(), state);
    const int n = t.recordCount();
    int i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(t.findKey({QString::number(i)}));
        i = (i + 7919) % std::max(n, 1);
    }
}

void BM_Save(benchmark::State& state, QString (*file)())
{
    DataTable t;
    openSorted(t, file(), state);
    const QString target = tempDir().filePath("save.cds");
    for (auto _ : state) {
        if (!t.saveToFile(target))
            state.SkipWithError(qPrintable(t.errorString()));
    }
    state.SetBytesProcessed(state.iterations() * QFile(target).size());
}

// The table editor's renumbering: two edit walks, switching the index between.
void BM_Renumber(benchmark::State& state, QString (*file)())
{
    DataTable t;
    openSorted(t, file(), state);
    for (auto _ : state) {
        t.first();
        for (int i = 0; i < t.recordCount(); ++i) {
            t.edit();
            t.setInteger("nr", i);
            t.next();
        }
        t.setIndexFieldNames("nr");
        t.first();
        for (int i = 0; i < t.recordCount(); ++i) {
            t.edit();
            t.setInteger("myNr", i);
            t.next();
        }
        t.setIndexFieldNames("myNr");
    }
}

} // namespace

int main(int argc, char** argv)
{
    using Bench = void (*)(benchmark::State&, QString (*)());
    const std::pair<const char*, Bench> benches[] = {
        {"Load", BM_Load}, {"Locate", BM_Locate}, {"FindKey", BM_FindKey}, {"Save", BM_Save},
    };
    if (QFile::exists(shippedTable())) {
        for (const auto& [name, fn] : benches)
            benchmark::RegisterBenchmark((std::string(name) + "/shipped").c_str(), fn, &shippedTable)
                ->Unit(benchmark::kMicrosecond);
    } else {
        std::fprintf(stderr, "%s fehlt: die Messungen der mitgelieferten Tabelle entfallen.\n",
                     qPrintable(shippedTable()));
    }
    for (const auto& [name, fn] : benches)
        benchmark::RegisterBenchmark((std::string(name) + "/generated10000").c_str(), fn, &generatedTable)
            ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Renumber/generated10000", BM_Renumber, &generatedTable)
        ->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
