// The calculation window: direct mode through real key presses, program mode
// and its output window, the side list, ".ref" and plain-text files, the
// refusal of damaged files, the commands and the registration with the main
// window.
#include "tools/teditform.h"

#include "engine/tfktbaum.h"
#include "platform/seams.h"
#include "shell/tdialogkolvar.h"
#include "shell/thtmldlg.h"
#include "shell/tmainform.h"
#include "shell/tzahlenform.h"
#include "platform/fileaccess.h"
#include "shell/windowfactory.h"
#include "support/dateiinhalt.h"
#include "support/testpaths.h"
#include "support/volledisk.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QToolButton>
#include <gtest/gtest.h>

#include <memory>

namespace {

using testsupport::bytes;

void schreibe(const QString& datei, const QByteArray& inhalt)
{
    QFile f(datei);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(inhalt);
}

QString fixture(const char* name)
{
    return testpaths::fixtures() + QStringLiteral("/rechnen/") + QLatin1String(name);
}

struct EditFormTest : ::testing::Test {
    kolvar::ScriptedSeams seams;
    kolvar::SeamsGuard guard{seams};
    QTemporaryDir dir;
    kolvar::Projektformeln formeln;
    // The owner of every run-time window ("Neu" and program output).
    std::unique_ptr<TMainForm> haupt;
    std::unique_ptr<Tdialogkolvar> kolvarn;
    std::unique_ptr<Tzahlenform> format;
    std::unique_ptr<Thtmldlg> html;
    QList<QPointer<TEditForm>> fenster;

    void SetUp() override
    {
        haupt = std::make_unique<TMainForm>();
        MainForm = haupt.get();
        kolvarn = std::make_unique<Tdialogkolvar>();
        dialogkolvar = kolvarn.get();
        format = std::make_unique<Tzahlenform>();
        zahlenform = format.get();
        html = std::make_unique<Thtmldlg>();
        html->setVerzeichnis(dir.path() + QLatin1Char('/'));
        htmldlg = html.get();
    }
    void TearDown() override
    {
        for (const QPointer<TEditForm>& f : std::as_const(fenster))
            delete f.data();
        haupt.reset();
        htmldlg = nullptr;
        zahlenform = nullptr;
        dialogkolvar = nullptr;
        html.reset();
        format.reset();
        kolvarn.reset();
    }

    TEditForm* neu(bool zeigen = true)
    {
        auto* f = new TEditForm;
        fenster << f;
        if (zeigen)
            f->show();
        return f;
    }

    QString pfad(const char* name) const { return dir.filePath(QLatin1String(name)); }

    static void setText(TEditForm& f, const QString& text, int zeile)
    {
        f.Memo1->setPlainText(text);
        QTextCursor c(f.Memo1->document()->findBlockByNumber(zeile));
        c.movePosition(QTextCursor::EndOfBlock);
        f.Memo1->setTextCursor(c);
    }

