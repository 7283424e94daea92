// The spreadsheet window as a user works in it: typing into cells and the
// formula bar with real keys, selecting with the mouse and Shift, the
// clipboard both ways, zoom, the grid size, ".tab" files and their refusal,
// text export and import, and the sum, formula and insert dialogs.
#include "tools/ttabelleform.h"

#include "engine/helpers.h"
#include "engine/tfktbaum.h"
#include "platform/seams.h"
#include "shell/projektliste.h"
#include "shell/tdialogkolvar.h"
#include "shell/thtmldlg.h"
#include "shell/tzahlenform.h"
#include "support/testpaths.h"
#include "tools/tabellenmodell.h"
#include "tools/teinffordlg.h"
#include "tools/texpfordlg.h"
#include "tools/tsummedlg.h"
#include "tools/ttaboptiondlg.h"
#include "controls/tspineditin.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

#include <memory>

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& s, std::ostream* os)
{
    *os << '"' << s.toStdString() << '"';
}
QT_END_NAMESPACE

namespace {

QByteArray bytes(const QString& datei)
{
    QFile f(datei);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<fehlt>");
}

void schreibe(const QString& datei, const QByteArray& inhalt)
{
    QFile f(datei);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(inhalt);
}

std::pair<int, int> ort(const char* ref)
{
    int spalte = 0, zeile = 0;
    EXPECT_TRUE(zellbezug(spalte, zeile, ref)) << ref;
    return {spalte, zeile};
}

struct Blattfenster : ::testing::Test {
    kolvar::ScriptedSeams seams;
    kolvar::SeamsGuard guard{seams};
    QTemporaryDir dir;
    kolvar::Projektformeln projektformeln;
    std::unique_ptr<Tdialogkolvar> kolvarn = std::make_unique<Tdialogkolvar>();
    std::unique_ptr<Thtmldlg> html = std::make_unique<Thtmldlg>();
    std::unique_ptr<Texpfordlg> export_ = std::make_unique<Texpfordlg>();
    std::unique_ptr<Teinffordlg> einfuegen = std::make_unique<Teinffordlg>();
    QPointer<Ttabelleform> blatt;

    void SetUp() override
    {
        dialogkolvar = kolvarn.get();
        htmldlg = html.get();
        html->setVerzeichnis(dir.path() + QLatin1Char('/'));
        expfordlg = export_.get();
        einffordlg = einfuegen.get();
        blatt = neu();
    }
    void TearDown() override
    {
        QList<QPointer<Ttabelleform>> blaetter;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* b = qobject_cast<Ttabelleform*>(w))
                blaetter << b;
        for (const QPointer<Ttabelleform>& b : blaetter)
            delete b.data();
        einffordlg = nullptr;
        expfordlg = nullptr;
        htmldlg = nullptr;
        dialogkolvar = nullptr;
    }

    static Ttabelleform* neu()
    {
        auto* b = new Ttabelleform;
        b->show();
        b->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(b));
        b->StringGrid1->setFocus();
        return b;
    }

    QString pfad(const char* name) const { return dir.filePath(QLatin1String(name)); }
    QWidget* fokus() const { return QApplication::focusWidget() ? QApplication::focusWidget() : blatt->StringGrid1; }

    QPoint mitte(const char* ref) const
    {
        const auto [s, z] = ort(ref);
        return blatt->StringGrid1->visualRect(blatt->modell()->index(z, s)).center();
    }
    void klick(const char* ref, Qt::KeyboardModifiers tasten = {})
    {
        // A dialog shown before may have kept the focus.
        if (!blatt->isActiveWindow()) {
            blatt->activateWindow();
            EXPECT_TRUE(QTest::qWaitForWindowActive(blatt));
        }
        QTest::mouseClick(blatt->StringGrid1->viewport(), Qt::LeftButton, tasten, mitte(ref));
    }
    // Types into the focused control key by key, as a person does, and ends
    // with Enter.
    void tasten(const QString& text, bool enter = true)
    {
        for (QChar c : text)
            QTest::keyClick(fokus(), c.toLatin1());
        if (enter)
            QTest::keyClick(fokus(), Qt::Key_Return);
        // The editor closes on Enter through the event loop.
        QCoreApplication::processEvents();
    }
    void tippe(const char* ref, const QString& text)
    {
        klick(ref);
        tasten(text);
    }
    QString zeigt(const char* ref) const
    {
        const auto [s, z] = ort(ref);
        return blatt->StringGrid1->Cells(s, z);
    }
    QString eingabe(const char* ref) const
    {
        const auto [s, z] = ort(ref);
        return blatt->StringGrid2->Cells(s, z);
    }
    // Cells of both grids, both counts, format, font, file and caption.
    QStringList zustand(const Ttabelleform& b) const
    {
        QStringList z{b.zahlenformat, b.schriftzeile(), b.dateiname, b.windowTitle()};
        for (int r = 0; r < b.StringGrid1->RowCount(); ++r)
            for (int c = 0; c < b.StringGrid1->ColCount(); ++c)
                z << b.StringGrid1->Cells(c, r) + QLatin1Char('|') + b.StringGrid2->Cells(c, r);
        return z;
    }
};

