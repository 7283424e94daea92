// The calculation road as a user takes it, in the running program on a copy
// of the shipped collection: open the formula collection, pick area, topic
// and formula, type values with one of them in another unit, ask for the
// result in another unit, and read the result, the example page and the
// transcript window.
#include "app/startup.h"
#include "collection/texcausdlg.h"
#include "controls/textendedit.h"
#include "controls/ttxtshape.h"
#include "engine/helpers.h"
#include "platform/seams.h"
#include "shell/tmainform.h"
#include "support/testpaths.h"
#include "tools/teditform.h"
#include "tools/ttabelleform.h"

#include <QComboBox>
#include <QDirIterator>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

#include <ostream>

void PrintTo(const QString& s, std::ostream* os)
{
    *os << '"' << s.toStdString() << '"';
}

namespace {

using testpaths::copyTree;

// The shown label of a drill-down list with the given text.
QLabel* eintrag(const QList<QLabel*>& labels, const QString& text)
{
    for (QLabel* l : labels)
        if (!l->isHidden() && l->text() == text)
            return l;
    return nullptr;
}

// Picks the next unit of a combo with the keyboard, as a user does.
void naechsteEinheit(QComboBox* combo)
{
    combo->setFocus();
    QTest::keyClick(combo, Qt::Key_Down);
}

void bildSpeichern(QWidget* w, const QString& name)
{
    QCoreApplication::processEvents();
    const QPixmap bild = w->grab();
    ASSERT_FALSE(bild.isNull());
    EXPECT_TRUE(bild.save(testpaths::buildDir() + QLatin1Char('/') + name)) << name.toStdString();
}

struct Rechenweg : ::testing::Test {
    kolvar::ScriptedSeams seams;
    kolvar::SeamsGuard guard{seams};
    QTemporaryDir dir;
    std::unique_ptr<kolvar::Programm> programm;
    Texcausdlg* fenster = nullptr;

    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        copyTree(testpaths::shippedData(), dir.path());
        programm = std::make_unique<kolvar::Programm>(dir.path() + QStringLiteral("/kolvar"));
        programm->starten();
        ASSERT_NE(MainForm, nullptr);
        // A new project: the start-up project's window and formulas go.
        MainForm->Neu1->trigger();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

        // "Kolvarsammlung" on the main window's tool bar.
        ASSERT_TRUE(MainForm->SpeedButton48->isEnabled());
        QTest::mouseClick(MainForm->SpeedButton48, Qt::LeftButton);
        ASSERT_EQ(MainForm->eigeneFenster().size(), 1);
        fenster = qobject_cast<Texcausdlg*>(MainForm->eigeneFenster().front());
        ASSERT_NE(fenster, nullptr);
        ASSERT_TRUE(fenster->isVisible());
    }

    void TearDown() override { programm.reset(); }

    void waehle(const QList<QLabel*>& labels, const char* text)
    {
        QLabel* l = eintrag(labels, QString::fromUtf8(text));
        ASSERT_NE(l, nullptr) << text;
        QTest::mouseClick(l, Qt::LeftButton);
    }

    // v = s/t on the page "Rechnung": v is sought, s and t are given; every
    // one has a unit table.
    void gleichfoermigeBewegung()
    {
        waehle(fenster->gebietlabels, "Mechanik");
        waehle(fenster->themenlabels, "Geradlinige Bewegung");
        waehle(fenster->inhaltlabels, "Gleichförmige Bewegung");
        QTest::mouseClick(fenster->Seite2btn, Qt::LeftButton);
    }

    void tippe(int k, const QString& text)
    {
        TextendEdit* e = fenster->extendEdits[size_t(k)];
        ASSERT_TRUE(e->isVisible()) << k;
        e->setFocus();
        e->selectAll();
        QTest::keyClicks(e, text);
    }
};