    // What a person could tell apart in the window.
    struct Zustand {
        QStringList zeilen;
        QString zahlenformat, dateiname, titel, schrift;
        bool direkt;
        int farbe;
        QRect geometrie;
        bool operator==(const Zustand&) const = default;
    };
    static Zustand zustand(const TEditForm& f)
    {
        return {f.zeilen(), f.zahlenformat, f.dateiname, f.windowTitle(), f.Memo1->font().toString(),
                f.direktmodus, f.schriftfarbwert(), f.geometry()};
    }
};

// --- direct mode -----------------------------------------------------------------

struct KeyCase {
    const char* name;
    const char* text;
    int zeile;        // the caret stands at the end of this line
    bool programm;    // program mode
    QStringList danach;
    int caretzeile;   // the caret's line afterwards
    const char* meldung;
    int kolvarn;      // project formulas afterwards
    Qt::KeyboardModifiers taste = Qt::NoModifier;
};

const KeyCase keyCases[] = {
    {"query gets its value on the next line", "2*3=", 0, false, {"2*3=", "6,00", ""}, 2, "", 1},
    {"query in the middle", "a =\nx", 0, false, {"a =", "2,00", "", "x"}, 3, "", 1},
    {"the same query again inserts again", "a=\n2,00", 0, false, {"a=", "2,00", "", "2,00"}, 3, "", 1},
    {"definition writes nothing", "b = a+1", 0, false, {"b = a+1", ""}, 1, "", 2},
    {"invalid line", "2*=", 0, false, {"2*=", ""}, 1, "ungültiger Ausdruck", 1},
    {"empty line", "a=\n", 1, false, {"a=", "", ""}, 2, "", 1},
    {"cls with blanks clears", "x\nC l S", 1, false, {"", ""}, 1, "", 1},
    {"zeige_fkt adds every definition at the end", "zeige_fkt\nende", 0, false,
     {"zeige_fkt", "ende", "A=2", ""}, 3, "", 1},
    {"lösche_alle", "lösche_alle", 0, false, {"lösche_alle", ""}, 1, "Alle Kolvarn gelöscht!", 0},
    {"program mode only breaks the line", "2*3=", 0, true, {"2*3=", ""}, 1, "", 1},
    {"Shift+Enter is Enter", "2*3=", 0, false, {"2*3=", "6,00", ""}, 2, "", 1, Qt::ShiftModifier},
};

TEST_F(EditFormTest, EnterInTheMemo)
{
    for (const KeyCase& c : keyCases) {
        projektliste->alle_loeschen();
        ASSERT_TRUE(projektliste->definiere("A=2"));
        seams.messages.clear();
        TEditForm* f = neu();
        if (c.programm)
            f->ProgrammModus1Click();
        setText(*f, QString::fromUtf8(c.text), c.zeile);
        QTest::keyClick(f->Memo1, Qt::Key_Return, c.taste);
        EXPECT_EQ(f->zeilen(), c.danach) << c.name;
        EXPECT_EQ(f->Memo1->textCursor().blockNumber(), c.caretzeile) << c.name;
        EXPECT_EQ(seams.messageTexts().join(QLatin1Char('|')), QString::fromUtf8(c.meldung)) << c.name;
        EXPECT_EQ(projektliste->count(), c.kolvarn) << c.name;
    }
}

TEST_F(EditFormTest, ResultsTakeTheWindowsFormat)
{
    TEditForm* f = neu();
    f->zahlenformat = QStringLiteral("0.000E-00");
    setText(*f, QStringLiteral("1000*2,5="), 0);
    QTest::keyClick(f->Memo1, Qt::Key_Enter);
    EXPECT_EQ(f->zeilen().value(1), QStringLiteral("2,500E03"));
}

// --- program mode ------------------------------------------------------------------

TEST_F(EditFormTest, ModeCommandsSwitchChecksAndTheStartCommands)
{
    TEditForm* f = neu();
    auto pruefe = [&](bool direkt, const char* wo) {
        EXPECT_EQ(f->direktmodus, direkt) << wo;
        EXPECT_EQ(f->DirektModus1->isChecked(), direkt) << wo;
        EXPECT_EQ(f->ProgrammModus1->isChecked(), !direkt) << wo;
        EXPECT_EQ(f->Programmstarten1->isEnabled(), !direkt) << wo;
        EXPECT_EQ(f->Rechne->isEnabled(), !direkt) << wo;
    };
    pruefe(true, "new window");
    f->ProgrammModus1->trigger();
    pruefe(false, "Programm Modus");
    f->DPButton->click();
    pruefe(true, "D<->P from program mode");
    f->DPButton->click();
    pruefe(false, "D<->P from direct mode");
    f->DirektModus1->trigger();
    pruefe(true, "Direkt Modus");
}

TEST_F(EditFormTest, ProgramRunWritesItsOutputWindow)
{
    TEditForm* f = neu();
    f->zahlenformat = QStringLiteral("0.0");
    f->winkelmodus = 2;
    f->ProgrammModus1Click();
    f->Memo1->setPlainText(QStringLiteral("; Rechteck\nbreite = 3\nhoehe = 4\nAusgabe(breite*hoehe)\n"
                                          "fläche = \nAusgabe(umfang)"));
    f->Rechne->click();
    TEditForm* aus = f->ausgabefenster();
    ASSERT_NE(aus, nullptr);
    EXPECT_EQ(aus->zeilen(), (QStringList{";breite*hoehe=12,0", "Fehler:fläche = ", ";umfang"}));
    EXPECT_TRUE(aus->isVisible());
    EXPECT_EQ(aus->zahlenformat, QStringLiteral("0.0"));
    EXPECT_EQ(aus->winkelmodus, 2);
    EXPECT_TRUE(aus->direktmodus);
    EXPECT_TRUE(aus->dateiname.isEmpty());
    EXPECT_EQ(aus->windowTitle(), QStringLiteral("Rechnen"));
    // The definitions stay project formulas.
    EXPECT_EQ(projektliste->sucheeintrag("BREITE"), 0);

    // Every run with output gets a new window; the output window outlives
    // the window that ran the program.
    f->Programmstarten1->trigger();
    TEditForm* zweites = f->ausgabefenster();
    EXPECT_NE(zweites, aus);
    const QPointer<TEditForm> erstes(aus);
    delete f;
    EXPECT_FALSE(erstes.isNull());

    // A program of definitions only opens no window.
    TEditForm* g = neu();
    g->ProgrammModus1Click();
    g->Memo1->setPlainText(QStringLiteral("x=1\ny=x+1"));
    g->Programmstarten1Click();
    EXPECT_EQ(g->ausgabefenster(), nullptr);
}

// --- side list ---------------------------------------------------------------------

TEST_F(EditFormTest, SideListFollowsTheProjectFormulasWhileVisible)
{
    ASSERT_TRUE(projektliste->definiere("A=2"));
    TEditForm* f = neu();
    EXPECT_TRUE(f->zeigekolvar->isHidden());
    setText(*f, QStringLiteral("b=a*5"), 0);
    QTest::keyClick(f->Memo1, Qt::Key_Return);
    EXPECT_EQ(f->zeigekolvar->count(), 0) << "a hidden list is not refreshed";

    f->SpeedButton10->click();
    EXPECT_FALSE(f->zeigekolvar->isHidden());
    EXPECT_TRUE(f->Projektkolvarnanzeigen1->isChecked());
    auto eintraege = [f] {
        QStringList s;
        for (int i = 0; i < f->zeigekolvar->count(); ++i)
            s << f->zeigekolvar->item(i)->text();
        return s;
    };
    EXPECT_EQ(eintraege(), (QStringList{"A=2=2,00", "b=a*5=10,00"}));

    // Every key refreshes it: a new definition typed and entered shows up.
    QTest::keyClicks(f->Memo1, QStringLiteral("a=3"));
    QTest::keyClick(f->Memo1, Qt::Key_Return);
    EXPECT_EQ(eintraege(), (QStringList{"a=3=3,00", "b=a*5=15,00"}));

    // A new number format from the dialog shows at once.
    seams.answerDialog(QDialog::Accepted, [](QDialog& d) {
        auto& z = static_cast<Tzahlenform&>(d);
        z.FormatEdit->setText(QStringLiteral("0"));
        z.BitBtn1Click();
    });
    f->SpeedButton5->click();
    EXPECT_EQ(f->zahlenformat, QStringLiteral("0"));
    EXPECT_EQ(eintraege(), (QStringList{"a=3=3", "b=a*5=15"}));

    // Clicking an entry adds it to the memo.
    f->zeigekolvarClick(1);
    EXPECT_EQ(f->zeilen().last(), QStringLiteral("b=a*5=15"));

    f->Projektkolvarnanzeigen1->trigger();
    EXPECT_TRUE(f->zeigekolvar->isHidden());
    EXPECT_FALSE(f->SpeedButton7->isChecked());
}

TEST_F(EditFormTest, SplitterSetsTheListWidthWhileTheLeftButtonAloneIsHeld)
{
    TEditForm* f = neu();
    f->Projektkolvarnanzeigen1Click();
    QWidget* flaeche = f->centralWidget();
    auto maus = [&](QEvent::Type typ, int x, Qt::MouseButtons knoepfe) {
        const QPoint global = flaeche->mapToGlobal(QPoint(x, 80));
        const Qt::MouseButton knopf = typ == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent e(typ, f->Panel1->mapFromGlobal(global), global, knopf, knoepfe, Qt::NoModifier);
        QApplication::sendEvent(f->Panel1, &e);
    };
    maus(QEvent::MouseButtonPress, 165, Qt::LeftButton);
    EXPECT_TRUE(f->ziehen);
    maus(QEvent::MouseMove, 250, Qt::LeftButton);
    EXPECT_EQ(f->zeigekolvar->maximumWidth(), 250);
    // Another button held as well ends the drag; later moves change nothing.
    maus(QEvent::MouseMove, 200, Qt::LeftButton | Qt::RightButton);
    EXPECT_FALSE(f->ziehen);
    maus(QEvent::MouseMove, 100, Qt::LeftButton);
    EXPECT_EQ(f->zeigekolvar->maximumWidth(), 250);
}

TEST_F(EditFormTest, NumberFormatDialogCancelledChangesNothing)
{
    TEditForm* f = neu();
    f->zahlenformat = QStringLiteral("0.0");
    seams.answerDialog(QDialog::Rejected, [](QDialog& d) {
        static_cast<Tzahlenform&>(d).FormatEdit->setText(QStringLiteral("0.000"));
    });
    f->Zahlenformat1Click();
    EXPECT_EQ(f->zahlenformat, QStringLiteral("0.0"));
    EXPECT_EQ(seams.dialogsRun.size(), 1);
}

// --- files ---------------------------------------------------------------------------

TEST_F(EditFormTest, RefFilesRoundTripByteForByte)
{
    struct Case {
        const char* datei;
        bool direkt;
        const char* format;
        const char* familie;
        bool fett, kursiv, unterstrichen;
        int farbwert, punkte;
        QRect geometrie; // left, top, width, height
    };
    const Case cases[] = {
        {"programm.ref", false, "0.000", "Courier New", true, true, false, 255, 12, QRect(120, 80, 600, 420)},
        {"direkt.ref", true, "#,##0.00", "Arial", false, false, true, -16777208, 10, QRect(20, 10, 500, 300)},
    };
    for (const Case& c : cases) {
        TEditForm* f = neu(false);
        ASSERT_TRUE(f->dateioeffnen(fixture(c.datei))) << c.datei << seams.messageTexts().join('|').toStdString();
        EXPECT_EQ(f->direktmodus, c.direkt) << c.datei;
        EXPECT_EQ(f->Programmstarten1->isEnabled(), !c.direkt) << c.datei;
        EXPECT_EQ(f->zahlenformat, QLatin1String(c.format)) << c.datei;
        const QFont s = f->Memo1->font();
        EXPECT_EQ(s.family(), QLatin1String(c.familie)) << c.datei;
        EXPECT_EQ(s.bold(), c.fett) << c.datei;
        EXPECT_EQ(s.italic(), c.kursiv) << c.datei;
        EXPECT_EQ(s.underline(), c.unterstrichen) << c.datei;
        EXPECT_EQ(s.pointSize(), c.punkte) << c.datei;
        EXPECT_EQ(f->schriftfarbwert(), c.farbwert) << c.datei;
        EXPECT_EQ(f->geometry().size(), c.geometrie.size()) << c.datei;
        EXPECT_EQ(f->pos(), c.geometrie.topLeft()) << c.datei;
        EXPECT_EQ(f->windowTitle(), QLatin1String(c.datei));
        EXPECT_EQ(f->dateiname, fixture(c.datei));

        // Saved under another name the file is the same, byte for byte.
        const QString kopie = pfad("kopie.ref");
        seams.answerSave(kopie);
        f->Speichernunter1Click();
        EXPECT_EQ(bytes(kopie), bytes(fixture(c.datei))) << c.datei;
        EXPECT_EQ(f->dateiname, kopie);
        EXPECT_EQ(f->windowTitle(), QStringLiteral("kopie.ref"));
    }
    EXPECT_TRUE(seams.messages.empty());

    // The memo lines that read as block ends come back as they were.
    TEditForm* f = neu(false);
    ASSERT_TRUE(f->dateioeffnen(fixture("programm.ref")));
    EXPECT_EQ(f->zeilen().mid(5, 2), (QStringList{"DATEN_ENDE", "\\DATEN_ENDE"}));
    EXPECT_EQ(kolvar::schriftfarbe(255), QColor(255, 0, 0));
    EXPECT_EQ(f->Memo1->palette().color(QPalette::Text), QColor(255, 0, 0));
}

TEST_F(EditFormTest, SaveAndReopenKeepsEveryLineAndTheMode)
{
    TEditForm* f = neu();
    f->ProgrammModus1Click();
    f->zahlenformat = QStringLiteral("0.0000");
    const QStringList text{"DATEN_ENDE", "DATEN_ANFANG", "", "a=1", "\t Ausgabe(a)", "ÄÖÜ äöü ß", ""};
    f->Memo1->setPlainText(text.join('\n'));
    f->Projektkolvarnanzeigen1Click(); // the list is not saved in the file
    const QString datei = pfad("X.Ref"); // any case of the extension
    seams.answerSave(datei);
    f->Speichern1Click();
    ASSERT_EQ(seams.fileRequests.size(), 1u);
    EXPECT_EQ(seams.fileRequests[0].request.defaultExtension, QStringLiteral("ref"));
    EXPECT_EQ(seams.fileRequests[0].request.filter, QStringLiteral("Rechnenfenster|*.ref|Kolvarn|*.for|Text|*.txt"));
    EXPECT_TRUE(bytes(datei).startsWith("Rechnenfenster\r\n0.0000\r\n1#Arial#0#0#0#0#0#10#\r\n"));

    TEditForm* g = neu();
    ASSERT_TRUE(g->dateioeffnen(datei));
    EXPECT_EQ(g->zeilen(), text);
    EXPECT_FALSE(g->direktmodus);
    EXPECT_TRUE(g->Rechne->isEnabled());
    EXPECT_TRUE(g->zeigekolvar->isHidden());
    EXPECT_EQ(g->zahlenformat, QStringLiteral("0.0000"));

    // Saving again with a name asks nothing and writes the same file.
    const QByteArray vorher = bytes(datei);
    g->move(f->pos());
    g->resize(f->size());
    g->Speichern1Click();
    EXPECT_EQ(seams.fileRequests.size(), 1u);
    EXPECT_EQ(bytes(datei), vorher);
}

TEST_F(EditFormTest, DamagedRefFilesLeaveTheWindowAsItWas)
{
    const QByteArray gut = bytes(fixture("programm.ref"));
    ASSERT_FALSE(gut.isEmpty());
    struct Case {
        const char* name;
        QByteArray inhalt;
        const char* meldung;
    };
    auto ersetze = [&gut](const char* alt, const char* neu) { return QByteArray(gut).replace(alt, neu); };
    const Case cases[] = {
        {"header in another case", ersetze("Rechnenfenster", "rechnenfenster"), "Datei kann nicht geladen werden."},
        {"other header", ersetze("Rechnenfenster", "fraktale"), "Datei kann nicht geladen werden."},
        {"header only", "Rechnenfenster\r\n", "Datei kann nicht geladen werden."},
        {"style not a number", ersetze("#1#1#0#0#", "#1#x#0#0#"), "„x“ ist kein gültiger ganzzahliger Wert."},
        {"missing size", ersetze("#255#12#", "#255#"), "„“ ist kein gültiger ganzzahliger Wert."},
        {"size zero", ersetze("#255#12#", "#255#0#"), "Die Schriftgröße 0 ist ungültig."},
        {"placement not a number", ersetze("0#600#420", "0#6oo#420"), "Zeile 4: „6oo“ ist keine ganze Zahl."},
        {"memo block not ended", gut.left(gut.lastIndexOf("DATEN_ENDE")), "Datei kann nicht geladen werden."},
        {"more after the memo", gut + "DATEN_ANFANG\r\nA1\r\nDATEN_ENDE\r\n", "Datei kann nicht geladen werden."},
        {"no memo block", "Rechnenfenster\r\n0.00\r\n0#Arial#0#0#0#0#0#10#\r\n0#500#300#10#20#\r\n",
         "Datei kann nicht geladen werden."},
    };
    for (const Case& c : cases) {
        const QString datei = pfad("kaputt.ref");
        schreibe(datei, c.inhalt);
        TEditForm* f = neu();
        f->Memo1->setPlainText(QStringLiteral("bleibt"));
        f->zahlenformat = QStringLiteral("0.0");
        const Zustand vorher = zustand(*f);
        seams.messages.clear();
        EXPECT_FALSE(f->dateioeffnen(datei)) << c.name;
        EXPECT_EQ(seams.messageTexts(), QStringList{QString::fromUtf8(c.meldung)}) << c.name;
        EXPECT_TRUE(zustand(*f) == vorher) << c.name;
        EXPECT_TRUE(f->Memo1->font().family() == QStringLiteral("Arial")) << c.name;
    }

    // A file that is not there: its message, nothing changed.
    TEditForm* f = neu();
    const Zustand vorher = zustand(*f);
    seams.messages.clear();
    EXPECT_FALSE(f->dateioeffnen(pfad("fehlt.ref")));
    EXPECT_FALSE(f->dateioeffnen(pfad("fehlt.txt")));
    EXPECT_EQ(seams.messages.size(), 2u);
    EXPECT_TRUE(zustand(*f) == vorher);
}

TEST_F(EditFormTest, PlainTextFilesOpenAndSaveAsTheirLines)
{
    TEditForm* f = neu();
    seams.answerOpen(fixture("kolvarn.for"));
    f->SpeedButton1->click();
    ASSERT_EQ(seams.fileRequests.size(), 1u);
    EXPECT_EQ(seams.fileRequests[0].request.filter, QStringLiteral("Rechnenfenster|*.ref|Kolvarn|*.for|Textdatei|*.txt"));
    EXPECT_EQ(f->zeilen(), (QStringList{"A=2", "B=A*3", "F(X)=X^2+Ä"}));
    EXPECT_EQ(f->windowTitle(), QStringLiteral("kolvarn.for"));
    EXPECT_EQ(f->Memo1->textCursor().position(), 0);
    EXPECT_FALSE(f->Memo1->document()->isModified());

    // Saved as text the file holds the lines and nothing else; saved with its
    // own name it stays byte for byte.
    for (const char* name : {"notiz.txt", "liste.TXT", "kopie.for"}) {
        seams.answerSave(pfad(name));
        f->Speichernunter1Click();
        EXPECT_EQ(bytes(pfad(name)), bytes(fixture("kolvarn.for"))) << name;
        EXPECT_EQ(f->dateiname, pfad(name));
    }
    f->Memo1->appendPlainText(QStringLiteral("neu"));
    EXPECT_TRUE(f->Memo1->document()->isModified());
    f->Speichern1Click();
    EXPECT_EQ(bytes(pfad("kopie.for")), bytes(fixture("kolvarn.for")) + "neu\r\n");
    EXPECT_FALSE(f->Memo1->document()->isModified());
}

TEST_F(EditFormTest, TheWindowTakesANameOnlyForAFileItWrote)
{
    TEditForm* f = neu();
    f->Memo1->setPlainText(QStringLiteral("a=1"));
    // Cancelled save dialog: nothing written, still no name.
    f->Speichern1Click();
    EXPECT_EQ(seams.fileRequests.size(), 1u);
    EXPECT_TRUE(f->dateiname.isEmpty());
    EXPECT_EQ(f->windowTitle(), QStringLiteral("Rechnen"));

    // A folder that does not exist cannot take the file.
    seams.answerSave(pfad("gibtsnicht/x.ref"));
    f->Speichernunter1Click();
    EXPECT_EQ(seams.messages.size(), 1u);
    EXPECT_TRUE(f->dateiname.isEmpty());
    EXPECT_EQ(f->windowTitle(), QStringLiteral("Rechnen"));
}

// --- commands ---------------------------------------------------------------------------

TEST_F(EditFormTest, Commands)
{
    ASSERT_TRUE(projektliste->definiere("A=2"));
    ASSERT_TRUE(projektliste->definiere("F(X)=X*A"));
    TEditForm* f = neu();
    f->Memo1->setPlainText(QStringLiteral("erste"));

    f->SpeedButton3->click(); // Kolvarn ausgeben
    EXPECT_EQ(f->zeilen(), (QStringList{"erste", "A=2", "F(X)=X*A"}));

    f->Drucken1->trigger();
    ASSERT_EQ(seams.prints.size(), 1u);
    EXPECT_TRUE(seams.prints[0].withDialog);
    EXPECT_EQ(seams.prints[0].lines, f->zeilen());

    // The side list goes into the HTML output between the header and the memo.
    f->Projektkolvarnanzeigen1Click();
    f->HTMLButton->click();
    EXPECT_EQ(seams.dialogsRun.size(), 1);
    EXPECT_EQ(html->puffer(), (QStringList{"<BR>", "Rechnenfenster<BR>", "A=2=2,00<BR>", "F(X)=X*A<BR>",
                                           "erste<BR>", "A=2<BR>", "F(X)=X*A<BR>"}));

    f->Hilfe->click();
    ASSERT_EQ(seams.documentsOpened.size(), 2);
    EXPECT_TRUE(seams.documentsOpened[0].endsWith(QStringLiteral("hilfe/index.htm")));

    // The clipboard commands work on the memo's selection.
    f->Allesauswhlen1->trigger();
    f->Kopieren1->trigger();
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("erste\nA=2\nF(X)=X*A"));
    f->Lschen1->trigger();
    EXPECT_TRUE(f->zeilen().isEmpty());
    f->Einfgen1->trigger();
    EXPECT_EQ(f->zeilen().size(), 3);
    f->Allesauswhlen1Click();
    f->Ausschneiden1Click();
    EXPECT_TRUE(f->zeilen().isEmpty());

