// The formula window's lists, contents tree, navigation, search and
// commands, over the small test collection.
#include "formelfixture.h"

#include "engine/tfktbaum.h"
#include "shell/tdialogkolvar.h"
#include "shell/tmainform.h"
#include "shell/tzahlenform.h"
#include "shell/windowfactory.h"
#include "controls/textendedit.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFrame>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScrollArea>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

namespace {

using Fixture = FormelFixture;

// The tree as indented lines, two blanks per level, in absolute order.
QStringList baumtext(const Texcausdlg& f)
{
    QStringList zeilen;
    for (QTreeWidgetItem* k : f.alleKnoten()) {
        int ebene = 0;
        for (QTreeWidgetItem* p = k->parent(); p; p = p->parent())
            ++ebene;
        zeilen << QString(ebene * 2, QLatin1Char(' ')) + k->text(0);
    }
    return zeilen;
}

const QStringList kBaum{
    "Mechanik", "  Bewegung", "    Geschwindigkeit", "    Beschleunigung", "  Kraft", "    Gewichtskraft",
    "Wärme",    "  Kraft",    "    Druckkraft",      "  Temperatur",       "    Celsius",
    "Mechanik", "  Zehn",     "    Zehnfach",        "  Fehler",           "    Zehnfach", "    Leer",
    "Optik",    "  Linsen",   "    Öffnung",
};

TEST_F(Fixture, TreeFollowsTheTableOrderWithRunsOfAreasAndTopics)
{
    EXPECT_EQ(baumtext(*w), kBaum);
    // The area list repeats an area that comes back after another one.
    EXPECT_EQ(gezeigt(w->gebietlabels), (QStringList{"Mechanik", "Wärme", "Mechanik", "Optik"}));
    EXPECT_FALSE(w->ScrollBox6->isHidden());
    EXPECT_TRUE(w->ScrollBox5->isHidden());
    EXPECT_TRUE(w->ScrollBox4->isHidden());
    EXPECT_TRUE(w->PageControl1->isHidden());
    EXPECT_TRUE(w->Panel3->isHidden());
    EXPECT_EQ(w->StaticText1->text(), "Inhalt");
    EXPECT_EQ(w->gewaehlterKnoten(), nullptr);
    EXPECT_EQ(w->panelbreite(), 300);
}

TEST_F(Fixture, DrillDownGoesThroughTheTreeAndBackUp)
{
    w->show();
    // A click on the label of the first "Mechanik" area.
    QTest::mouseClick(w->gebietlabels[0], Qt::LeftButton);
    EXPECT_EQ(knotentext(), "Mechanik");
    EXPECT_EQ(w->knotenindex(w->gewaehlterKnoten()), 0);
    // Only the topics of the area's first run.
    EXPECT_EQ(gezeigt(w->themenlabels), (QStringList{"Bewegung", "Kraft"}));
    EXPECT_FALSE(w->ScrollBox5->isHidden());
    EXPECT_TRUE(w->ScrollBox6->isHidden());
    EXPECT_EQ(w->StaticText1->text(), "Mechanik");

    w->ScrollBox5Click(w->themenlabels[1]);
    EXPECT_EQ(w->thema, "Kraft");
    // The formula list compares only the topic, so it runs on into the next
    // area's topic of the same name.
    EXPECT_EQ(gezeigt(w->inhaltlabels), (QStringList{"Gewichtskraft", "Druckkraft"}));
    EXPECT_EQ(w->inhaltshapes[0]->text(), "F=m\\mg");
    EXPECT_FALSE(w->inhaltshapes[0]->isHidden());
    EXPECT_TRUE(w->inhaltshapes[2]->isHidden());
    EXPECT_EQ(w->inhaltlabels[0]->x(), 160);
    EXPECT_EQ(w->StaticText1->text(), "Mechanik  Kraft");
    EXPECT_FALSE(w->ScrollBox4->isHidden());

    QTest::mouseClick(w->inhaltlabels[0], Qt::LeftButton);
    EXPECT_EQ(w->StaticText1->text(), "Mechanik  Kraft  Gewichtskraft");
    EXPECT_FALSE(w->Panel3->isHidden());
    EXPECT_FALSE(w->PageControl1->isHidden());
    EXPECT_TRUE(w->ScrollBox4->isHidden() && w->ScrollBox5->isHidden() && w->ScrollBox6->isHidden());
    EXPECT_EQ(w->txtshape1->text(), "Gewichtskraft");

    // A click on the list box itself, not on a label, changes nothing.
    w->ScrollBox6Click(w->ScrollBox6->widget());
    EXPECT_EQ(w->inhalt, "Gewichtskraft");

    QTest::mouseClick(w->SpeedButton9, Qt::LeftButton);
    EXPECT_EQ(knotentext(), "Kraft");
    EXPECT_FALSE(w->ScrollBox4->isHidden());
    EXPECT_TRUE(w->PageControl1->isHidden());
    w->SpeedButton9Click();
    EXPECT_EQ(knotentext(), "Mechanik");
    EXPECT_FALSE(w->ScrollBox5->isHidden());
    // A click into the empty part of the topic list changes nothing.
    QTest::mouseClick(w->ScrollBox5->widget(), Qt::LeftButton, {}, QPoint(250, 500));
    EXPECT_EQ(knotentext(), "Mechanik");
    EXPECT_FALSE(w->ScrollBox5->isHidden());
    // From the topic list: the area list again, the area remembered.
    w->SpeedButton9Click();
    EXPECT_FALSE(w->ScrollBox6->isHidden());
    EXPECT_TRUE(w->ScrollBox5->isHidden());
    EXPECT_EQ(w->StaticText1->text(), "Inhalt");
    EXPECT_EQ(w->gebiet, "Mechanik");
    EXPECT_EQ(gezeigt(w->gebietlabels).size(), 4);
    // Picking the area again although its node is still selected refills
    // the topic list.
    w->ScrollBox6Click(w->gebietlabels[0]);
    EXPECT_FALSE(w->ScrollBox5->isHidden());
    EXPECT_EQ(gezeigt(w->themenlabels), (QStringList{"Bewegung", "Kraft"}));
}

// What a person does in the tree: a click on a node, also on the node the
// tree made current when it got the focus, and the arrow keys.
TEST_F(Fixture, ClicksAndKeysInTheTreeActOnTheNode)
{
    w->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w));
    QTreeWidget* baum = w->TreeView2;
    auto klick = [baum](QTreeWidgetItem* k) {
        QTest::mouseClick(baum->viewport(), Qt::LeftButton, {}, baum->visualItemRect(k).center());
    };
    // The focus makes the first node current without selecting it.
    baum->setFocus();
    QCoreApplication::processEvents();
    klick(baum->topLevelItem(0));
    EXPECT_EQ(knotentext(), "Mechanik");
    EXPECT_FALSE(w->ScrollBox5->isHidden());
    EXPECT_EQ(w->StaticText1->text(), "Mechanik");

    klick(baum->topLevelItem(1));
    EXPECT_EQ(knotentext(), "Wärme");
    EXPECT_EQ(gezeigt(w->themenlabels), (QStringList{"Kraft", "Temperatur"}));

    baum->expandAll();
    QTreeWidgetItem* formel = baum->topLevelItem(0)->child(0)->child(0);
    klick(formel);
    EXPECT_EQ(w->inhalt, "Geschwindigkeit");
    EXPECT_FALSE(w->PageControl1->isHidden());
    EXPECT_EQ(w->txtshape31->text(), "v=\\f(s;t)");

    QTest::keyClick(baum, Qt::Key_Down);
    EXPECT_EQ(w->inhalt, "Beschleunigung");
    EXPECT_EQ(w->txtshape1->text(), "Beschleunigung");
    QTest::keyClick(baum, Qt::Key_Up);
    QTest::keyClick(baum, Qt::Key_Up);
    EXPECT_EQ(knotentext(), "Bewegung");
    EXPECT_TRUE(w->PageControl1->isHidden());
    EXPECT_FALSE(w->ScrollBox4->isHidden());

    // Each pick loads once: the formula with an unreadable unit table
    // reports it once per click or key.
    QTreeWidgetItem* celsius = baum->topLevelItem(1)->child(1)->child(0);
    ASSERT_EQ(celsius->text(0), "Celsius");
    seams.messages.clear();
    klick(celsius);
    EXPECT_EQ(seams.messages.size(), 1u) << seams.messageTexts().join('|').toStdString();
    QTest::keyClick(baum, Qt::Key_Up);
    seams.messages.clear();
    QTest::keyClick(baum, Qt::Key_Down);
    EXPECT_EQ(w->inhalt, "Celsius");
    EXPECT_EQ(seams.messages.size(), 1u) << seams.messageTexts().join('|').toStdString();
}