TEST_F(Blattfenster, ANewSheet)
{
    Ttabelleform& b = *blatt;
    EXPECT_EQ(b.windowTitle(), "Tabellenkalkulation");
    EXPECT_EQ(b.StringGrid1->RowCount(), 20);
    EXPECT_EQ(b.StringGrid1->ColCount(), 10);
    EXPECT_EQ(b.StringGrid1->ColWidths(0), 30);
    EXPECT_EQ(b.StringGrid1->ColWidths(1), 100);
    EXPECT_EQ(b.zahlenformat, "0.000");
    EXPECT_EQ(b.schriftzeile(), "Arial#0#0#0#0#0#10#20#10#");
    EXPECT_EQ(b.StringGrid1->model()->headerData(9, Qt::Horizontal), "I");
    EXPECT_EQ(b.StringGrid1->model()->headerData(19, Qt::Vertical), "19");
    EXPECT_EQ(b.Label1->text(), "A1");
    EXPECT_EQ(b.Edit1->text(), " ");
    EXPECT_TRUE(b.Direktrechnen->isChecked());
    EXPECT_FALSE(b.Direktrechnen->isVisible());
    EXPECT_FALSE(b.SpeedButton1->isEnabled());
    EXPECT_TRUE(b.dateiname.isEmpty());
}

TEST_F(Blattfenster, TypingIntoCellsCalculatesThemAtOnce)
{
    tippe("A1", "2,5");
    EXPECT_EQ(zeigt("A1"), "2,500");
    tippe("B1", "=A1*2");
    EXPECT_EQ(zeigt("B1"), "5,000");
    EXPECT_EQ(eingabe("B1"), "=A1*2");
    EXPECT_EQ(blatt->Label1->text(), "B1");

    // The editor opens on the input, and the bar follows what is typed.
    QTest::mouseDClick(blatt->StringGrid1->viewport(), Qt::LeftButton, {}, mitte("B1"));
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->text(), "=A1*2");
    QTest::keyClick(editor, Qt::Key_End);
    QTest::keyClick(editor, Qt::Key_Backspace);
    tasten("3", false);
    EXPECT_EQ(blatt->Edit1->text(), "=A1*3");
    // Delete in the editor deletes a character, not the cells.
    QTest::keyClick(editor, Qt::Key_Home);
    QTest::keyClick(editor, Qt::Key_Delete);
    EXPECT_EQ(editor->text(), "A1*3");
    // "Rechne" while the editor is open, then Escape: the input stays.
    QTest::keyClick(editor, Qt::Key_F2);
    QTest::keyClick(fokus(), Qt::Key_Escape);
    QCoreApplication::processEvents();
    EXPECT_EQ(eingabe("B1"), "=A1*2");
    EXPECT_EQ(zeigt("B1"), "5,000");

    // Moving on with Tab finishes the edit too.
    klick("C1");
    tasten("A1+1=", false);
    QTest::keyClick(fokus(), Qt::Key_Tab);
    QCoreApplication::processEvents();
    EXPECT_EQ(zeigt("C1"), "3,500");
    EXPECT_EQ(blatt->Label1->text(), "D1");
}

