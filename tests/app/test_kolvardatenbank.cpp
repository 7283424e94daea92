// The author edits the collection in the running program, on a copy of the
// shipped program directory: "Kolvardatenbank" opens the table editor, the
// formula's name is typed anew on its record page for each of its
// rearrangements, "Speichern" writes the table, and a formula window opened
// afterwards shows the new name.
#include "app/startup.h"
#include "collection/tbearbformdlg.h"
#include "collection/tdbfindform.h"
#include "collection/texcausdlg.h"
#include "controls/ttxtshape.h"
#include "data/tdatadlg.h"
#include "platform/datatable.h"
#include "platform/seams.h"
#include "platform/tablefieldedit.h"
#include "platform/tablenavigator.h"
#include "shell/tmainform.h"
#include "support/testpaths.h"
#include "support/tippen.h"

#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {

const QString kAlt = QStringLiteral("Gleichförmige Bewegung");
const QString kNeu = QStringLiteral("Gleichförmige geradlinige Bewegung");

void bildSpeichern(QWidget* w, const QString& name)
{
    QCoreApplication::processEvents();
    const QPixmap bild = w->grab();
    ASSERT_FALSE(bild.isNull());
    EXPECT_TRUE(bild.save(testpaths::buildDir() + QLatin1Char('/') + name)) << name.toStdString();
}

QStringList knotentexte(Texcausdlg* f)
{
    QStringList texte;
    for (QTreeWidgetItem* k : f->alleKnoten())
        texte << k->text(0);
    return texte;
}

struct Datenbank : ::testing::Test {
    kolvar::ScriptedSeams seams;
    kolvar::SeamsGuard guard{seams};
    QTemporaryDir dir;
    std::unique_ptr<kolvar::Programm> programm;

    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        testpaths::copyTree(testpaths::shippedData(), dir.path());
        programm = std::make_unique<kolvar::Programm>(dir.path() + QStringLiteral("/kolvar"));
        programm->starten();
    }

    void TearDown() override { programm.reset(); }

    // Selects a formula of the first topic as the main window does.
    static void waehlen(Texcausdlg* f, const QString& inhalt)
    {
        f->gebiet = QStringLiteral("Mechanik");
        f->thema = QStringLiteral("Geradlinige Bewegung");
        f->inhalt = inhalt;
        f->baumauswahl();
    }

    Texcausdlg* neuesFormelfenster()
    {
        QTest::mouseClick(MainForm->SpeedButton48, Qt::LeftButton);
        return qobject_cast<Texcausdlg*>(MainForm->eigeneFenster().value(MainForm->eigeneFenster().size() - 1));
    }
};

TEST_F(Datenbank, ANewNameTypedAndSavedReachesANewFormulaWindow)
{
    // A formula window already showing the formula.
    Texcausdlg* offen = neuesFormelfenster();
    ASSERT_NE(offen, nullptr);
    waehlen(offen, kAlt);
    ASSERT_EQ(offen->txtshape1->text(), kAlt);

    ASSERT_TRUE(MainForm->SpeedButton8->isEnabled());
    QTest::mouseClick(MainForm->SpeedButton8, Qt::LeftButton);
    Tbearbformdlg* editor = bearbformdlg;
    ASSERT_TRUE(editor->isVisible());
    editor->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(editor));

    QTabBar* reiter = editor->PageControl1->tabBar();
    QTest::mouseClick(reiter, Qt::LeftButton, {}, reiter->tabRect(1).center());
    ASSERT_EQ(editor->PageControl1->currentIndex(), 1);
    QTest::mouseClick(editor->DBNavigator1->button(kolvar::TableNavigator::First), Qt::LeftButton);
    kolvar::TableFieldEdit* inhalt = editor->formelfeld("INHALT");
    for (int satz = 0; satz < 3; ++satz) {
        ASSERT_EQ(inhalt->text(), kAlt);
        QTest::mouseClick(inhalt, Qt::LeftButton);
        QTest::keyClick(inhalt, Qt::Key_End);
        QTest::keyClick(inhalt, Qt::Key_Home, Qt::ShiftModifier);
        testpaths::tippen(inhalt, kNeu);
        if (satz < 2)
            QTest::mouseClick(editor->DBNavigator1->button(kolvar::TableNavigator::Next), Qt::LeftButton);
    }
    QTabBar* groessenreiter = editor->PageControl2->tabBar();
    QTest::mouseClick(groessenreiter, Qt::LeftButton, {}, groessenreiter->tabRect(1).center());
    bildSpeichern(editor, QStringLiteral("editor_datensatz.png"));
    QTest::mouseClick(editor->Button2, Qt::LeftButton);
    EXPECT_TRUE(seams.messages.empty()) << seams.messageTexts().join(u'|').toStdString();
    EXPECT_EQ(inhalt->text(), kNeu);
    EXPECT_EQ(Datadlg->table2->recNo(), 3); // the editor stays on its record

    kolvar::DataTable gespeichert;
    ASSERT_TRUE(gespeichert.open(dir.path() + QStringLiteral("/daten/kolvar.cds")));
    EXPECT_EQ(gespeichert.valueAt(2, gespeichert.fieldIndex("INHALT")), kNeu);

    Texcausdlg* fenster = neuesFormelfenster();
    ASSERT_NE(fenster, nullptr);
    EXPECT_TRUE(knotentexte(fenster).contains(kNeu));
    EXPECT_FALSE(knotentexte(fenster).contains(kAlt));
    waehlen(fenster, kNeu);
    EXPECT_EQ(fenster->txtshape1->text(), kNeu);
    EXPECT_EQ(fenster->umformanzahl, 3);
    // The window open before keeps what it showed until its next selection,
    // which reads the table again: the old name has no records any more, so
    // it shows an empty formula rather than what it had read before.
    EXPECT_EQ(offen->txtshape31->text(), "v=\\f(s;t)");
    waehlen(offen, QStringLiteral("Beschleunigte Bewegung: Geschwindigkeit"));
    waehlen(offen, kAlt);
    EXPECT_EQ(offen->txtshape31->text(), "");
    EXPECT_EQ(offen->Anzahl, 0);

    // The pictures of the editor's pages and of the search dialog.
    QTest::mouseClick(reiter, Qt::LeftButton, {}, reiter->tabRect(0).center());
    bildSpeichern(editor, QStringLiteral("editor_tabelle.png"));
    QTest::mouseClick(editor->Button3, Qt::LeftButton);
    ASSERT_TRUE(DBFindForm->isVisible());
    bildSpeichern(DBFindForm, QStringLiteral("editor_suche.png"));
}

} // namespace