TEST_F(Fixture, AFormulaOfTheSameNameUnderAnotherTopicIsItsOwnNode)
{
    waehle("Mechanik", "Fehler", "Zehnfach");
    EXPECT_EQ(w->knotenindex(w->gewaehlterKnoten()), 15);
    waehle("Mechanik", "Zehn", "Zehnfach");
    EXPECT_EQ(w->knotenindex(w->gewaehlterKnoten()), 13);
    // A selection that no node matches leaves the selection as it was.
    waehle("Mechanik", "Zehn", "Gibt es nicht");
    EXPECT_EQ(w->knotenindex(w->gewaehlterKnoten()), 13);
}

TEST_F(Fixture, NextAndPreviousWalkEveryNode)
{
    struct Schritt {
        const char* befehl;
        int danach;
    };
    // Start without a selection; next on the last node wraps, previous on
    // the first two nodes stays at the first.
    const std::vector<Schritt> schritte{
        {"naechste", 0}, {"naechste", 1}, {"naechste", 2}, {"vorher", 1}, {"vorher", 0}, {"vorher", 0},
    };
    for (const Schritt& s : schritte) {
        if (QString::fromLatin1(s.befehl) == "naechste")
            w->naechste();
        else
            w->vorherclick();
        EXPECT_EQ(w->knotenindex(w->gewaehlterKnoten()), s.danach) << s.befehl;
    }
    // Node 2 is a formula: the change handler loaded it.
    w->knotenwaehlen(2);
    EXPECT_EQ(w->txtshape1->text(), "Geschwindigkeit");
    w->knotenwaehlen(int(kBaum.size()) - 1);
    w->naechste();
    EXPECT_EQ(w->knotenindex(w->gewaehlterKnoten()), 0);
    EXPECT_FALSE(w->ScrollBox5->isHidden());
    w->knotenwaehlen(1);
    w->vorherclick();
    EXPECT_EQ(w->knotenindex(w->gewaehlterKnoten()), 0);
    w->knotenwaehlen(7);
    w->vorherclick();
    EXPECT_EQ(knotentext(), "Wärme");
}