TEST_F(Blattfenster, TheFormulaBar)
{
    tippe("A1", "4");
    klick("A1");
    EXPECT_EQ(blatt->Edit1->text(), "4");
    QTest::mouseClick(blatt->Edit1, Qt::LeftButton);
    EXPECT_TRUE(blatt->SpeedButton1->isEnabled());
    EXPECT_TRUE(blatt->SpeedButton2->isEnabled());
    blatt->Edit1->selectAll();
    tasten("=7*2", false);
    QTest::mouseClick(blatt->SpeedButton1, Qt::LeftButton);
    EXPECT_EQ(eingabe("A1"), "=7*2");
    EXPECT_EQ(zeigt("A1"), "14,000");
    EXPECT_FALSE(blatt->SpeedButton1->isEnabled());

    // Cancelling keeps the input and shows the value again.
    QTest::mouseClick(blatt->Edit1, Qt::LeftButton);
    blatt->Edit1->selectAll();
    tasten("99", false);
    QTest::mouseClick(blatt->SpeedButton2, Qt::LeftButton);
    EXPECT_EQ(eingabe("A1"), "=7*2");
    EXPECT_EQ(zeigt("A1"), "14,000");

    // A comment (shown, never calculated) survives a look into the bar.
    blatt->setAnzeige(2, 1, ";Kommentar");
    klick("B1");
    QTest::mouseClick(blatt->Edit1, Qt::LeftButton);
    EXPECT_EQ(blatt->Edit1->text(), ";Kommentar");
    QTest::keyClick(blatt->Edit1, Qt::Key_Escape);
    EXPECT_EQ(zeigt("B1"), ";Kommentar");

    // Tabs and line breaks cannot split a cell in a file.
    blatt->zelle_setzen(3, 1, "a\tb\r\nc");
    EXPECT_EQ(eingabe("C1"), "a b  c");
}

TEST_F(Blattfenster, SelectingWithMouseAndShift)
{
    auto* vp = blatt->StringGrid1->viewport();
    QTest::mousePress(vp, Qt::LeftButton, {}, mitte("B2"));
    QMouseEvent zug(QEvent::MouseMove, mitte("B4"), vp->mapToGlobal(mitte("B4")), Qt::NoButton, Qt::LeftButton,
                    Qt::NoModifier);
    QApplication::sendEvent(vp, &zug);
    QTest::mouseRelease(vp, Qt::LeftButton, {}, mitte("B4"));
    EXPECT_EQ(blatt->anker, (Zellort{2, 2}));
    EXPECT_EQ(blatt->endzelle, (Zellort{2, 4}));
    Rasterbereich b = blatt->StringGrid1->Selection();
    EXPECT_EQ((std::vector<int>{b.Left, b.Top, b.Right, b.Bottom}), (std::vector<int>{2, 2, 2, 4}));
    EXPECT_EQ(blatt->StringGrid1->Row(), 4);

    // Shift held down while two arrow keys are pressed and let go.
    klick("C3");
    auto taste = [this](QEvent::Type art, int key) {
        QKeyEvent e(art, key, art == QEvent::KeyRelease && key == Qt::Key_Shift ? Qt::NoModifier : Qt::ShiftModifier);
        QApplication::sendEvent(blatt->StringGrid1, &e);
    };
    taste(QEvent::KeyPress, Qt::Key_Shift);
    EXPECT_TRUE(blatt->shiftmarkieren);
    for (int pfeil : {Qt::Key_Right, Qt::Key_Down}) {
        taste(QEvent::KeyPress, pfeil);
        taste(QEvent::KeyRelease, pfeil);
    }
    taste(QEvent::KeyRelease, Qt::Key_Shift);
    EXPECT_FALSE(blatt->shiftmarkieren);
    b = blatt->StringGrid1->Selection();
    EXPECT_EQ((std::vector<int>{b.Left, b.Top, b.Right, b.Bottom}), (std::vector<int>{3, 3, 4, 4}));
    EXPECT_EQ(blatt->anker, (Zellort{3, 3}));
    EXPECT_EQ(blatt->endzelle, (Zellort{4, 4}));
}

TEST_F(Blattfenster, ClipboardBothWays)
{
    blatt->zahlenformat = "0";
    tippe("A1", "1");
    tippe("B1", "2");
    tippe("A2", "3");
    tippe("B2", "=A2+1");
    klick("A1");
    klick("B2", Qt::ShiftModifier);
    QTest::keyClick(blatt->StringGrid1, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), "1\t2\r\n3\t4\r\n");

    // Two lines of three fields at I19 of a 20 x 10 grid: the grid grows by
    // one row and two columns, and the six cells calculate.
    QApplication::clipboard()->setText("1\t=I19*2\t3\r\n4\t\t=K19+1");
    blatt->StringGrid1->scrollTo(blatt->modell()->index(19, 9));
    klick("I19");
    QTest::keyClick(blatt->StringGrid1, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(blatt->StringGrid1->RowCount(), 21);
    EXPECT_EQ(blatt->StringGrid1->ColCount(), 12);
    EXPECT_EQ(blatt->StringGrid1->model()->headerData(11, Qt::Horizontal), "K");
    EXPECT_EQ(blatt->StringGrid1->model()->headerData(20, Qt::Vertical), "20");
    EXPECT_EQ(zeigt("J19"), "2");
    EXPECT_EQ(zeigt("K20"), "4");
    // The empty field leaves the cell's input alone.
    blatt->StringGrid2->setCells(10, 20, "7");
    QApplication::clipboard()->setText("\t");
    klick("I20");
    QTest::keyClick(blatt->StringGrid1, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(eingabe("J20"), "7");

    // Cut takes the values and empties both grids; Delete empties.
    klick("A2");
    klick("B2", Qt::ShiftModifier);
    QTest::keyClick(blatt->StringGrid1, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), "3\t4\r\n");
    EXPECT_EQ(zeigt("B2") + eingabe("B2") + zeigt("A2"), "");
    klick("A1");
    QTest::keyClick(blatt->StringGrid1, Qt::Key_Delete);
    EXPECT_EQ(zeigt("A1") + eingabe("A1"), "");
    EXPECT_EQ(zeigt("B1"), "2");
}