TEST_F(Rechenweg, ValuesInChosenUnitsGiveTheResultTheExampleAndTheTranscript)
{
    Texcausdlg& f = *fenster;
    gleichfoermigeBewegung();
    ASSERT_EQ(f.Anzahl, 3);
    ASSERT_EQ(f.rechnung, "V=S/T");
    ASSERT_EQ(f.PageControl1->currentIndex(), 1);

    // The way in kilometres, the time in seconds, the speed asked for in
    // kilometres per hour.
    naechsteEinheit(f.ComboBoxes[2]);
    EXPECT_EQ(f.ComboBoxes[2]->currentText(), "Kilometer");
    EXPECT_EQ(f.einheitshapes[2]->text(), "km");
    naechsteEinheit(f.ComboBoxes[1]);
    EXPECT_EQ(f.ComboBoxes[1]->currentText(), "Kilometer pro Stunde");
    tippe(2, "100");
    tippe(3, "3600");

    QTest::mouseClick(f.Speedrechne, Qt::LeftButton);
    EXPECT_TRUE(seams.messages.empty()) << seams.messageTexts().join(u'|').toStdString();
    // The main window's format "0.00" came with the window.
    EXPECT_EQ(f.zahlenformat, "0.00");
    EXPECT_EQ(f.extendEdit1->text(), "100,00");
    // The plain calculation opens no window.
    EXPECT_EQ(MainForm->eigeneFenster().size(), 1);
    bildSpeichern(&f, QStringLiteral("formelfenster_rechnung.png"));

    QTest::mouseClick(f.seite3btn, Qt::LeftButton);
    ASSERT_EQ(f.PageControl1->currentIndex(), 2);
    EXPECT_EQ(f.txtshape30->text(), "v=\\f(100km;3600s) = 100,00 km/h");
    QStringList zeilen;
    for (Ttxtshape* s : f.beispielzeilen)
        if (s->isVisible())
            zeilen << s->text();
    EXPECT_EQ(zeilen, (QStringList{"Geschwindigkeit v km/h", "Weg s = 100km", "Zeit t = 3600s"}));
    bildSpeichern(&f, QStringLiteral("formelfenster_beispiel.png"));

    // The same run with a transcript, from the page "Rechnung".
    QTest::mouseClick(f.Seite2btn, Qt::LeftButton);
    QTest::mouseClick(f.Speedrechfens, Qt::LeftButton);
    EXPECT_EQ(f.extendEdit1->text(), "100,00");
    EXPECT_FALSE(f.protokollieren);
    const QList<QWidget*> eigene = MainForm->eigeneFenster();
    ASSERT_EQ(eigene.size(), 2);
    auto* protokoll = qobject_cast<TEditForm*>(eigene.back());
    ASSERT_NE(protokoll, nullptr);
    EXPECT_TRUE(protokoll->isVisible());
    EXPECT_EQ(protokoll->parent(), nullptr);
    EXPECT_TRUE(protokoll->direktmodus);
    EXPECT_EQ(protokoll->zahlenformat, "0.00");
    EXPECT_EQ(protokoll->zeilen(), (QStringList{
                                       ";S1 = Weg - Kilometer",
                                       "S1=100",
                                       ";S = Weg - Meter",
                                       "S=S1*1000",
                                       ";T = Zeit - Sekunde",
                                       "T=3600",
                                       ";V = Geschwindigkeit - Meter pro Sekunde",
                                       "V=S/T",
                                       "V1=V*3,6",
                                       ";V1= Geschwindigkeit - Kilometer pro Stunde",
                                       "V1=",
                                       "100,00",
                                   }));
    bildSpeichern(protokoll, QStringLiteral("rechnenfenster_protokoll.png"));

    // A second transcript run opens a second window; a run that stops
    // leaves the steps before it there.
    f.extendEdits[3]->clear();
    QTest::mouseClick(f.Speedrechfens, Qt::LeftButton);
    EXPECT_EQ(seams.messageTexts(), QStringList{"Bitte Werte eingeben!"});
    EXPECT_TRUE(f.extendEdit1->text().isEmpty());
    ASSERT_EQ(MainForm->eigeneFenster().size(), 3);
    auto* zweites = qobject_cast<TEditForm*>(MainForm->eigeneFenster().back());
    ASSERT_NE(zweites, nullptr);
    EXPECT_EQ(zweites->zeilen(), (QStringList{";S1 = Weg - Kilometer", "S1=100", ";S = Weg - Meter", "S=S1*1000"}));
}