TEST_F(Fixture, SearchFindsOneHitPerClickInTreeOrder)
{
    struct Fall {
        const char* text;
        std::vector<int> treffer; // selected node after each click, -1: message
    };
    const std::vector<Fall> faelle{
        // lower case finds mixed case; after the last hit the message, then
        // the search starts again at the top
        {"zehnfach", {13, 15, -1, 13}},
        // umlauts are not folded
        {"öff", {-1}},
        {"Öff", {19, 19}},
        {"", {-1, -1}},
        {"gibtsnicht", {-1}},
    };
    for (const Fall& f : faelle) {
        w->Edit1->setText(QString::fromUtf8(f.text));
        bool erster = true;
        for (int erwartet : f.treffer) {
            const int vorher = w->knotenindex(w->gewaehlterKnoten());
            seams.messages.clear();
            if (erster)
                w->SuchenClick();
            else
                w->WeiterClick();
            erster = false;
            if (erwartet < 0) {
                EXPECT_EQ(seams.messageTexts(), QStringList{"Ausdruck nicht gefunden"}) << f.text;
                EXPECT_EQ(w->knotenindex(w->gewaehlterKnoten()), vorher) << f.text;
            } else {
                EXPECT_TRUE(seams.messages.empty()) << f.text;
                EXPECT_EQ(w->knotenindex(w->gewaehlterKnoten()), erwartet) << f.text;
            }
        }
    }
    // A hit on the last node starts the next search at the top, silently.
    EXPECT_EQ(w->suchpos, 0);
}

