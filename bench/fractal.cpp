// The fractal window's drawing: the arithmetic alone (iterations per second
// on one core, the vector lanes against the plain loop) and the window as a
// person uses it (total time, time until the first pass is on screen, and
// how late a click on "Abbrechen" is seen), for the initial 300 x 200 picture
// with 50 iterations and for 1920 x 1080 with 1000.
#include "controls/tlongintedit.h"
#include "platform/seams.h"
#include "tools/bildfeld.h"
#include "tools/fraktalrechnung.h"
#include "tools/tfraktaldlg.h"

#include <QApplication>
#include <QTabWidget>
#include <QToolButton>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <clocale>
#include <random>
#include <thread>
#include <vector>

namespace {

using Uhr = std::chrono::steady_clock;

kolvar::Fraktaleinstellung einstellung(const benchmark::State& state)
{
    kolvar::Fraktaleinstellung e;
    e.art = state.range(0) == 0 ? kolvar::Fraktalart::Mandelbrot : kolvar::Fraktalart::Julia;
    e.breite = int(state.range(1));
    e.hoehe = int(state.range(2));
    e.maximum = int(state.range(3));
    return e;
}

void argumente(benchmark::internal::Benchmark* b)
{
    b->ArgNames({"julia", "w", "h", "max"});
    for (int art : {0, 1}) {
        b->Args({art, 300, 200, 50});
        b->Args({art, 1920, 1080, 1000});
    }
}

// A shown window set to draw e.
void einrichten(Tfraktaldlg& f, const kolvar::Fraktaleinstellung& e)
{
    f.show();
    f.PageControl1->setCurrentIndex(e.art == kolvar::Fraktalart::Julia ? 1 : 0);
    f.breite->setText(QString::number(e.breite));
    f.hoehe->setText(QString::number(e.hoehe));
    (e.art == kolvar::Fraktalart::Julia ? f.longintEdit3 : f.longintEdit2)->setText(QString::number(e.maximum));
}

// All ten passes into a picture of palette indices, without a window.
void BM_Zeichnung(benchmark::State& state)
{
    const kolvar::Fraktaleinstellung e = einstellung(state);
    std::vector<std::uint8_t> pixel(std::size_t(e.breite) * std::size_t(e.hoehe));
    const kolvar::Indexbild bild{pixel.data(), e.breite, e.breite, e.hoehe};
    std::uint64_t iterationen = 0;
    for (auto _ : state) {
        kolvar::Fraktalzeichnung z(e);
        while (!z.fertig())
            z.arbeite(bild, Uhr::time_point::max());
        iterationen += z.iterationen();
    }
    state.counters["it/s"] = benchmark::Counter(double(iterationen), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_Zeichnung)->Apply(argumente)->Unit(benchmark::kMillisecond);

// The same points through the plain loop, one at a time, without painting.
void BM_EinzelnePunkte(benchmark::State& state)
{
    const kolvar::Fraktaleinstellung e = einstellung(state);
    const bool julia = e.art == kolvar::Fraktalart::Julia;
    const double dx = (e.xmax - e.xmin) / e.breite, dy = (e.ymax - e.ymin) / e.hoehe;
    const double sx = e.weite / e.breite, sy = e.hoehe_sicht / e.hoehe;
    std::uint64_t iterationen = 0;
    for (auto _ : state) {
        for (int k = 10; k >= 1; --k)
            for (int px = 0; px < e.breite; px += k)
                for (int py = 0; py < e.hoehe; py += k)
                    iterationen += std::uint64_t(
                        julia ? kolvar::fluchtzahl(px * sx - e.weite / 2, py * sy - e.hoehe_sicht / 2, e.cre, e.cim,
                                                   e.grenze, e.maximum)
                              : kolvar::fluchtzahl(0, 0, px * dx + e.xmin, py * dy + e.ymin, e.grenze, e.maximum));
    }
    state.counters["it/s"] = benchmark::Counter(double(iterationen), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_EinzelnePunkte)->Apply(argumente)->Unit(benchmark::kMillisecond);

// The window on the screen: a click on "Rechne" and the event loop until the
// drawing ends. Reports the time until the first pass is shown.
void BM_Fenster(benchmark::State& state)
{
    const kolvar::Fraktaleinstellung e = einstellung(state);
    Tfraktaldlg f;
    einrichten(f, e);
    double ersterDurchgang = 0, summe = 0;
    int anzahl = 0;
    for (auto _ : state) {
        f.Image1->setBild(QImage());
        const auto start = Uhr::now();
        f.SpeedButton1->click();
        bool gezeigt = false;
        while (f.zeichnet()) {
            QCoreApplication::processEvents();
            if (!gezeigt && !f.Image1->bild().isNull()) {
                gezeigt = true;
                const double ms = std::chrono::duration<double, std::milli>(Uhr::now() - start).count();
                ersterDurchgang = std::max(ersterDurchgang, ms);
                summe += ms;
                ++anzahl;
            }
        }
    }
    state.counters["erster_Durchgang_ms_max"] = ersterDurchgang;
    state.counters["erster_Durchgang_ms_mittel"] = anzahl ? summe / anzahl : 0;
}
BENCHMARK(BM_Fenster)->Apply(argumente)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);

// A click on "Abbrechen" arriving at a random moment of a drawing, from
// outside the event loop as the window system delivers it: how long until
// the window has taken it.
void BM_Abbrechen(benchmark::State& state)
{
    const kolvar::Fraktaleinstellung e = einstellung(state);
    Tfraktaldlg f;
    einrichten(f, e);
    std::mt19937 zufall(3);
    std::uniform_int_distribution<int> warte(1, 40);
    double hoechste = 0, summe = 0;
    int anzahl = 0;
    for (auto _ : state) {
        f.SpeedButton1->click();
        std::atomic<bool> gesehen{false};
        Uhr::time_point geklickt;
        std::thread klick([&] {
            std::this_thread::sleep_for(std::chrono::milliseconds(warte(zufall)));
            geklickt = Uhr::now();
            QMetaObject::invokeMethod(&f, [&] {
                const double ms = std::chrono::duration<double, std::milli>(Uhr::now() - geklickt).count();
                hoechste = std::max(hoechste, ms);
                summe += ms;
                ++anzahl;
                if (f.zeichnet())
                    f.SpeedButton1->click();
                gesehen = true;
            }, Qt::QueuedConnection);
        });
        while (!gesehen)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        klick.join();
    }
    state.counters["Abbruch_ms_max"] = hoechste;
    state.counters["Abbruch_ms_mittel"] = anzahl ? summe / anzahl : 0;
}
BENCHMARK(BM_Abbrechen)->Args({0, 1920, 1080, 1000})->Args({1, 1920, 1080, 1000})->Iterations(40)
    ->Unit(benchmark::kMillisecond)->UseRealTime();

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
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
