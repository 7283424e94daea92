// The calculation window's side list: every key pressed in the memo refreshes
// it while it is visible, so with many project formulas each keystroke pays
// for one query per formula. 300 formulas chained one on the next (A1=1,
// A2=A1+1, ...) make each query walk the chain below it.
#include "engine/tfktbaum.h"
#include "platform/seams.h"
#include "shell/tdialogkolvar.h"
#include "tools/calcpad.h"
#include "tools/teditform.h"

#include <QApplication>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QKeyEvent>
#include <benchmark/benchmark.h>

#include <clocale>
#include <memory>
#include <string>

namespace {

// Types "x" and takes it back by turns, so the memo stays one short line.
void taste(QWidget* w)
{
    static bool zurueck = false;
    const int key = zurueck ? Qt::Key_Backspace : Qt::Key_X;
    const QString text = zurueck ? QString() : QStringLiteral("x");
    zurueck = !zurueck;
    QKeyEvent druck(QEvent::KeyPress, key, Qt::NoModifier, text);
    QKeyEvent los(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(w, &druck);
    QApplication::sendEvent(w, &los);
}

void kette(int anzahl)
{
    projektliste->alle_loeschen();
    projektliste->definiere("A1=1");
    for (int i = 2; i <= anzahl; ++i)
        projektliste->definiere("A" + std::to_string(i) + "=A" + std::to_string(i - 1) + "+1");
}

// The entries alone, as the window computes them.
void BM_SideListEntries(benchmark::State& state)
{
    kette(int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(kolvar::sideListEntries(*projektliste, QStringLiteral("0.00")));
    state.counters["formulas"] = double(projektliste->count());
}
BENCHMARK(BM_SideListEntries)->Arg(300)->Unit(benchmark::kMillisecond);

// A key typed into the memo of a shown window with the list visible: the
// refresh, and the list filled anew each time because the last value changes.
void BM_KeystrokeWithSideList(benchmark::State& state)
{
    kette(int(state.range(0)));
    TEditForm fenster;
    fenster.show();
    fenster.Projektkolvarnanzeigen1Click();
    int n = 0;
    for (auto _ : state) {
        // Redefining the start of the chain changes every value, so the list
        // cannot stay as it was.
        state.PauseTiming();
        projektliste->definiere("A1=" + std::to_string(++n));
        state.ResumeTiming();
        taste(fenster.Memo1);
    }
    state.counters["entries"] = double(fenster.zeigekolvar->count());
}
BENCHMARK(BM_KeystrokeWithSideList)->Arg(300)->Unit(benchmark::kMillisecond);

// The same key with the list unchanged (the usual case while typing).
void BM_KeystrokeListUnchanged(benchmark::State& state)
{
    kette(int(state.range(0)));
    TEditForm fenster;
    fenster.show();
    fenster.Projektkolvarnanzeigen1Click();
    for (auto _ : state)
        taste(fenster.Memo1);
}
BENCHMARK(BM_KeystrokeListUnchanged)->Arg(300)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    benchmark::Initialize(&argc, argv);
    kolvar::ScriptedSeams seams;
    kolvar::SeamsGuard guard(seams);
    kolvar::Projektformeln formeln;
    auto kolvarn = std::make_unique<Tdialogkolvar>();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