TEST_F(Fixture, EmptyCollectionLeavesNavigationAndSearchHarmless)
{
    delete w.data();
    const QList<kolvar::FieldDef> felder = Datadlg->table2->fieldDefs();
    ASSERT_TRUE(Datadlg->table2->createDataSet(felder));
    w = neuesFenster();
    EXPECT_EQ(w->TreeView2->topLevelItemCount(), 0);
    EXPECT_TRUE(gezeigt(w->gebietlabels).isEmpty());
    w->naechste();
    w->vorherclick();
    EXPECT_EQ(w->gewaehlterKnoten(), nullptr);
    w->Edit1->setText("a");
    w->SuchenClick();
    EXPECT_EQ(seams.messageTexts(), QStringList{"Ausdruck nicht gefunden"});
    EXPECT_EQ(w->suchpos, 0);
    w->SpeedButton9Click();
    EXPECT_TRUE(w->PageControl1->isHidden());
}

TEST_F(Fixture, ExpandAndCollapseAll)
{
    w->BitBtn3Click();
    for (QTreeWidgetItem* k : w->alleKnoten()) {
        if (k->childCount() > 0) {
            EXPECT_TRUE(k->isExpanded()) << k->text(0).toStdString();
        }
    }
    w->collapscloseClick();
    for (QTreeWidgetItem* k : w->alleKnoten())
        EXPECT_FALSE(k->isExpanded()) << k->text(0).toStdString();
}

// --- commands ----------------------------------------------------------------

struct Stand {
    const char* name;
    bool an;
};

void pruefe(Texcausdlg& f, const char* fall, const std::vector<Stand>& staende)
{
    for (const Stand& s : staende) {
        QObject* o = f.findChild<QObject*>(QLatin1String(s.name));
        ASSERT_NE(o, nullptr) << s.name;
        // A command whose target this build lacks is off whatever it should
        // be; what it would be is still tracked.
        bool wirklich = false;
        if (auto* a = qobject_cast<QAction*>(o))
            wirklich = a->isEnabled();
        else
            wirklich = qobject_cast<QWidget*>(o)->isEnabled();
        if (f.ohneZiel(o)) {
            EXPECT_FALSE(wirklich) << fall << ": " << s.name;
            EXPECT_EQ(f.gewuenscht(o), s.an) << fall << ": " << s.name;
        } else {
            EXPECT_EQ(wirklich, s.an) << fall << ": " << s.name;
        }
    }
}

TEST_F(Fixture, CommandsFollowTheSelectionAndTheCalculationLine)
{
    const std::vector<Stand> aus{
        {"SpeedButton8", false}, {"seite1btn", false}, {"Seite2btn", false},   {"seite3btn", false},
        {"Speedrechne", false},  {"Speedrechfens", false}, {"Rechne1", false}, {"Rechnenfenster1", false},
        {"SeiteBeispiel1", false}, {"SeiteKolvar1", false}, {"SeiteRechnung1", false}, {"Umformen2", false},
        {"abellenkalkulation1", false},
    };
    pruefe(*w, "created", aus);
    w->ScrollBox6Click(w->gebietlabels[0]);
    pruefe(*w, "area", aus);
    w->ScrollBox5Click(w->themenlabels[0]);
    pruefe(*w, "topic", aus);

    waehle("Mechanik", "Bewegung", "Geschwindigkeit");
    pruefe(*w, "formula with a calculation line",
           {{"seite1btn", true}, {"SeiteKolvar1", true}, {"Umformen2", true}, {"SpeedButton8", true},
            {"Seite2btn", true}, {"SeiteRechnung1", true}, {"Speedrechne", true}, {"Speedrechfens", true},
            {"Rechne1", true}, {"Rechnenfenster1", true}, {"abellenkalkulation1", true}, {"ausgabe", true},
            {"SpeedButton11", true}, {"SeiteBeispiel1", false}, {"seite3btn", false}});
    EXPECT_TRUE(w->PageControl1->isTabVisible(1));
    EXPECT_FALSE(w->PageControl1->isTabVisible(2));

    // The menu's calculation commands need the page "Rechnung".
    w->Seite2btnClick();
    w->seite1btnClick();
    pruefe(*w, "description page", {{"Rechne1", false}, {"Rechnenfenster1", false}, {"Speedrechne", true}});
    w->Seite2btnClick();
    pruefe(*w, "calculation page", {{"Rechne1", true}, {"Rechnenfenster1", true}});
    w->FormActivate();
    pruefe(*w, "activated on the calculation page", {{"Rechne1", true}});

    waehle("Mechanik", "Bewegung", "Beschleunigung");
    pruefe(*w, "formula whose first rearrangement has none",
           {{"seite1btn", true}, {"Umformen2", true}, {"Seite2btn", false}, {"SeiteRechnung1", false},
            {"Speedrechne", false}, {"Speedrechfens", false}, {"Rechne1", false}, {"Rechnenfenster1", false}});
    EXPECT_FALSE(w->PageControl1->isTabVisible(1));
    // Neither activation nor a page change enables a calculation that has
    // no line.
    w->FormActivate();
    w->PageControl1->setCurrentIndex(1);
    w->PageControl1Change();
    pruefe(*w, "activated without a line", {{"Rechne1", false}, {"Rechnenfenster1", false}});

    // Back on a list, the calculation line of the formula shown before does
    // not count.
    waehle("Mechanik", "Bewegung", "Geschwindigkeit");
    w->Seite2btnClick();
    w->SpeedButton9Click();
    w->FormActivate();
    pruefe(*w, "formula list after a formula", aus);

    // The window's file, its duplicate and its picture work whatever it
    // shows.
    for (const char* name : {"ffnen1", "Speichern1", "Speichernunter1", "SpeedButton4", "SpeedButton14",
                             "saveas", "Duplizieren1", "SpeedButton17", "ausgabe", "SpeedButton11"}) {
        QObject* o = w->findChild<QObject*>(QLatin1String(name));
        ASSERT_NE(o, nullptr) << name;
        EXPECT_TRUE(o->property("enabled").toBool()) << name;
    }
}