    // The chosen font goes to the memo and into the mode-and-font line.
    QFont courier(QStringLiteral("Courier New"));
    courier.setPointSize(14);
    courier.setItalic(true);
    seams.answerFont(courier);
    f->SpeedButton4->click();
    EXPECT_EQ(f->Memo1->font().family(), QStringLiteral("Courier New"));
    EXPECT_EQ(f->modusundschrift(), QStringLiteral("0#Courier New#0#1#0#0#0#14#"));
    // The colour is chosen with the font, from the memo's colour on.
    seams.answerFont(courier, QColor(0, 0, 128));
    f->Schriftwhlen1->trigger();
    EXPECT_EQ(seams.fontColours, (std::vector<QColor>{QColor(0, 0, 0), QColor(0, 0, 0)}));
    EXPECT_EQ(f->modusundschrift(), QStringLiteral("0#Courier New#0#1#0#0#8388608#14#"));
    EXPECT_EQ(f->Memo1->palette().color(QPalette::Text), QColor(0, 0, 128));

    // "Neu" takes the dialog's accepted format and angle mode and goes with
    // its window.
    zahlenform->zahlenformat = QStringLiteral("0.0");
    zahlenform->winkelmodus = 3;
    f->Neu1->trigger();
    QPointer<TEditForm> kind;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* e = qobject_cast<TEditForm*>(w); e && e != f && !fenster.contains(e))
            kind = e;
    ASSERT_FALSE(kind.isNull());
    EXPECT_EQ(kind->zahlenformat, QStringLiteral("0.0"));
    EXPECT_EQ(kind->winkelmodus, 3);
    EXPECT_TRUE(kind->isVisible());
    delete f;
    EXPECT_TRUE(kind.isNull());
}

