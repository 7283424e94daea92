// The main window's template page: taking a node's template, next and
// previous, expanding and collapsing, and the hidden search, driven by
// clicks and keys on the real tree and buttons.
#include "engine/tfktbaum.h"
#include "platform/seams.h"
#include "shell/projektliste.h"
#include "shell/tmainform.h"
#include "shell/treetext.h"
#include "support/testdateien.h"
#include "support/testpaths.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include <memory>

namespace {

struct Vorlagen : ::testing::Test {
    kolvar::ScriptedSeams seams;
    kolvar::SeamsGuard guard{seams};
    QTemporaryDir dir;
    std::unique_ptr<TMainForm> form;

    // A program directory whose template tree holds the lines.
    void starte(const QStringList& zeilen)
    {
        QDir(dir.path()).mkpath(QStringLiteral("Lektion"));
        QFile f(dir.path() + QStringLiteral("/Lektion/lekt.out"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(zeilen.join(QStringLiteral("\r\n")).toUtf8());
        f.close();
        form = std::make_unique<TMainForm>();
        form->FormCreate(dir.path() + QStringLiteral("/kolvar"));
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    }
    QString aktuell() const
    {
        const QTreeWidgetItem* k = form->TreeView1->currentItem();
        return k ? k->text(0) : QStringLiteral("<keiner>");
    }
    void klicke(QTreeWidgetItem* knoten)
    {
        form->TreeView1->scrollToItem(knoten);
        QTest::mouseClick(form->TreeView1->viewport(), Qt::LeftButton, {},
                          form->TreeView1->visualItemRect(knoten).center());
    }
};

const QStringList kBaum{"Mechanik", "\tPendel (pendel)", "\tBewegung", "\t\tFreier Fall (fall)",
                        "\t\tWurf (wurf)", "Akustik (schall)", "Optik", "\tLinse (linse)"};
// The same nodes in display order: sorted within each level.
const QStringList kAnzeige{"Akustik (schall)", "Mechanik", "Bewegung", "Freier Fall (fall)", "Wurf (wurf)",
                           "Pendel (pendel)", "Optik", "Linse (linse)"};

} // namespace

TEST_F(Vorlagen, ANodesNameInBracketsIsItsTemplateAndAHeadingOpensNothing)
{
    const struct {
        QString text;
        bool benannt;
        QString datei;
    } faelle[] = {
        {"Pendel (pendel)", true, "pendel"},
        {"Mechanik", false, "Mechanik"},
        {"Falsch)herum(x", false, "Falsch)herum(x"},
        {"Leer()", false, "Leer()"},
        {"Zwei(a)(b)", true, "a"},
        {"Voll(/opt/kolvar/Lektion/ohm.pro)", true, "/opt/kolvar/Lektion/ohm.pro"},
    };
    QStringList zeilen;
    for (const auto& f : faelle)
        zeilen << f.text;
    starte(zeilen);
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.text.toStdString());
        QTreeWidgetItem* k = form->TreeView1->findItems(f.text, Qt::MatchExactly).value(0);
        ASSERT_NE(k, nullptr);
        klicke(k);
        EXPECT_EQ(form->vorlagedatei, f.datei);
        EXPECT_EQ(form->Vorlage->isEnabled(), f.benannt);
        EXPECT_EQ(form->Label2->text(), f.benannt ? f.text : QString());
    }
}

TEST_F(Vorlagen, StartUpTakesTheFirstNodeAndAnEmptyTreeOffersNothing)
{
    starte(kBaum);
    EXPECT_EQ(aktuell(), QStringLiteral("Akustik (schall)"));
    EXPECT_EQ(form->vorlagedatei, QStringLiteral("schall"));
    EXPECT_TRUE(form->Vorlage->isEnabled());

    form.reset();
    QFile::remove(dir.path() + QStringLiteral("/Lektion/lekt.out"));
    form = std::make_unique<TMainForm>();
    form->FormCreate(dir.path() + QStringLiteral("/kolvar"));
    EXPECT_FALSE(form->Vorlage->isEnabled());
    // Every step on the empty tree does nothing, quietly.
    for (QToolButton* b : {form->SpeedButton50, form->SpeedButton49, form->SpeedButton58, form->SpeedButton59})
        b->click();
    form->Edit1->setText(QStringLiteral("x"));
    form->Suchen->click();
    form->VorlageClick();
    EXPECT_EQ(form->TreeView1->currentItem(), nullptr);
    EXPECT_TRUE(seams.messages.empty());
}