TEST_F(Fixture, ShortcutsWinOverTheKeysOfEveryEdit)
{
    Tfktbaum liste;
    projektliste = &liste;
    w->show();
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w));
    const struct {
        QAction* befehl;
        QKeyCombination taste;
    } befehle[] = {
        {w->Seitekopieren1, Qt::CTRL | Qt::Key_S}, {w->Inhalt1, Qt::CTRL | Qt::Key_I},
        {w->SeiteKolvar1, Qt::CTRL | Qt::Key_F},   {w->SeiteRechnung1, Qt::CTRL | Qt::Key_R},
        {w->SeiteBeispiel1, Qt::CTRL | Qt::Key_G}, {w->NchsteKolvar2, Qt::CTRL | Qt::Key_N},
        {w->VorhergehendeKolvar2, Qt::CTRL | Qt::Key_H}, {w->Umformen2, Qt::CTRL | Qt::Key_U},
        {w->Rechne1, QKeyCombination(Qt::Key_F10)},
    };
    for (QLineEdit* edit : {w->Edit1, static_cast<QLineEdit*>(w->extendEdits[1]),
                            static_cast<QLineEdit*>(w->extendEdits[2]),
                            static_cast<QLineEdit*>(w->extendEdits[3])}) {
        for (const auto& b : befehle) {
            SCOPED_TRACE(edit->objectName().toStdString() + " " + b.befehl->objectName().toStdString());
            // Every command is available: a formula calculated on the page "Rechnung".
            waehle("Mechanik", "Bewegung", "Geschwindigkeit");
            if (!w->Inhalt1->isChecked())
                w->Inhalt1->trigger();
            w->extendEdits[2]->setText("6");
            w->extendEdits[3]->setText("3");
            w->Seite2btnClick();
            w->Rechne1Click();
            ASSERT_TRUE(b.befehl->isEnabled());
            edit->setFocus();
            ASSERT_TRUE(edit->hasFocus());
            edit->setText("12");
            QSignalSpy ausgeloest(b.befehl, &QAction::triggered);
            QTest::keyClick(edit, b.taste.key(), b.taste.keyboardModifiers());
            EXPECT_EQ(ausgeloest.count(), 1);
        }
    }
    projektliste = nullptr;
}