TEST_F(EditFormTest, MenuCaptionsAndShortcuts)
{
    TEditForm* f = neu();
    const struct {
        QAction* befehl;
        const char* text;
        QKeySequence taste;
    } befehle[] = {
        {f->Neu1, "&Neu", {}},
        {f->ffnen1, "Ö&ffnen...", {}},
        {f->Speichern1, "&Speichern", {}},
        {f->Speichernunter1, "Speichern &unter...", {}},
        {f->Drucken1, "&Drucken...", {}},
        {f->Beenden1, "&Beenden", {}},
        {f->Ausschneiden1, "&Ausschneiden", QKeySequence(Qt::CTRL | Qt::Key_X)},
        {f->Kopieren1, "&Kopieren", QKeySequence(Qt::CTRL | Qt::Key_C)},
        {f->Einfgen1, "&Einfügen", QKeySequence(Qt::CTRL | Qt::Key_V)},
        {f->Lschen1, "Lösc&hen", QKeySequence(Qt::CTRL | Qt::Key_Delete)},
        {f->Allesauswhlen1, "Alles ausw&ählen", {}},
        {f->DirektModus1, "&Direkt Modus", QKeySequence(Qt::CTRL | Qt::Key_D)},
        {f->ProgrammModus1, "&Programm Modus", QKeySequence(Qt::CTRL | Qt::Key_P)},
        {f->Programmstarten1, "Programm &starten", QKeySequence(Qt::CTRL | Qt::Key_S)},
        {f->Kolvarnausgeben1, "Kolvarn &ausgeben", {}},
        {f->Schriftwhlen1, "Schrift &wählen...", {}},
        {f->Zahlenformat1, "&Zahlenformat", {}},
        {f->Projektkolvarnbearbeiten1, "&Projektkolvarn bearbeiten...", {}},
        {f->Projektkolvarnanzeigen1, "Projektkolvarn &anzeigen", {}},
        {f->HTML1, "&HTML", {}},
        {f->Inhalt1, "&Inhalt", QKeySequence(Qt::Key_F1)},
    };
    for (const auto& b : befehle) {
        EXPECT_EQ(b.befehl->text(), QString::fromUtf8(b.text));
        EXPECT_EQ(b.befehl->shortcut(), b.taste) << b.text;
    }

    // The mode keys and Ctrl+S reach their commands while typing in the memo.
    f->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(f));
    f->Memo1->setFocus();
    f->Memo1->setPlainText(QStringLiteral("Ausgabe(2+3)"));
    QTest::keyClick(f->Memo1, Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(f->ausgabefenster(), nullptr) << "no program run in direct mode";
    QTest::keyClick(f->Memo1, Qt::Key_P, Qt::ControlModifier);
    EXPECT_FALSE(f->direktmodus);
    QTest::keyClick(f->Memo1, Qt::Key_S, Qt::ControlModifier);
    ASSERT_NE(f->ausgabefenster(), nullptr);
    EXPECT_EQ(f->ausgabefenster()->zeilen(), QStringList{";2+3=5,00"});
    QTest::keyClick(f->Memo1, Qt::Key_D, Qt::ControlModifier);
    EXPECT_TRUE(f->direktmodus);
    EXPECT_EQ(f->zeilen(), QStringList{"Ausgabe(2+3)"});
}

