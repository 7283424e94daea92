// The calculation window with many project formulas. Every key pressed in the
// memo refreshes the side list while it is visible, so each keystroke pays for
// one query per formula; a program run defines every line and refreshes the
// list once. Aims: 10,000 project formulas refreshed in under 50 ms per key,
// and a 5 MB program of distinct names run in under 10 s, the time growing
// with the size of the program, not with its square.
#include "engine/tfktbaum.h"
#include "platform/seams.h"
#include "shell/tdialogkolvar.h"
#include "shell/tmainform.h"
#include "tools/calcpad.h"
#include "tools/teditform.h"

#include <QApplication>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QKeyEvent>
#include <QToolButton>
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

// Formulas chained one on the next (A1=1, A2=A1+1, ...): each query walks the
// chain below it.
void kette(int anzahl)
{
    projektliste->alle_loeschen();
    projektliste->definiere("A1=1");
    for (int i = 2; i <= anzahl; ++i)
        projektliste->definiere("A" + std::to_string(i) + "=A" + std::to_string(i - 1) + "+1");
}

// Formulas as a project collects them: values, formulas on those values,
// functions, and formulas that call the functions.
void projekt(int anzahl)
{
    projektliste->alle_loeschen();
    for (int i = 0; projektliste->count() < anzahl; ++i) {
        const std::string n = std::to_string(i);
        for (const std::string& zeile :
             {"M" + n + "=" + n + ",5", "V" + n + "=M" + n + "*2+1", "F" + n + "(X)=X^2+M" + n,
              "E" + n + "=F" + n + "(V" + n + ")/2"})
            if (projektliste->count() < anzahl && !projektliste->definiere(zeile))
                std::abort();
    }
}

void fuellen(benchmark::State& state)
{
    if (state.range(1))
        kette(int(state.range(0)));
    else
        projekt(int(state.range(0)));
}

// The entries alone, as the window computes them.
void BM_SideListEntries(benchmark::State& state)
{
    fuellen(state);
    for (auto _ : state)
        benchmark::DoNotOptimize(kolvar::sideListEntries(*projektliste, QStringLiteral("0.00")));
    state.counters["formulas"] = double(projektliste->count());
}
BENCHMARK(BM_SideListEntries)
    ->ArgNames({"formulas", "chain"})
    ->Args({300, 1})
    ->Args({5000, 0})
    ->Args({10000, 0})
    ->Unit(benchmark::kMillisecond);

// A key typed into the memo of a shown window with the list visible: the
// refresh, and the list filled anew each time because a value changes.
void BM_KeystrokeWithSideList(benchmark::State& state)
{
    fuellen(state);
    const std::string erste = projektliste->entry(0)->fktname;
    TEditForm fenster;
    fenster.show();
    fenster.Projektkolvarnanzeigen1Click();
    int n = 0;
    for (auto _ : state) {
        // Redefining the first value changes what the list shows.
        state.PauseTiming();
        projektliste->definiere(erste + "=" + std::to_string(++n));
        state.ResumeTiming();
        taste(fenster.Memo1);
    }
    state.counters["entries"] = double(fenster.zeigekolvar->count());
}
BENCHMARK(BM_KeystrokeWithSideList)
    ->ArgNames({"formulas", "chain"})
    ->Args({300, 1})
    ->Args({5000, 0})
    ->Args({10000, 0})
    ->Unit(benchmark::kMillisecond);

// The same key with the list unchanged (the usual case while typing).
void BM_KeystrokeListUnchanged(benchmark::State& state)
{
    fuellen(state);
    TEditForm fenster;
    fenster.show();
    fenster.Projektkolvarnanzeigen1Click();
    for (auto _ : state)
        taste(fenster.Memo1);
}
BENCHMARK(BM_KeystrokeListUnchanged)
    ->ArgNames({"formulas", "chain"})
    ->Args({300, 1})
    ->Args({10000, 0})
    ->Unit(benchmark::kMillisecond);

// A program of about the given size in bytes: distinct names, values and
// formulas on them, and every hundredth line an output.
QString programm(long bytes)
{
    QString text;
    text.reserve(bytes + 64);
    for (long i = 0; text.size() < bytes; ++i) {
        const QString n = QString::number(i);
        text += QStringLiteral("WERT") + n + QLatin1Char('=') + n + QStringLiteral(",25*3+1\n");
        text += QStringLiteral("PI") + n + QStringLiteral("(R)=R^2*3,14159\n");
        text += QStringLiteral("SUMME") + n + QStringLiteral("=WERT") + n + QStringLiteral("/2+PI") + n
            + QStringLiteral("(2)\n");
        if (i % 33 == 0)
            text += QStringLiteral("Ausgabe(SUMME") + n + QStringLiteral(")\n");
    }
    return text;
}

// "Rechne" clicked in program mode on a program of distinct names, with the
// side list shown or hidden; the output window opens with the outputs.
void BM_ProgramOfDistinctNames(benchmark::State& state)
{
    const QString text = programm(state.range(0) * 1024 * 1024 / 100);
    // The formulas an earlier benchmark left would count as the program's.
    projektliste->alle_loeschen();
    TEditForm fenster;
    fenster.show();
    fenster.ProgrammModus1Click();
    if (state.range(1))
        fenster.Projektkolvarnanzeigen1Click();
    fenster.Memo1->setPlainText(text);
    for (auto _ : state) {
        fenster.Rechne->click();
        state.PauseTiming();
        state.counters["definitions"] = double(projektliste->count());
        state.counters["entries"] = double(fenster.zeigekolvar->count());
        state.counters["outputs"] = fenster.ausgabefenster()
                                        ? double(fenster.ausgabefenster()->zeilen().size())
                                        : 0;
        delete fenster.ausgabefenster();
        projektliste->alle_loeschen();
        state.ResumeTiming();
    }
    state.counters["MB"] = double(text.size()) / (1024 * 1024);
}
// The first argument is the size in hundredths of a megabyte.
BENCHMARK(BM_ProgramOfDistinctNames)
    ->ArgNames({"MBx100", "list"})
    ->Args({125, 0})
    ->Args({250, 0})
    ->Args({500, 0})
    ->Args({500, 1})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

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
    // The owner of the output window a program run opens.
    auto haupt = std::make_unique<TMainForm>();
    MainForm = haupt.get();
    auto kolvarn = std::make_unique<Tdialogkolvar>();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    kolvarn.reset();
    MainForm = nullptr;
    return 0;
}