TEST_F(Fixture, PagesAreSwitchedByMenuAndButtons)
{
    waehle("Mechanik", "Bewegung", "Geschwindigkeit");
    w->SeiteRechnung1->trigger();
    EXPECT_EQ(w->PageControl1->currentIndex(), 1);
    w->SeiteKolvar1->trigger();
    EXPECT_EQ(w->PageControl1->currentIndex(), 0);
    QTest::mouseClick(w->Seite2btn, Qt::LeftButton);
    EXPECT_EQ(w->PageControl1->currentIndex(), 1);
    QTest::mouseClick(w->seite1btn, Qt::LeftButton);
    EXPECT_EQ(w->PageControl1->currentIndex(), 0);
}

TEST_F(Fixture, ContentsPanelHidesShowsAndDrags)
{
    w->resize(900, 600);
    w->show();
    // Hide and show restore the width it had.
    w->Inhalt1Click();
    EXPECT_FALSE(w->Inhalt1->isChecked());
    EXPECT_EQ(w->panelbreite(), 0);
    EXPECT_EQ(w->merkewidth, 300);
    w->Inhalt1->trigger(); // the menu item runs the same toggle
    EXPECT_TRUE(w->Inhalt1->isChecked());
    EXPECT_EQ(w->panelbreite(), 300);

    // Dragging the splitter sets the width; a move without the left button
    // ends the drag.
    w->Panel2MouseDown();
    EXPECT_TRUE(w->ziehen);
    w->FormMouseMove(Qt::LeftButton, Qt::NoModifier, 50);
    EXPECT_EQ(w->panelbreite(), 50);
    w->FormMouseMove(Qt::NoButton, Qt::NoModifier, 120);
    EXPECT_FALSE(w->ziehen);
    w->FormMouseMove(Qt::LeftButton, Qt::NoModifier, 200);
    EXPECT_EQ(w->panelbreite(), 50);
    // A shift-drag is no drag.
    w->Panel2MouseDown();
    w->FormMouseMove(Qt::LeftButton, Qt::ShiftModifier, 90);
    EXPECT_FALSE(w->ziehen);
    EXPECT_EQ(w->panelbreite(), 50);

    // Dragged almost shut, hidden and shown: 160 wide.
    w->Panel2MouseDown();
    w->FormMouseMove(Qt::LeftButton, Qt::NoModifier, 3);
    w->FormMouseMove(Qt::NoButton, Qt::NoModifier, 3);
    w->SpeedButton6->click();
    w->SpeedButton6->click();
    EXPECT_EQ(w->panelbreite(), 160);

    // A press on the splitter starts a drag; letting go ends it.
    QTest::mousePress(w->Panel2, Qt::LeftButton);
    EXPECT_TRUE(w->ziehen);
    QMouseEvent los(QEvent::MouseButtonRelease, QPointF(80, 80), QPointF(80, 80), Qt::LeftButton,
                    Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &los);
    EXPECT_FALSE(w->ziehen);
    EXPECT_EQ(w->panelbreite(), 160);

    // A window opened with the panel hidden shows it 300 wide.
    QPointer<Texcausdlg> zweites = neuesFenster();
    zweites->setPanelbreite(0);
    zweites->Inhalt1->setChecked(false);
    zweites->SpeedButton1->click();
    EXPECT_EQ(zweites->panelbreite(), 300);
    delete zweites.data();
}

// Notes the colours the window has while it is printed.
struct DruckSeams : kolvar::ScriptedSeams {
    QColor seite, fenster;
    bool printWidget(QWidget& widget, bool withDialog) override
    {
        seite = widget.findChild<QScrollArea*>("ScrollBox1")->widget()->palette().color(QPalette::Window);
        fenster = widget.palette().color(QPalette::Window);
        return ScriptedSeams::printWidget(widget, withDialog);
    }
};

TEST_F(Fixture, PrintingUsesWhiteAndRestoresTheColours)
{
    waehle("Mechanik", "Bewegung", "Geschwindigkeit");
    const QColor gelb = w->ScrollBox1->widget()->palette().color(QPalette::Window);
    const QColor fenster = w->palette().color(QPalette::Window);
    DruckSeams drucker;
    kolvar::SeamsGuard druckerGuard(drucker);
    w->Drucken1->trigger();
    ASSERT_EQ(drucker.prints.size(), 1u);
    EXPECT_EQ(drucker.prints[0].kind, kolvar::ScriptedSeams::Print::Widget);
    EXPECT_TRUE(drucker.prints[0].withDialog);
    EXPECT_EQ(drucker.prints[0].widgetName, "excausdlg");
    EXPECT_EQ(drucker.seite, QColor(Qt::white));
    EXPECT_EQ(drucker.fenster, QColor(Qt::white));
    EXPECT_EQ(w->ScrollBox1->widget()->palette().color(QPalette::Window), gelb);
    EXPECT_EQ(gelb, QColor(255, 255, 0));
    EXPECT_EQ(w->palette().color(QPalette::Window), fenster);
}

