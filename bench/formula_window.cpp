// Opening a formula window over the shipped collection and loading its
// formulas: building the contents tree and the area list, and loading a
// formula with its quantities, unit tables and picture.
#include "collection/texcausdlg.h"
#include "data/tdatadlg.h"
#include "platform/seams.h"

#include <QApplication>
#include <QFile>
#include <QTreeWidget>
#include <benchmark/benchmark.h>

#include <clocale>
#include <cstdio>
#include <memory>

namespace {

QString programmverzeichnis()
{
    return QStringLiteral(KOLVAR_SHIPPED_DATA "/");
}

// The formula nodes of a window's tree, as (area, topic, formula).
struct Formel {
    QString gebiet, thema, inhalt;
};

std::vector<Formel> alleFormeln(const Texcausdlg& w)
{
    std::vector<Formel> formeln;
    for (QTreeWidgetItem* k : w.alleKnoten())
        if (k->parent() && k->parent()->parent())
            formeln.push_back({k->parent()->parent()->text(0), k->parent()->text(0), k->text(0)});
    return formeln;
}

void waehle(Texcausdlg& w, const Formel& f)
{
    w.gebiet = f.gebiet;
    w.thema = f.thema;
    w.inhalt = f.inhalt;
    w.baumauswahl();
}

// A new window: tree from the whole formula table, the area list, every
// control of the pages.
void BM_FensterOeffnen(benchmark::State& state)
{
    for (auto _ : state) {
        auto w = std::make_unique<Texcausdlg>();
        benchmark::DoNotOptimize(w.get());
    }
}
BENCHMARK(BM_FensterOeffnen)->Unit(benchmark::kMillisecond);

// Loading the formulas one after the other through the tree, as next/
// previous and the lists do; the time is per formula.
void BM_FormelLaden(benchmark::State& state)
{
    Texcausdlg w;
    w.verzeichnis = programmverzeichnis();
    const std::vector<Formel> formeln = alleFormeln(w);
    if (formeln.empty()) {
        state.SkipWithError("keine Formeln");
        return;
    }
    size_t i = 0;
    for (auto _ : state) {
        waehle(w, formeln[i]);
        i = (i + 1) % formeln.size();
    }
    state.counters["Formeln"] = double(formeln.size());
}
BENCHMARK(BM_FormelLaden)->Unit(benchmark::kMillisecond);

// The user's whole wait: a new window that then shows a formula with a
// fraction, Greek letters, unit choices and a picture.
void BM_OeffnenUndLaden(benchmark::State& state)
{
    const Formel wurf{QStringLiteral("Mechanik"), QStringLiteral("Freier Fall und Wurf"),
                      QStringLiteral("Schräger Wurf: Wurfweite")};
    for (auto _ : state) {
        auto w = std::make_unique<Texcausdlg>();
        w->verzeichnis = programmverzeichnis();
        waehle(*w, wurf);
        if (w->Anzahl == 0)
            state.SkipWithError("Formel nicht gefunden");
    }
}
BENCHMARK(BM_OeffnenUndLaden)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    benchmark::Initialize(&argc, argv);
    if (!QFile::exists(programmverzeichnis() + QStringLiteral("daten/kolvar.cds"))) {
        std::fprintf(stderr, "%sdaten/kolvar.cds fehlt: nichts zu messen.\n",
                     qPrintable(programmverzeichnis()));
        return 0;
    }
    kolvar::ScriptedSeams seams;
    kolvar::SeamsGuard guard(seams);
    TDatadlg daten;
    Datadlg = &daten;
    daten.initialisieren(programmverzeichnis());
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    for (const auto& m : seams.messages)
        std::fprintf(stderr, "Meldung: %s\n", qPrintable(m.text));
    Datadlg = nullptr;
    return 0;
}