TEST_F(Rechenweg, ATranscriptRunThatStopsBeforeItsFirstLineOpensNoWindow)
{
    Texcausdlg& f = *fenster;
    gleichfoermigeBewegung();
    const struct {
        const char* weg;
        const char* meldung;
    } faelle[] = {
        {"", "Bitte Werte eingeben!"},
        {"1E", "Fehlerhafte Eingabe"},
    };
    for (const auto& fall : faelle) {
        seams.messages.clear();
        f.extendEdits[2]->clear();
        if (*fall.weg)
            tippe(2, QString::fromUtf8(fall.weg));
        tippe(3, "3600");
        QTest::mouseClick(f.Speedrechfens, Qt::LeftButton);
        EXPECT_EQ(seams.messageTexts(), QStringList{fall.meldung}) << fall.weg;
        EXPECT_EQ(MainForm->alleFenster().size(), 1) << fall.weg;
    }
}

TEST_F(Rechenweg, TheCalculationGoesIntoANewSpreadsheetThatCalculatesItAgain)
{
    Texcausdlg& f = *fenster;
    gleichfoermigeBewegung();
    naechsteEinheit(f.ComboBoxes[2]);
    naechsteEinheit(f.ComboBoxes[1]);
    tippe(2, "100");
    tippe(3, "3600");

    // "&Ausgabe" > "&Tabellenkalkulation" with the keyboard.
    ASSERT_TRUE(f.abellenkalkulation1->isEnabled());
    f.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
    QTest::keyClick(&f, Qt::Key_A, Qt::AltModifier);
    QMenu* menue = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    // Alt+A opens "&Ansicht" first; the arrow key walks along the menu bar.
    for (int i = 0; i < 5 && menue && menue->title() != "&Ausgabe"; ++i) {
        QTest::keyClick(menue, Qt::Key_Right);
        menue = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    }
    ASSERT_NE(menue, nullptr);
    ASSERT_EQ(menue->title(), "&Ausgabe");
    QTest::keyClick(menue, Qt::Key_T);

    EXPECT_TRUE(seams.messages.empty()) << seams.messageTexts().join(u'|').toStdString();
    EXPECT_EQ(f.extendEdit1->text(), "100,00");
    EXPECT_FALSE(f.protokollieren);
    ASSERT_EQ(MainForm->eigeneFenster().size(), 2);
    auto* blatt = qobject_cast<Ttabelleform*>(MainForm->eigeneFenster().back());
    ASSERT_NE(blatt, nullptr);
    EXPECT_TRUE(blatt->isVisible());
    EXPECT_EQ(blatt->zahlenformat, "0.00");
    EXPECT_EQ(blatt->StringGrid1->ColWidths(1), 220);
    EXPECT_EQ(blatt->StringGrid1->ColWidths(3), 220);
    auto zelle = [blatt](const char* ref) {
        int s = 0, z = 0;
        zellbezug(s, z, ref);
        return blatt->StringGrid1->Cells(s, z) + u'|' + blatt->StringGrid2->Cells(s, z);
    };
    // Comments in the value grid only; the lines, calculated again by the
    // sheet's own list, in both.
    EXPECT_EQ(zelle("A2"), ";S1 = Weg - Kilometer|");
    EXPECT_EQ(zelle("B2"), "S1=100|S1=100");
    EXPECT_EQ(zelle("C2"), ";S = Weg - Meter|");
    EXPECT_EQ(zelle("D2"), "S=S1*1000|S=S1*1000");
    EXPECT_EQ(zelle("B3"), "T=3600|T=3600");
    EXPECT_EQ(zelle("A4") + zelle("A5"), "||");
    EXPECT_EQ(zelle("A6"), ";V = Geschwindigkeit - Meter pro Sekunde|");
    EXPECT_EQ(zelle("B6"), "V=S/T|V=S/T");
    EXPECT_EQ(zelle("B7"), "V1=V*3,6|V1=V*3,6");
    EXPECT_EQ(zelle("A8"), ";V1= Geschwindigkeit - Kilometer pro Stunde|");
    EXPECT_EQ(zelle("B8"), "100,00|V1=");
    bildSpeichern(blatt, QStringLiteral("tabellenkalkulation_export.png"));
}

} // namespace