TEST_F(Fixture, PageCopyPutsThePictureOnTheClipboard)
{
    w->resize(700, 500);
    w->show();
    QApplication::clipboard()->clear();
    w->Seitekopieren1->trigger();
    const QImage bild = QApplication::clipboard()->image();
    ASSERT_FALSE(bild.isNull());
    EXPECT_EQ(bild.size() / bild.devicePixelRatio(), w->centralWidget()->size());
}

TEST_F(Fixture, NumberFormatIsExchangedWithTheSharedDialog)
{
    Tzahlenform dialog;
    zahlenform = &dialog;
    w->zahlenformat = "0.000";
    seams.answerDialog(QDialog::Rejected, [](QDialog&) {
        zahlenform->FormatEdit->setText("0.0");
    });
    w->Zahlenformat1->trigger();
    EXPECT_EQ(w->zahlenformat, "0.000");
    EXPECT_EQ(dialog.zahlenformat, "0.000");
    seams.answerDialog(QDialog::Accepted, [](QDialog&) {
        zahlenform->FormatEdit->setText("0.00E-0");
        zahlenform->BitBtn1Click();
    });
    w->SpeedButton19->click();
    EXPECT_EQ(w->zahlenformat, "0.00E-0");
    zahlenform = nullptr;
}

TEST_F(Fixture, HelpOpensTheHelpPageBelowTheProgramDirectory)
{
    QDir().mkpath(verzeichnis + "hilfe");
    QFile seite(verzeichnis + "hilfe/index.htm");
    ASSERT_TRUE(seite.open(QIODevice::WriteOnly));
    seite.close();
    w->Inhalt2->trigger();
    ASSERT_EQ(seams.documentsOpened.size(), 2);
    EXPECT_EQ(seams.documentsOpened[0], QDir::cleanPath(verzeichnis + "hilfe/index.htm"));
}

TEST_F(Fixture, CloseCommandFreesTheWindow)
{
    w->show();
    w->Beenden1->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(w.isNull());
}

TEST_F(Fixture, MainWindowOpensSeveralOwnedFormulaWindows)
{
    kolvar::FensterRegister fabrik;
    kolvar::registriereKolvarfenster(fabrik);
    ASSERT_TRUE(fabrik.kann(kolvar::Fensterart::Kolvarfenster));
    TMainForm haupt;
    MainForm = &haupt;
    haupt.FormCreate(verzeichnis + "kolvar");
    haupt.setWindowFactory(&fabrik);
    haupt.zahlenformat = "0.0000";
    ASSERT_TRUE(haupt.SpeedButton48->isEnabled());
    haupt.SpeedButton48->click();
    haupt.Kolvarsammlung1->trigger();
    const QList<QWidget*> fenster = haupt.eigeneFenster();
    ASSERT_EQ(fenster.size(), 2);
    for (QWidget* f : fenster) {
        auto* k = qobject_cast<Texcausdlg*>(f);
        ASSERT_NE(k, nullptr);
        EXPECT_TRUE(k->isVisible());
        EXPECT_EQ(k->parent(), nullptr);
        EXPECT_EQ(k->zahlenformat, "0.0000");
        EXPECT_EQ(k->verzeichnis, haupt.verzeichnis);
    }
    EXPECT_EQ(excausdlg, fenster[1]);
    // "Hauptmenü" brings the main window back.
    haupt.hide();
    qobject_cast<Texcausdlg*>(fenster[1])->SpeedButton5->click();
    EXPECT_TRUE(haupt.isVisible());
    // The shell's data module was opened again on the same directory.
    fenster[0]->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(haupt.eigeneFenster().size(), 1);
    haupt.fenster_freigeben();
    EXPECT_EQ(excausdlg, nullptr);
    MainForm = nullptr;
}

} // namespace