TEST_F(Blattfenster, PasteStopsAtTheLargestSheet)
{
    QString text;
    for (int z = 0; z < 3; ++z)
        text += QStringList(1005, "1").join('\t') + "\r\n";
    QApplication::clipboard()->setText(text);
    klick("B2");
    QTest::keyClick(blatt->StringGrid1, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(blatt->StringGrid1->ColCount(), 1000);
    EXPECT_EQ(blatt->StringGrid1->RowCount(), 20);
    EXPECT_EQ(blatt->StringGrid1->Cells(999, 4), "1,000");
    ASSERT_EQ(seams.messages.size(), 1u);
}

TEST_F(Blattfenster, ZoomSteps)
{
    struct Fall {
        int vorher;
        QToolButton* Ttabelleform::*knopf;
        int nachher;
    } const faelle[] = {
        {28, &Ttabelleform::SpeedButton3, 33}, {30, &Ttabelleform::SpeedButton3, 30},
        {7, &Ttabelleform::SpeedButton9, 5},   {6, &Ttabelleform::SpeedButton9, 6},
        {10, &Ttabelleform::SpeedButton3, 12}, {10, &Ttabelleform::SpeedButton9, 8},
    };
    for (const Fall& f : faelle) {
        Ttabelleform* b = neu();
        QFont schrift = b->StringGrid1->font();
        schrift.setPointSize(f.vorher);
        b->StringGrid1->setFont(schrift);
        const int breite = b->StringGrid1->ColWidths(1), breite0 = b->StringGrid1->ColWidths(0);
        const int hoehe = b->StringGrid1->RowHeights(1), hoehe0 = b->StringGrid1->RowHeights(0);
        QTest::mouseClick(b->*f.knopf, Qt::LeftButton);
        EXPECT_EQ(b->StringGrid1->font().pointSize(), f.nachher) << f.vorher;
        const bool gezoomt = f.vorher != f.nachher;
        const int z = f.knopf == &Ttabelleform::SpeedButton3 ? 12 : 8;
        auto erwartet = [&](int wert) { return gezoomt ? wert * z / 10 : wert; };
        EXPECT_EQ(b->StringGrid1->ColWidths(1), erwartet(breite)) << f.vorher;
        EXPECT_EQ(b->StringGrid1->ColWidths(0), erwartet(breite0)) << f.vorher;
        EXPECT_EQ(b->StringGrid1->RowHeights(1), erwartet(hoehe)) << f.vorher;
        EXPECT_EQ(b->StringGrid1->RowHeights(0), erwartet(hoehe0)) << f.vorher;
        EXPECT_EQ(b->StringGrid1->rowHeight(5), b->StringGrid1->RowHeights(1)) << f.vorher;
        delete b;
    }
}

TEST_F(Blattfenster, TheOptionsDialogSizesTheGrid)
{
    tippe("B2", "5");
    tippe("D4", "6");
    seams.answerDialog(QDialog::Accepted, [](QDialog& d) {
        auto& o = dynamic_cast<TTabOptiondlg&>(d);
        EXPECT_EQ(o.spineditin1->Value(), 20);
        EXPECT_EQ(o.spineditin2->Value(), 10);
        o.spineditin1->setText("4");
        o.spineditin2->setText("5000");
    });
    blatt->Einstellungen1->trigger();
    EXPECT_EQ(blatt->StringGrid1->RowCount(), 4);
    EXPECT_EQ(blatt->StringGrid1->ColCount(), 1000);
    EXPECT_EQ(blatt->StringGrid1->model()->headerData(999, Qt::Horizontal), "ALK");
    EXPECT_EQ(zeigt("B2"), "5,000");
    seams.answerDialog(QDialog::Accepted, [](QDialog& d) {
        dynamic_cast<TTabOptiondlg&>(d).spineditin1->setText("1");
        dynamic_cast<TTabOptiondlg&>(d).spineditin2->setText("3");
    });
    blatt->Einstellungen1->trigger();
    EXPECT_EQ(blatt->StringGrid1->RowCount(), 2);
    EXPECT_EQ(blatt->StringGrid1->ColCount(), 3);
    // Grown again, the cells cut off stay gone.
    blatt->StringGrid1->setGroesse(20, 10);
    EXPECT_EQ(zeigt("D4") + eingabe("D4") + zeigt("B2"), "");
}

TEST_F(Blattfenster, TabFilesRoundTripByteForByte)
{
    tippe("A1", "2,5");
    tippe("B1", "=A1*2");
    tippe("A2", "=Summe(A1:B1)");
    tippe("B2", "Text mit Blanks");
    tippe("C2", "f(x)=x*A1");
    tippe("C3", "=F(2)");
    // Where the window fits the screen, its placement comes back as written
    // (a larger one is fitted to the screen on reading).
    blatt->setGeometry(20, 30, 600, 400);
    seams.answerSave(pfad("blatt.tab"));
    QTest::mouseClick(blatt->SpeedButton5, Qt::LeftButton);
    EXPECT_EQ(blatt->dateiname, pfad("blatt.tab"));
    EXPECT_EQ(blatt->windowTitle(), "blatt.tab");
    // After saving the values are shown again.
    EXPECT_EQ(zeigt("B1"), "5,000");
    const QStringList zeilen = QString::fromUtf8(bytes(pfad("blatt.tab"))).split("\r\n");
    ASSERT_GT(zeilen.size(), 30);
    EXPECT_EQ(zeilen.mid(0, 3), (QStringList{"Rechnenfenster", "0.000", "Arial#0#0#0#0#0#10#20#10#"}));
    EXPECT_EQ(zeilen[4], "DATEN_ANFANG");
    EXPECT_EQ(zeilen[5], "\tA\tB\tC\tD\tE\tF\tG\tH\tI");
    EXPECT_EQ(zeilen[6], "1\t2,5\t=A1*2\t\t\t\t\t\t\t");

    QPointer<Ttabelleform> zweites = neu();
    seams.answerOpen(pfad("blatt.tab"));
    QTest::mouseClick(zweites->SpeedButton7, Qt::LeftButton);
    EXPECT_EQ(zweites->StringGrid1->Cells(2, 1), "5,000");
    EXPECT_EQ(zweites->StringGrid1->Cells(3, 3), "5,000");
    EXPECT_EQ(zweites->StringGrid2->Cells(2, 1), "=A1*2");
    EXPECT_EQ(zweites->windowTitle(), "blatt.tab");
    ASSERT_TRUE(zweites->tabelle_speichern(pfad("zwei.tab")));
    EXPECT_EQ(bytes(pfad("zwei.tab")), bytes(pfad("blatt.tab")));

    // A file of another sheet keeps its font, colour and size.
    QByteArray fremd = bytes(pfad("blatt.tab"));
    fremd.replace("Arial#0#0#0#0#0#10#20#10#", "Arial#1#0#1#0#128#12#20#10#");
    schreibe(pfad("fremd.tab"), fremd);
    ASSERT_TRUE(zweites->tabelle_laden(pfad("fremd.tab")));
    EXPECT_TRUE(zweites->StringGrid1->font().bold());
    EXPECT_EQ(zweites->StringGrid1->palette().color(QPalette::Text), QColor(128, 0, 0));
    ASSERT_TRUE(zweites->tabelle_speichern(pfad("fremd2.tab")));
    EXPECT_EQ(bytes(pfad("fremd2.tab")), fremd);
    EXPECT_TRUE(seams.messages.empty());
}

TEST_F(Blattfenster, RefusedTabFilesLeaveTheSheetAlone)
{
    tippe("A1", "3");
    ASSERT_TRUE(blatt->tabelle_speichern(pfad("gut.tab")));
    const QByteArray gut = bytes(pfad("gut.tab"));
    const QStringList zeilen = QString::fromUtf8(gut).split("\r\n");
    auto mit = [&](qsizetype nr, const QString& text) {
        QStringList z = zeilen;
        z[nr] = text;
        return z.join("\r\n").toUtf8();
    };
    auto ohne = [&](qsizetype nr) {
        QStringList z = zeilen;
        z.removeAt(nr);
        return z.join("\r\n").toUtf8();
    };
    const qsizetype zweiterBlock = zeilen.lastIndexOf("DATEN_ANFANG");
    const std::pair<const char*, QByteArray> faelle[] = {
        {"header in other case", mit(0, "rechnenfenster")},
        {"header one letter off", mit(0, "Rechnenfenstar")},
        {"font line short", mit(2, "Arial#0#0#0#0#0#10#20#")},
        {"font field no number", mit(2, "Arial#0#x#0#0#0#10#20#10#")},
        {"font line with more", mit(2, "Arial#0#0#0#0#0#10#20#10#5#")},
        {"one row", mit(2, "Arial#0#0#0#0#0#10#1#10#")},
        {"1001 columns", mit(2, "Arial#0#0#0#0#0#10#20#1001#")},
        {"counts not the blocks'", mit(2, "Arial#0#0#0#0#0#10#21#10#")},
        {"a row with a field too many", mit(7, zeilen[7] + "\t")},
        {"formula block missing", zeilen.mid(0, zweiterBlock).join("\r\n").toUtf8()},
        {"formula block a row short", ohne(zweiterBlock + 3)},
        {"placement no number", mit(3, "0#x#1#1#1#")},
        {"something after the blocks", gut + "mehr\r\n"},
        {"a calculation window's file",
         "Rechnenfenster\r\n0.00\r\n0#Arial#0#0#0#0#0#10#\r\n0#560#400#0#0#\r\nDATEN_ANFANG\r\nA=5\r\nDATEN_ENDE\r\n"},
        {"empty", ""},
    };
    Ttabelleform& b = *blatt;
    b.zahlenformat = "0.0";
    b.alle_berechnen();
    const QStringList vorher = zustand(b);
    for (const auto& [was, inhalt] : faelle) {
        seams.messages.clear();
        schreibe(pfad("schlecht.tab"), inhalt);
        EXPECT_FALSE(b.tabelle_laden(pfad("schlecht.tab"))) << was;
        EXPECT_EQ(seams.messageTexts(), QStringList{"Datei kann nicht geladen werden."}) << was;
        EXPECT_EQ(zustand(b), vorher) << was;
    }
}

TEST_F(Blattfenster, AFailedWriteStillRecalculatesAndSaysSo)
{
    tippe("A1", "3");
    tippe("B1", "=A1+1");
    const QString ziel = pfad("fehlt/blatt.tab");
    seams.answerSave(ziel);
    EXPECT_FALSE(blatt->Save1Click());
    EXPECT_EQ(seams.messageTexts(), QStringList{"In " + ziel + " kann nicht geschrieben werden"});
    EXPECT_EQ(zeigt("B1"), "4,000");
    EXPECT_TRUE(blatt->dateiname.isEmpty());
    EXPECT_EQ(blatt->windowTitle(), "Tabellenkalkulation");
}

TEST_F(Blattfenster, TextExportAndImport)
{
    blatt->StringGrid1->setGroesse(3, 2);
    blatt->kopfzeilen_setzen();
    blatt->zelle_setzen(1, 1, "2");
    blatt->zelle_setzen(1, 2, "=A1*3");
    seams.answerSave(pfad("ganz.txt"));
    blatt->AlsTextdateispeichern1->trigger();
    EXPECT_EQ(bytes(pfad("ganz.txt")), "2,000\r\n6,000\r\n");

    blatt->StringGrid1->setGroesse(20, 10);
    blatt->kopfzeilen_setzen();
    tippe("C3", "x");
    klick("B3");
    klick("C4", Qt::ShiftModifier);
    seams.answerSave(pfad("bereich.txt"));
    blatt->MarkiertenBereichspeichern1->trigger();
    EXPECT_EQ(bytes(pfad("bereich.txt")), "\tx\r\n\t\r\n");

    // Read in from B2 on, as typed and not calculated; what lies beyond the
    // grid is left out and the user told so.
    schreibe(pfad("ein.txt"), "1\t=B2*2\r\n\r\n3\t\t\t\t\t\t\t\t\tzu weit\r\n");
    klick("B2");
    seams.answerOpen(pfad("ein.txt"));
    blatt->Textdateieinfgen1->trigger();
    EXPECT_EQ(zeigt("C2"), "=B2*2");
    EXPECT_EQ(eingabe("C2"), "=B2*2");
    EXPECT_EQ(zeigt("B4"), "3");
    EXPECT_EQ(blatt->StringGrid1->ColCount(), 10);
    EXPECT_EQ(seams.messages.size(), 1u);
    const auto& anfragen = seams.fileRequests;
    ASSERT_EQ(anfragen.size(), 3u);
    EXPECT_EQ(anfragen[0].request.filter, "Text Files (*.txt) | *.txt | All Files (*.*) | *.*");
    EXPECT_EQ(anfragen[2].request.filter, "Text|*.txt");
    QTest::keyClick(blatt->StringGrid1, Qt::Key_F2);
    EXPECT_EQ(zeigt("C2"), "2,000");
}

TEST_F(Blattfenster, TheSumDialogWritesUnderTheCurrentCell)
{
    blatt->zahlenformat = "0";
    tippe("B2", "1");
    tippe("B3", "2");
    tippe("B4", "=B3*2");
    tippe("A1", "Summe:");
    klick("B2");
    klick("B4", Qt::ShiftModifier);
    seams.answerDialog(QDialog::Accepted, [](QDialog& d) {
        auto& s = dynamic_cast<Tsummedlg&>(d);
        EXPECT_EQ(s.daten1->text(), "B2");
        EXPECT_EQ(s.daten3->text(), "B4");
        EXPECT_EQ(s.Edit1->text(), "B5");
        QTest::mouseClick(s.BitBtn1, Qt::LeftButton);
    });
    blatt->Summe1->trigger();
    EXPECT_EQ(eingabe("B5"), "=Summe(B2:B4)");
    EXPECT_EQ(zeigt("B5"), "7");
    QCoreApplication::processEvents();
    const QString bild = testpaths::buildDir() + "/tabellenkalkulation.png";
    EXPECT_TRUE(blatt->grab().save(bild));

    struct Fall {
        const char* ziel;
        const char* zelle; // where the formula lands, or nullptr
    } const faelle[] = {{"d1", "D1"}, {"B0", nullptr}, {"B20", nullptr}, {"K1", nullptr}, {"12", nullptr}};
    for (const Fall& f : faelle) {
        seams.messages.clear();
        seams.answerDialog(QDialog::Accepted, [&f](QDialog& d) {
            dynamic_cast<Tsummedlg&>(d).Edit1->setText(QString::fromLatin1(f.ziel));
        });
        const QStringList vorher = zustand(*blatt);
        blatt->Summe1->trigger();
        if (f.zelle) {
            EXPECT_EQ(eingabe(f.zelle), "=Summe(B2:B4)") << f.ziel;
            EXPECT_EQ(zeigt(f.zelle), "7") << f.ziel;
        } else {
            EXPECT_EQ(zustand(*blatt), vorher) << f.ziel;
            EXPECT_EQ(seams.messages.size(), 1u) << f.ziel;
        }
    }
    // "Schließen" writes nothing.
    seams.answerDialog(QDialog::Rejected);
    const QStringList vorher = zustand(*blatt);
    blatt->Summe1->trigger();
    EXPECT_EQ(zustand(*blatt), vorher);
}

TEST_F(Blattfenster, SheetDefinitionsBecomeProjectFormulas)
{
    tippe("A1", "5");
    tippe("B1", "=A1*2");
    tippe("C1", "=A1+");
    QTest::keyClick(blatt->StringGrid1, Qt::Key_F2);
    projektliste->alle_loeschen();
    // ">>" takes B1=A1*2 first; it is defined once A1 is, in a later pass.
    seams.answerDialog(QDialog::Rejected, [](QDialog& d) {
        auto& e = dynamic_cast<Texpfordlg&>(d);
        ASSERT_EQ(e.listbox2->count(), 2);
        EXPECT_EQ(e.listbox2->item(0)->text(), "A1=5");
        EXPECT_EQ(e.listbox2->item(1)->text(), "B1=A1*2");
        QTest::mouseClick(e.ExAllBtn, Qt::LeftButton);
        EXPECT_EQ(e.zeigekolvar->count(), 2);
    });
    blatt->Kolvar1->trigger();
    EXPECT_TRUE(seams.messages.empty());
    long double y = 0;
    std::string frage = "B1=";
    ASSERT_TRUE(projektliste->untersuche(frage, y));
    EXPECT_EQ(y, 10);
    EXPECT_EQ(expfordlg->tabellenliste, nullptr);

    // ">" takes the selected lines; one that cannot be defined is named.
    projektliste->alle_loeschen();
    seams.answerDialog(QDialog::Rejected, [](QDialog& d) {
        auto& e = dynamic_cast<Texpfordlg&>(d);
        e.listbox2->item(1)->setSelected(true);
        QTest::mouseClick(e.ExcludeBtn, Qt::LeftButton);
    });
    blatt->Kolvar1->trigger();
    EXPECT_EQ(seams.messageTexts(), QStringList{"Fehlerhafter Ausdruck in Zeile 2: B1=A1*2"});
    EXPECT_EQ(projektliste->count(), 0);
}

TEST_F(Blattfenster, AProjectFormulaGoesIntoTheCurrentCell)
{
    projektliste->alle_loeschen();
    projektliste->definiere("v=3");
    projektliste->definiere("w=v*4");
    tippe("B2", "1");
    klick("B2");
    seams.answerDialog(QDialog::Accepted, [](QDialog& d) {
        auto& e = dynamic_cast<Teinffordlg&>(d);
        QTest::mouseClick(e.BitBtn4, Qt::LeftButton);
        ASSERT_EQ(e.zeigekolvar->count(), 2);
        const QRect zeile = e.zeigekolvar->visualItemRect(e.zeigekolvar->item(1));
        QTest::mouseClick(e.zeigekolvar->viewport(), Qt::LeftButton, {}, zeile.center());
        EXPECT_EQ(e.Edit1->text(), "w=v*4");
        QTest::mouseClick(e.BitBtn1, Qt::LeftButton);
    });
    seams.answerDialog(QDialog::Rejected); // the project-formula editor, from BitBtn4
    blatt->Kolvareinfgen1->trigger();
    EXPECT_EQ(seams.dialogsRun, (QStringList{"einffordlg", "dialogkolvar"}));
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->text(), "w=v*4");
    klick("C2");
    EXPECT_EQ(eingabe("B2"), "w=v*4");
    EXPECT_EQ(zeigt("B2"), "w=v*4");
    EXPECT_EQ(blatt->tabellenliste->sucheeintrag("W"), -1);
    tippe("D2", "V=3");
    tippe("E2", "=W");
    QTest::keyClick(blatt->StringGrid1, Qt::Key_F2);
    EXPECT_EQ(zeigt("E2"), "12,000");
}