TEST_F(EditFormTest, ToolBarShowsEveryButtonWholeAtAnyWidth)
{
    TEditForm* f = neu();
    const QList<QToolButton*> erste{f->SpeedButton1, f->SpeedButton2, f->saveas,       f->CutButton, f->CopyButton,
                                    f->PasteButton,  f->Hilfe,        f->SpeedButton8, f->SpeedButton9};
    const QList<QToolButton*> zweite{f->Rechne,       f->DPButton,     f->SpeedButton3, f->SpeedButton6,
                                     f->SpeedButton7, f->SpeedButton4, f->SpeedButton5, f->HTMLButton};
    for (int breite : {1000, 560, 420, 260}) {
        f->resize(breite, 400);
        QCoreApplication::processEvents();
        ASSERT_EQ(f->width(), breite);
        const QRect leiste = f->Panel2->rect();
        QList<QRect> belegt;
        int letzteReihe = 0;
        for (const QList<QToolButton*>& gruppe : {erste, zweite}) {
            // Each group begins a row below the rows before it.
            int y = -1, x = -1;
            for (QToolButton* b : gruppe) {
                const QRect r = b->geometry();
                EXPECT_TRUE(leiste.contains(r)) << b->objectName().toStdString() << " at " << breite;
                EXPECT_GE(r.width(), b->sizeHint().width()) << b->objectName().toStdString() << " at " << breite;
                for (const QRect& anderer : std::as_const(belegt))
                    EXPECT_FALSE(anderer.intersects(r)) << b->objectName().toStdString() << " at " << breite;
                belegt << r;
                if (y < 0) {
                    EXPECT_GE(r.top(), letzteReihe) << breite;
                }
                // Reading order: on to the right, or on in a row further down.
                EXPECT_TRUE(r.top() > y || (r.top() == y && r.left() > x))
                    << b->objectName().toStdString() << " at " << breite;
                y = r.top();
                x = r.left();
                letzteReihe = std::max(letzteReihe, r.bottom() + 1);
            }
        }
        // The memo starts below the bar.
        EXPECT_GE(f->Memo1->mapTo(f->centralWidget(), QPoint(0, 0)).y(), f->Panel2->geometry().bottom()) << breite;
        if (breite == 1000) {
            EXPECT_EQ(f->SpeedButton9->y(), f->SpeedButton1->y()) << "one row per group when there is room";
        }
    }
}

