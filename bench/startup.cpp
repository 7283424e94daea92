// Start-up: every long-lived window, the shipped tables, the template tree and
// the main window shown, in-process on the offscreen platform, up to the point
// where the event loop would start. Shut-down is timed separately.
#include "app/startup.h"
#include "platform/seams.h"
#include "shell/tmainform.h"

#include <QApplication>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <clocale>
#include <cstdio>
#include <memory>

namespace {

// A program directory laid out as the build lays it out: a copy of data/.
QString programmverzeichnis()
{
    static QTemporaryDir dir;
    static bool kopiert = false;
    if (!kopiert) {
        const QString from = QStringLiteral(KOLVAR_SHIPPED_DATA);
        QDirIterator it(from, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString source = it.next();
            const QString target = dir.path() + source.mid(from.size());
            QDir().mkpath(QFileInfo(target).absolutePath());
            QFile::copy(source, target);
        }
        kopiert = true;
    }
    return dir.path();
}

void BM_Start(benchmark::State& state)
{
    kolvar::ScriptedSeams seams; // a message box must never wait for a click here
    kolvar::SeamsGuard guard(seams);
    const QString programm = programmverzeichnis() + QStringLiteral("/kolvar");
    for (auto _ : state) {
        auto p = std::make_unique<kolvar::Programm>(programm);
        p->starten();
        benchmark::DoNotOptimize(MainForm);
        state.PauseTiming();
        p.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
    state.counters["messages"] = double(seams.messages.size());
}
BENCHMARK(BM_Start)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// The same, plus the first painting of the main window the event loop would do.
void BM_StartUndErstesBild(benchmark::State& state)
{
    kolvar::ScriptedSeams seams;
    kolvar::SeamsGuard guard(seams);
    const QString programm = programmverzeichnis() + QStringLiteral("/kolvar");
    for (auto _ : state) {
        auto p = std::make_unique<kolvar::Programm>(programm);
        p->starten();
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(MainForm->grab());
        state.PauseTiming();
        p.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartUndErstesBild)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_Ende(benchmark::State& state)
{
    kolvar::ScriptedSeams seams;
    kolvar::SeamsGuard guard(seams);
    const QString programm = programmverzeichnis() + QStringLiteral("/kolvar");
    for (auto _ : state) {
        state.PauseTiming();
        auto p = std::make_unique<kolvar::Programm>(programm);
        p->starten();
        state.ResumeTiming();
        p.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}
BENCHMARK(BM_Ende)->Unit(benchmark::kMillisecond)->MinTime(1.0);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    benchmark::Initialize(&argc, argv);
    {
        // The first start in a process also loads fonts, styles and the
        // platform plugin's resources: what a user waits for.
        kolvar::ScriptedSeams seams;
        kolvar::SeamsGuard guard(seams);
        const QString programm = programmverzeichnis() + QStringLiteral("/kolvar");
        QElapsedTimer uhr;
        uhr.start();
        kolvar::Programm p(programm);
        p.starten();
        std::printf("first start in this process: %.1f ms\n", uhr.nsecsElapsed() / 1e6);
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
