// The spreadsheet's recalculation ("Rechne": three passes over every cell,
// each cell defined and asked for its value) on the sheets users build: a
// full default sheet, a table of neighbour sums, a column where each cell
// uses the previous one twice, and a large sparse sheet; then the same
// neighbour sums at 1,000, 10,000 and 100,000 cells to show how the time
// grows, and a keystroke in a full-size sheet with its repaint.
#include "platform/seams.h"
#include "tools/tabellenmodell.h"
#include "tools/tabellenrechnung.h"
#include "tools/ttabelleform.h"

#include <QApplication>
#include <QKeyEvent>
#include <benchmark/benchmark.h>

#include <clocale>
#include <functional>
#include <memory>

namespace {

using kolvar::Tabellenrechnung;

QString ref(int spalte, int zeile)
{
    return Tabellenrechnung::zellname(spalte, zeile);
}

// A hidden sheet of the given size with cells from f (empty text: no cell).
std::unique_ptr<Ttabelleform> blatt(int zeilen, int spalten, const std::function<QString(int, int)>& f)
{
    auto b = std::make_unique<Ttabelleform>();
    b->setAttribute(Qt::WA_DeleteOnClose, false);
    b->StringGrid1->setGroesse(zeilen, spalten);
    b->kopfzeilen_setzen();
    int formeln = 0;
    for (int z = 1; z < zeilen; ++z) {
        for (int s = 1; s < spalten; ++s) {
            const QString text = f(s, z);
            if (text.isEmpty())
                continue;
            b->setEingabe(s, z, text);
            formeln += text.startsWith(QLatin1Char('='));
        }
    }
    b->setProperty("formeln", formeln);
    return b;
}

// Each cell: the one to its left plus the one above; the first row and
// column hold numbers.
QString nachbarsumme(int s, int z)
{
    if (s == 1 || z == 1)
        return QString::number(s + z);
    return QLatin1Char('=') + ref(s - 1, z) + QLatin1Char('+') + ref(s, z - 1);
}

void rechne(benchmark::State& state, Ttabelleform& b)
{
    for (auto _ : state)
        b.alle_berechnen();
    const int formeln = b.property("formeln").toInt();
    state.counters["formula cells"] = formeln;
    state.counters["formula cells/s"] = benchmark::Counter(formeln, benchmark::Counter::kIsIterationInvariantRate);
}

void BM_FullSheet19x9(benchmark::State& state)
{
    auto b = blatt(20, 10, [](int s, int z) {
        if (z == 1)
            return QString::number(s) + QStringLiteral(",5");
        return QStringLiteral("=%1*2+%2/3").arg(ref(s, z - 1), ref(s == 1 ? 9 : s - 1, z - 1));
    });
    rechne(state, *b);
}
BENCHMARK(BM_FullSheet19x9)->Unit(benchmark::kMillisecond);

void BM_NeighbourSums200x26(benchmark::State& state)
{
    auto b = blatt(201, 27, nachbarsumme);
    rechne(state, *b);
}
BENCHMARK(BM_NeighbourSums200x26)->Unit(benchmark::kMillisecond);

// Asked of the list itself, row 30 would take some 2^29 evaluations.
void BM_DoublingChain30(benchmark::State& state)
{
    auto b = blatt(31, 2, [](int, int z) {
        return z == 1 ? QStringLiteral("1") : QStringLiteral("=%1+%1").arg(ref(1, z - 1));
    });
    rechne(state, *b);
    if (b->StringGrid1->Cells(1, 30) != QStringLiteral("536870912,000"))
        state.SkipWithError("wrong value in row 30");
}
BENCHMARK(BM_DoublingChain30)->Unit(benchmark::kMillisecond);

// 10,000 cells on a 1000 x 1000 grid, every tenth row and column; each
// refers to the filled cell before it in its row.
QString duenn(int s, int z)
{
    if ((s - 1) % 10 != 0 || (z - 1) % 10 != 0)
        return {};
    return s == 1 ? QString::number(z) : QStringLiteral("=%1+1").arg(ref(s - 10, z));
}

void BM_Sparse1000x1000(benchmark::State& state)
{
    auto b = blatt(1000, 1000, duenn);
    rechne(state, *b);
}
BENCHMARK(BM_Sparse1000x1000)->Unit(benchmark::kMillisecond);

// Neighbour sums of state.range(0) rows and 101 columns.
void BM_NeighbourSumsBySize(benchmark::State& state)
{
    auto b = blatt(int(state.range(0)) + 1, 101, nachbarsumme);
    rechne(state, *b);
}
BENCHMARK(BM_NeighbourSumsBySize)->Arg(10)->Arg(100)->Arg(1000 - 1)->Unit(benchmark::kMillisecond);

// The same 19 x 9 sheet asking the list for every value, for comparison.
void BM_FullSheet19x9WithoutKeptValues(benchmark::State& state)
{
    auto b = blatt(20, 10, [](int s, int z) {
        if (z == 1)
            return QString::number(s) + QStringLiteral(",5");
        return QStringLiteral("=%1*2+%2/3").arg(ref(s, z - 1), ref(s == 1 ? 9 : s - 1, z - 1));
    });
    b->rechnung().setOhneWertspeicher(true);
    rechne(state, *b);
}
BENCHMARK(BM_FullSheet19x9WithoutKeptValues)->Unit(benchmark::kMillisecond);

void taste(QWidget* w, int key)
{
    QKeyEvent druck(QEvent::KeyPress, key, Qt::NoModifier);
    QKeyEvent los(QEvent::KeyRelease, key, Qt::NoModifier);
    QApplication::sendEvent(w, &druck);
    QApplication::sendEvent(w, &los);
}

// An arrow key in a shown 1000 x 1000 sheet of 10,000 cells, and the
// repaint of the grid that follows it.
void BM_KeystrokeRepaint1000x1000(benchmark::State& state)
{
    auto b = blatt(1000, 1000, duenn);
    b->alle_berechnen();
    b->resize(1200, 800);
    b->show();
    b->StringGrid1->setFocus();
    b->StringGrid1->setAktuell(500, 500);
    QCoreApplication::processEvents();
    bool rechts = true;
    for (auto _ : state) {
        taste(b->StringGrid1, rechts ? Qt::Key_Right : Qt::Key_Left);
        rechts = !rechts;
        b->StringGrid1->viewport()->repaint();
    }
}
BENCHMARK(BM_KeystrokeRepaint1000x1000)->Unit(benchmark::kMillisecond);

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