TEST_F(Vorlagen, NextWalksEveryNodeInDisplayOrderAndWrapsPreviousStopsAtTheFirst)
{
    starte(kBaum);
    QStringList vorwaerts;
    for (int i = 0; i < kAnzeige.size() + 1; ++i) {
        QTest::mouseClick(form->SpeedButton50, Qt::LeftButton);
        vorwaerts << aktuell();
    }
    EXPECT_EQ(vorwaerts, kAnzeige.mid(1) + kAnzeige.mid(0, 2));
    // The step collapses the tree and opens only the way to the new node.
    EXPECT_FALSE(form->TreeView1->topLevelItem(2)->isExpanded());

    QStringList rueckwaerts;
    for (int i = 0; i < 3; ++i) {
        QTest::mouseClick(form->SpeedButton49, Qt::LeftButton);
        rueckwaerts << aktuell();
    }
    EXPECT_EQ(rueckwaerts, (QStringList{"Akustik (schall)", "Akustik (schall)", "Akustik (schall)"}));
    // Missing templates of the nodes said so, headings stayed quiet.
    EXPECT_EQ(seams.messageTexts().size(), vorwaerts.filter(QStringLiteral("(")).size() + 3);
}

TEST_F(Vorlagen, OneNodeStaysSelectedWhateverTheStep)
{
    starte({"Einzig"});
    for (QToolButton* b : {form->SpeedButton50, form->SpeedButton49, form->SpeedButton50}) {
        QTest::mouseClick(b, Qt::LeftButton);
        EXPECT_EQ(aktuell(), QStringLiteral("Einzig"));
    }
    EXPECT_TRUE(seams.messages.empty());
}

TEST_F(Vorlagen, ExpandAllAndCollapseAll)
{
    starte(kBaum);
    form->TreeView1->setCurrentItem(nullptr);
    QTest::mouseClick(form->SpeedButton58, Qt::LeftButton);
    for (QTreeWidgetItem* k : kolvar::allNodes(*form->TreeView1))
        EXPECT_TRUE(k->childCount() == 0 || k->isExpanded()) << k->text(0).toStdString();
    EXPECT_EQ(aktuell(), QStringLiteral("Akustik (schall)"));
    QTest::mouseClick(form->SpeedButton59, Qt::LeftButton);
    for (QTreeWidgetItem* k : kolvar::allNodes(*form->TreeView1))
        EXPECT_FALSE(k->isExpanded());
}