TEST_F(EditFormTest, TranscriptLinesArriveThroughTheTypedAccessOfTheFactory)
{
    // The formula window knows the window only as a QWidget from the factory
    // and reaches it through what the factory hands out for it.
    kolvar::FensterRegister fabrik;
    kolvar::registriereRechnenfenster(fabrik);
    ASSERT_TRUE(fabrik.kann(kolvar::Fensterart::Rechnenfenster));
    QWidget* w = fabrik.erzeugen(kolvar::Fensterart::Rechnenfenster, kolvar::Fenstervorgaben{"0.000", 2});
    auto* f = qobject_cast<TEditForm*>(w);
    ASSERT_NE(f, nullptr);
    fenster << f;
    EXPECT_EQ(f->zahlenformat, QStringLiteral("0.000"));
    EXPECT_EQ(f->winkelmodus, 2);
    EXPECT_TRUE(f->testAttribute(Qt::WA_DeleteOnClose));
    EXPECT_EQ(f->parent(), nullptr);
    QWidget anderes;
    EXPECT_EQ(fabrik.protokollfenster(&anderes), nullptr);
    kolvar::Protokollfenster* p = fabrik.protokollfenster(w);
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(p->fenster(), w);
    f->ProgrammModus1Click();
    p->direktmodus_setzen();
    EXPECT_TRUE(f->direktmodus);
    for (const char* zeile : {";X = Länge - Meter", "X=2,5", "Y="})
        p->zeile_anhaengen(QString::fromUtf8(zeile));
    EXPECT_EQ(f->zeilen(), (QStringList{";X = Länge - Meter", "X=2,5", "Y="}));

    // A window restored from a project keeps its own defaults.
    auto* g = qobject_cast<TEditForm*>(fabrik.erzeugen(kolvar::Fensterart::Rechnenfenster, std::nullopt));
    fenster << g;
    EXPECT_EQ(g->zahlenformat, QStringLiteral("0.00"));
    EXPECT_TRUE(g->direktmodus);
}