TEST_F(Blattfenster, FormatFormulasNewHtmlPrintAndHelp)
{
    tippe("A1", "2");
    tippe("B1", "=A1/3");
    // The sheet's own number-format dialog, applied from the next evaluation.
    seams.answerDialog(QDialog::Accepted, [](QDialog& d) {
        auto& z = dynamic_cast<Tzahlenform&>(d);
        EXPECT_EQ(z.FormatEdit->text(), "0.000");
        z.FormatEdit->setText("0.0");
        QTest::mouseClick(z.BitBtn1, Qt::LeftButton);
    });
    QTest::mouseClick(blatt->SpeedButton19, Qt::LeftButton);
    EXPECT_EQ(blatt->zahlenformat, "0.0");
    EXPECT_EQ(zeigt("B1"), "0,667");
    QTest::mouseClick(blatt->SpeedButton11, Qt::LeftButton);
    EXPECT_EQ(zeigt("B1"), "0,7");

    // Font and colour, as the file's font line stores them.
    QFont schrift("Arial", 12);
    schrift.setBold(true);
    schrift.setUnderline(true);
    seams.answerFont(schrift, QColor(128, 0, 0));
    QTest::mouseClick(blatt->SpeedButton6, Qt::LeftButton);
    EXPECT_EQ(blatt->schriftzeile(), "Arial#1#0#1#0#128#12#20#10#");

    blatt->Kolvaranzeigen->trigger();
    EXPECT_EQ(zeigt("B1"), "=A1/3");
    EXPECT_EQ(zeigt("A1"), "2");

    blatt->dateiname = "/tmp/x.tab";
    seams.answerDialog(QDialog::Rejected);
    QTest::mouseClick(blatt->SpeedButton12, Qt::LeftButton);
    const QStringList puffer = html->puffer();
    ASSERT_GT(puffer.size(), 5);
    EXPECT_EQ(puffer[1], "Tabellenkalkulation/tmp/x.tab<BR>");
    EXPECT_EQ(puffer[2], "<table  border=\"1\">");
    EXPECT_EQ(puffer[5], "<td> <align=\"right\">A</td>");
    EXPECT_EQ(puffer.count("<tr>"), 20);

    blatt->Drucken1->trigger();
    ASSERT_EQ(seams.prints.size(), 1u);
    EXPECT_EQ(seams.prints[0].widgetName, "tabelleform");
    EXPECT_TRUE(seams.prints[0].withDialog);
    blatt->Inhalteeinfgen1->trigger();
    EXPECT_EQ(QApplication::clipboard()->image().size(), blatt->size());
    blatt->verzeichnis = dir.path() + "/";
    QTest::mouseClick(blatt->Hilfe, Qt::LeftButton);
    EXPECT_EQ(seams.documentsOpened.value(0), dir.path() + "/hilfe/index.htm");

    blatt->Neu1->trigger();
    EXPECT_EQ(zeigt("A1") + eingabe("A1") + zeigt("B1") + eingabe("B1"), "");
    EXPECT_EQ(blatt->dateiname, "/tmp/x.tab");
    EXPECT_EQ(blatt->zahlenformat, "0.0");
}

} // namespace