TEST_F(Vorlagen, SearchGoesOnFromTheLastHitAndStartsAgainAtTheEnd)
{
    starte(kBaum);
    form->Panel1->show(); // hidden in the program; shown here to type into it
    QTest::keyClicks(form->Edit1, QStringLiteral("n"));
    QTest::keyClick(form->Edit1, Qt::Key_Return); // Enter searches from the top
    EXPECT_EQ(aktuell(), QStringLiteral("Mechanik"));
    const QStringList erwartet{"Bewegung", "Pendel (pendel)", "Linse (linse)"};
    for (const QString& e : erwartet) {
        QTest::mouseClick(form->Weiter, Qt::LeftButton);
        EXPECT_EQ(aktuell(), e);
    }
    // The hit on the last node ended the search: the next one starts at the
    // top without a message.
    EXPECT_EQ(form->vorlagensuche, 0);
    QTest::mouseClick(form->Weiter, Qt::LeftButton);
    EXPECT_EQ(aktuell(), QStringLiteral("Mechanik"));
    EXPECT_TRUE(seams.messages.empty());

    form->Edit1->setText(QStringLiteral("wurf"));
    QTest::mouseClick(form->Weiter, Qt::LeftButton);
    EXPECT_EQ(aktuell(), QStringLiteral("Wurf (wurf)"));
    QTest::mouseClick(form->Weiter, Qt::LeftButton);
    EXPECT_EQ(seams.messageTexts(), QStringList{"Ausdruck nicht gefunden"});
    EXPECT_EQ(form->vorlagensuche, 0);

    // An empty text finds nothing; a position past the end is the end.
    form->Edit1->clear();
    QTest::mouseClick(form->Suchen, Qt::LeftButton);
    form->Edit1->setText(QStringLiteral("Optik"));
    form->vorlagensuche = 99;
    QTest::mouseClick(form->Weiter, Qt::LeftButton);
    EXPECT_EQ(seams.messageTexts().size(), 3);
    EXPECT_EQ(form->vorlagensuche, 0);

    // Reloading the tree starts the search again from the first node.
    form->vorlagensuche = 5;
    form->vorlagen_laden();
    EXPECT_EQ(form->vorlagensuche, 0);
}

TEST_F(Vorlagen, ATemplateOpensFromTheLektionFolderOrItsFullPathAndAMissingOrBrokenOneChangesNothing)
{
    kolvar::Projektformeln formeln;
    const auto projekt = [](const char* formel) {
        return QByteArray("[Hauptfenster]\r\nVersion=Kolvar80\r\n[Fenster]\r\nAnzahl=0\r\n[Kolvarn]\r\nAnzahl=1\r\nNr0=")
               + formel + "\r\n";
    };
    const QString lektion = dir.path() + QStringLiteral("/Lektion/");
    const QString sonst = dir.path() + QStringLiteral("/sonst/");
    ASSERT_TRUE(QDir().mkpath(lektion) && QDir().mkpath(sonst));
    ASSERT_TRUE(testdateien::schreibe(lektion + "rel.pro", projekt("t=1")));
    ASSERT_TRUE(testdateien::schreibe(lektion + "kaputt.pro", "[Hauptfenster]\r\nVersion=Kolvar70\r\n"));
    ASSERT_TRUE(testdateien::schreibe(sonst + "voll.pro", projekt("t=2")));
    // The working directory holds a template of the same name: never taken.
    ASSERT_TRUE(testdateien::schreibe(sonst + "rel.pro", projekt("t=9")));
    const QString vorher = QDir::currentPath();
    QDir::setCurrent(sonst);
    starte({"Relativ (rel)", "Voll (" + sonst + "voll.pro)", "Fehlt (fehlt)", "Kaputt (kaputt)"});
    const struct {
        QString knoten;
        long double t;
        bool meldung;
    } faelle[] = {{"Relativ (rel)", 1, false}, {"Fehlt (fehlt)", 1, true},
                  {"Voll (" + sonst + "voll.pro)", 2, false}, {"Kaputt (kaputt)", 2, true}};
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.knoten.toStdString());
        seams.messages.clear();
        form->projektname = QStringLiteral("alt.pro");
        klicke(form->TreeView1->findItems(f.knoten, Qt::MatchExactly).value(0));
        QTest::mouseClick(form->Vorlage, Qt::LeftButton);
        long double t = 0;
        EXPECT_TRUE(projektliste->fktberechnen("T", 0, t));
        EXPECT_EQ(t, f.t);
        EXPECT_EQ(projektliste->count(), 1);
        EXPECT_EQ(seams.messageTexts(),
                  f.meldung ? QStringList{"Datei nicht gefunden oder fehlerhaft!"} : QStringList{});
        // An opened template is no project of the user's; a refused one
        // leaves the project as it was.
        EXPECT_EQ(form->projektname, f.meldung ? "alt.pro" : "");
    }
    QDir::setCurrent(vorher);
}