TEST_F(EditFormTest, MainWindowOpensCalculationWindows)
{
    kolvar::FensterRegister fabrik;
    kolvar::registriereRechnenfenster(fabrik);
    auto form = std::make_unique<TMainForm>();
    form->FormCreate(dir.path() + QStringLiteral("/kolvar"));
    form->dialog_eintragen(Dialogfenster::zahlenform, zahlenform);
    EXPECT_FALSE(form->NeuesRechnenfenster1->isEnabled());
    form->setWindowFactory(&fabrik);
    EXPECT_TRUE(form->NeuesRechnenfenster1->isEnabled());
    EXPECT_TRUE(form->SpeedButton39->isEnabled());

    form->zahlenformat = QStringLiteral("0.0000");
    zahlenform->winkelmodus = 2;
    form->SpeedButton39->click();
    ASSERT_EQ(form->eigeneFenster().size(), 1);
    auto* f = qobject_cast<TEditForm*>(form->eigeneFenster().first());
    ASSERT_NE(f, nullptr);
    fenster << f;
    EXPECT_TRUE(f->isVisible());
    EXPECT_EQ(f->zahlenformat, QStringLiteral("0.0000"));
    EXPECT_EQ(f->winkelmodus, 2);
    EXPECT_EQ(f->windowTitle(), QStringLiteral("Rechnen"));

    // Closing frees it.
    f->Beenden1Click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(form->eigeneFenster().isEmpty());
    form.reset();
}

TEST_F(EditFormTest, ScreenshotAfterAShortProgram)
{
    ASSERT_TRUE(projektliste->definiere("g=9,81"));
    TEditForm* f = neu();
    f->resize(620, 360);
    f->ProgrammModus1Click();
    f->Memo1->setPlainText(QStringLiteral("; Freier Fall\nt = 2,5\ns = g/2*t^2\nv = g*t\nAusgabe(s)\nAusgabe(v)\n"
                                          "Ausgabe(s/v)\nfehler = 1+"));
    f->Projektkolvarnanzeigen1Click();
    f->Programmstarten1Click();
    TEditForm* aus = f->ausgabefenster();
    ASSERT_NE(aus, nullptr);
    aus->resize(420, 200);
    QCoreApplication::processEvents();
    EXPECT_EQ(aus->zeilen(), (QStringList{";s=30,66", ";v=24,53", ";s/v=1,25", "Fehler:fehler = 1+"}));
    const QString ordner = testpaths::buildDir();
    EXPECT_TRUE(f->grab().save(ordner + QStringLiteral("/rechnenfenster.png")));
    EXPECT_TRUE(aus->grab().save(ordner + QStringLiteral("/rechnenfenster_ausgabe.png")));
}

// --- saves that cannot be written, files too large to read ---------------------

TEST_F(EditFormTest, ASaveThatCannotBeWrittenKeepsTheOldFileAndTheWindowUnsaved)
{
    for (const auto art : testsupport::VolleDisk::arten()) {
        SCOPED_TRACE(testsupport::VolleDisk::name(art));
        testsupport::VolleDisk disk(art);
        const QString alt = disk.pfad("alt.ref");
        TEditForm* f = neu();
        f->Memo1->setPlainText(QStringLiteral("a=1"));
        seams.answerSave(alt);
        f->saveas->click();
        ASSERT_EQ(f->dateiname, alt);
        const QByteArray vorher = bytes(alt);

        // More text, saved again and then under a new name, on a full disk.
        QTest::keyClicks(f->Memo1, QStringLiteral("b=2;"));
        disk.fuellen();
        for (const QString& name : {alt, disk.pfad("neu.txt")}) {
            seams.messages.clear();
            if (name == alt) {
                f->SpeedButton2->click();
            } else {
                seams.answerSave(name);
                f->saveas->click();
            }
            EXPECT_EQ(seams.messageTexts(), QStringList{"In " + name + " kann nicht geschrieben werden"});
            EXPECT_EQ(f->dateiname, alt);
            EXPECT_EQ(f->windowTitle(), QStringLiteral("alt.ref"));
            EXPECT_TRUE(f->Memo1->document()->isModified());
        }
        EXPECT_EQ(bytes(alt), vorher);
        EXPECT_EQ(disk.dateien(), QStringList{"alt.ref"});
        disk.leeren();
        delete f;
    }
}

TEST_F(EditFormTest, AFileLargerThanAnyTheProgramWritesIsNotOpened)
{
    const QString gross = pfad("gross.txt");
    {
        QFile datei(gross);
        ASSERT_TRUE(datei.open(QIODevice::WriteOnly) && datei.resize(kolvar::kMaxFileSize + 1));
    }
    TEditForm* f = neu();
    f->Memo1->setPlainText(QStringLiteral("bleibt"));
    seams.answerOpen(gross);
    f->SpeedButton1->click();
    EXPECT_EQ(seams.messageTexts(),
              QStringList{"Datei " + gross + " ist zu groß (mehr als 16 MB) und wird nicht gelesen"});
    EXPECT_EQ(f->zeilen(), QStringList{"bleibt"});
    EXPECT_TRUE(f->dateiname.isEmpty());
}

} // namespace
