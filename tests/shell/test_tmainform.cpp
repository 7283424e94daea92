// The main window: menus and buttons, the run-time window list, the close
// query, the template panel's height rule, "Neues Projekt", the pages it
// opens and the template tree file.
#include "platform/seams.h"
#include "engine/tfktbaum.h"
#include "shell/buttonpictures.h"
#include "shell/tdialogkolvar.h"
#include "shell/tinflizen.h"
#include "shell/tmainform.h"
#include "shell/treetext.h"
#include "shell/tzahlenform.h"
#include "support/testpaths.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QMenu>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include <memory>

using kolvar::Fensterart;
using kolvar::Fenstervorgaben;

namespace {

// A run-time window as the factory makes them: top level, freed on close,
// or refusing to close (the fractal window while it draws).
class FakeFenster : public QWidget {
public:
    explicit FakeFenster(bool weigert = false) : m_weigert(weigert)
    {
        setAttribute(Qt::WA_DeleteOnClose);
    }
    std::optional<Fenstervorgaben> vorgaben;
    int closeEvents = 0;

protected:
    void closeEvent(QCloseEvent* e) override
    {
        ++closeEvents;
        if (m_weigert)
            e->ignore();
    }

private:
    bool m_weigert;
};

struct Fixture : ::testing::Test {
    kolvar::ScriptedSeams seams;
    kolvar::SeamsGuard guard{seams};
    kolvar::FensterRegister fabrik;
    QTemporaryDir dir;
    std::unique_ptr<TMainForm> form;
    QList<FakeFenster*> erzeugt;

    void SetUp() override
    {
        for (Fensterart art : {Fensterart::Kolvarfenster, Fensterart::Rechnenfenster,
                               Fensterart::Tabellenkalkulation, Fensterart::Fraktale})
            fabrik.eintragen(art, [this, art](const std::optional<Fenstervorgaben>& v) {
                auto* w = new FakeFenster(art == Fensterart::Fraktale);
                w->vorgaben = v;
                erzeugt << w;
                return w;
            });
        form = std::make_unique<TMainForm>();
        form->FormCreate(dir.path() + QStringLiteral("/kolvar"));
        form->setWindowFactory(&fabrik);
    }
    void TearDown() override
    {
        form.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    // Lets closed windows that free themselves go.
    static void freigeben() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
};

QStringList menuTexts(const QMenu* menu)
{
    QStringList texts;
    for (const QAction* a : menu->actions()) {
        QString t = a->isSeparator() ? QStringLiteral("-") : a->text();
        if (!a->shortcut().isEmpty())
            t += QLatin1Char('\t') + a->shortcut().toString();
        texts << t;
    }
    return texts;
}

} // namespace

TEST(TMainFormStatic, ProgramDirectoryHasExactlyOneTrailingSlash)
{
    const struct {
        QString exe, dir;
    } cases[] = {
        {QStringLiteral("/opt/kolvar/kolvar"), QStringLiteral("/opt/kolvar/")},
        {QStringLiteral("/kolvar"), QStringLiteral("/")},
        {QStringLiteral("/opt//kolvar/./kolvar"), QStringLiteral("/opt/kolvar/")},
        {QStringLiteral("kolvar"), QDir::currentPath() + QStringLiteral("/")},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TMainForm::programmverzeichnis(c.exe), c.dir) << c.exe.toStdString();
}

TEST_F(Fixture, CreationSetsTheProgramWideState)
{
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Kolvarsammlung Kolvar"));
    EXPECT_EQ(form->verzeichnis, dir.path() + QStringLiteral("/"));
    EXPECT_EQ(form->zahlenformat, QStringLiteral("0.00"));
    EXPECT_TRUE(form->projektname.isEmpty());
    EXPECT_EQ(form->PageControl1->currentWidget(), form->TabSheet2);
    EXPECT_FALSE(form->PageControl1->isTabVisible(0));
    EXPECT_FALSE(form->PageControl1->tabBar()->isVisibleTo(form.get()));
    // No template file in this directory: an empty tree, no message.
    EXPECT_EQ(form->TreeView1->topLevelItemCount(), 0);
    EXPECT_TRUE(seams.messages.empty());
}

TEST_F(Fixture, MenusHoldEveryItemInOrderWithItsShortcut)
{
    EXPECT_EQ(menuTexts(form->Projekt1),
              (QStringList{"&Neues Projekt", "Projekt ö&ffnen...", "Projekt &speichern",
                           "Projekt speichern &unter...", "-", "&HTML Ausgabeverzeichnis", "-",
                           "Vorlagen &anzeigen\tF2", "V&orlagen bearbeiten", "-",
                           "&Fenster/Projektkolvarn anzeigen", "&Verdeckte Fenster anzeigen\tF3", "-",
                           "&Vorgabe Zahlenformat...", "-", "&Beenden"}));
    EXPECT_EQ(menuTexts(form->Aufgabenfenster1),
              (QStringList{"&Kolvarsammlung", "&Rechnen", "&Tabellenkalkulation", "Kolvar&datenbank", "-"}));
    EXPECT_EQ(menuTexts(form->Dialoge1),
              (QStringList{"&Projektkolvarn bearbeiten...", "&Tabellenwerte", "&Umrechnungen",
                           "&Griechisches Alphabet"}));
    EXPECT_FALSE(form->GriechischeBuchstaben1->isVisible());
    EXPECT_EQ(menuTexts(form->Hilfe1), (QStringList{"&Inhalt\tF1", "&Demo", "In&fo...", "Homepage"}));
    const QStringList bar{"&Projekt", "&Aufgabenfenster", "&Dialoge", "&Hilfe"};
    QStringList titles;
    for (const QMenu* m : {form->Projekt1, form->Aufgabenfenster1, form->Dialoge1, form->Hilfe1})
        titles << m->title();
    EXPECT_EQ(titles, bar);
}

TEST_F(Fixture, ToolBarButtonsCarryTheirHintsCaptionsAndPictures)
{
    const struct {
        const char* name;
        QString caption, hint;
        QSize size;
    } cases[] = {
        {"SpeedButton2", {}, "Projekt öffnen", {25, 25}},
        {"SpeedButton3", {}, "Projekt speichern", {25, 25}},
        {"SpeedButton13", {}, "Projekt speichern unter", {25, 25}},
        {"Hilfe", {}, "Hilfe", {25, 25}},
        {"SpeedButton19", {}, "Vorgabe Zahlenformat", {25, 25}},
        {"SpeedButton5", {}, "Beenden", {25, 25}},
        {"SpeedButton34", {}, "HTML Ausgabeverzeichnis", {25, 25}},
        {"SpeedButton36", {}, "Vorlagen anzeigen", {25, 25}},
        {"SpeedButton46", {}, "Verdeckte Fenster anzeigen", {25, 25}},
        {"SpeedButton48", "Kolvarsammlung", {}, {125, 40}},
        {"SpeedButton1", "Tabellenwerte", {}, {125, 40}},
        {"SpeedButton47", " Projektkolvarn", "Projektkolvarn bearbeiten", {125, 40}},
        {"SpeedButton39", "Rechnen", "Neues Rechnenfenster", {125, 40}},
        {"SpeedButton4", "Umrechnungen", {}, {125, 40}},
        {"SpeedButton8", "Kolvardatenbank", {}, {125, 40}},
    };
    form->show();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto* b = form->findChild<QToolButton*>(QString::fromLatin1(c.name));
        ASSERT_NE(b, nullptr);
        EXPECT_EQ(b->text(), c.caption);
        EXPECT_EQ(b->toolTip(), c.hint);
        EXPECT_EQ(b->size(), c.size);
        EXPECT_FALSE(b->icon().isNull());
        // The caption fits the button beside the picture.
        EXPECT_LE(b->fontMetrics().horizontalAdvance(c.caption) + 8, b->width());
    }
}

TEST(ButtonPictures, EveryPictureDrawsAtOneAndTwoTimesScale)
{
    using kolvar::ButtonPicture;
    for (int p = int(ButtonPicture::Oeffnen); p <= int(ButtonPicture::VorlageOeffnen); ++p) {
        const QIcon icon = kolvar::buttonIcon(ButtonPicture(p), 19);
        for (qreal scale : {1.0, 2.0}) {
            const QPixmap pm = icon.pixmap(QSize(19, 19), scale);
            EXPECT_EQ(pm.devicePixelRatio(), scale) << p;
            const QImage img = pm.toImage();
            EXPECT_EQ(img.width(), qRound(19 * scale)) << p;
            int painted = 0;
            for (int y = 0; y < img.height(); ++y)
                for (int x = 0; x < img.width(); ++x)
                    painted += qAlpha(img.pixel(x, y)) > 128;
            // A recognisable shape, not a blank or a filled square.
            EXPECT_GT(painted, img.width() * img.height() / 10) << p << " at " << scale;
            EXPECT_LT(painted, img.width() * img.height()) << p << " at " << scale;
        }
    }
}

TEST_F(Fixture, CommandsWithoutTheirWindowAreDisabledUntilOneIsRegistered)
{
    // Registered: all four run-time kinds. Nothing else.
    for (QObject* on : std::initializer_list<QObject*>{form->Kolvarsammlung1, form->SpeedButton48,
                                                        form->NeuesRechnenfenster1, form->SpeedButton39,
                                                        form->Tabellenkalkulation1, form->Neu1, form->Fenster1,
                                                        form->VerdeckteFenster1, form->Inhalt1, form->Homepage1})
        EXPECT_TRUE(on->property("enabled").toBool()) << on->objectName().toStdString();
    for (QObject* off : std::initializer_list<QObject*>{form->Info1, form->Kolvarnbearbeiten2, form->SpeedButton47,
                                                         form->Kolvardatenbank1, form->SpeedButton8,
                                                         form->Demo, form->SpeedButton35, form->ffnen1,
                                                         form->SpeedButton2, form->Vorlage})
        EXPECT_FALSE(off->property("enabled").toBool()) << off->objectName().toStdString();

    kolvar::FensterRegister leer;
    form->setWindowFactory(&leer);
    EXPECT_FALSE(form->Kolvarsammlung1->isEnabled());
    EXPECT_FALSE(form->SpeedButton39->isEnabled());
    form->Kolvarfenster(); // a disabled command reached anyway does nothing
    EXPECT_TRUE(form->eigeneFenster().isEmpty());

    QDialog info;
    info.setObjectName(QStringLiteral("inflizen"));
    form->dialog_eintragen(Dialogfenster::inflizen, &info);
    EXPECT_TRUE(form->Info1->isEnabled());
    form->Info1->trigger();
    EXPECT_EQ(seams.dialogsRun, QStringList{"inflizen"});
}

TEST_F(Fixture, NewWindowsTakeTheDefaultsAndJoinTheListInOrder)
{
    Tzahlenform zf;
    form->dialog_eintragen(Dialogfenster::zahlenform, &zf);
    zf.winkelmodus = 2;
    form->zahlenformat = QStringLiteral("0.000");
    form->SpeedButton48->click();
    form->NeuesRechnenfenster1->trigger();
    form->Tabellenkalkulation1->trigger();
    form->Fraktale1Click();

    ASSERT_EQ(erzeugt.size(), 4);
    EXPECT_EQ(form->eigeneFenster(), (QList<QWidget*>{erzeugt[0], erzeugt[1], erzeugt[2], erzeugt[3]}));
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(erzeugt[i]->vorgaben.has_value());
        EXPECT_EQ(erzeugt[i]->vorgaben->zahlenformat, QStringLiteral("0.000"));
        EXPECT_TRUE(erzeugt[i]->isVisible());
    }
    EXPECT_EQ(erzeugt[1]->vorgaben->winkelmodus, 2); // only the calculation window
    EXPECT_EQ(erzeugt[0]->vorgaben->winkelmodus, 1);
    EXPECT_FALSE(erzeugt[3]->vorgaben.has_value());

    // A later change of the default leaves open windows alone.
    form->zahlenformat = QStringLiteral("0.0");
    EXPECT_EQ(erzeugt[0]->vorgaben->zahlenformat, QStringLiteral("0.000"));
}

TEST_F(Fixture, ACalculationWindowThatCannotTakeATranscriptIsNotLeftStanding)
{
    // The fixture's calculation windows offer no typed operations.
    EXPECT_EQ(form->protokollfenster_erzeugen(Fenstervorgaben{}), nullptr);
    ASSERT_EQ(erzeugt.size(), 1);
    freigeben();
    EXPECT_TRUE(form->alleFenster().isEmpty());
}

TEST_F(Fixture, NeuesProjektClosesRunTimeWindowsAndResetsTheFormat)
{
    for (int i = 0; i < 3; ++i)
        form->Kolvarfenster();
    form->Tabellenkalkulation1Click();
    form->Fraktale1Click(); // refuses to close, as the fractal window while it draws
    QDialog editor; // a long-lived dialog stays open
    editor.show();
    form->dialog_eintragen(Dialogfenster::bearbformdlg, &editor);
    form->zahlenformat = QStringLiteral("0.0000E-00");
    form->projektname = QStringLiteral("/tmp/a.pro");
    kolvar::Projektformeln formeln;
    ASSERT_TRUE(projektliste->definiere("A=5"));
    ASSERT_TRUE(projektliste->definiere("F(X)=A*X"));

    form->Neu1->trigger();
    freigeben();

    ASSERT_EQ(form->eigeneFenster().size(), 1);
    EXPECT_EQ(form->eigeneFenster().front(), erzeugt.back());
    EXPECT_EQ(erzeugt.back()->closeEvents, 1);
    EXPECT_TRUE(editor.isVisible());
    EXPECT_EQ(form->zahlenformat, QStringLiteral("0.00"));
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Neues Projekt"));
    EXPECT_TRUE(form->projektname.isEmpty());
    EXPECT_EQ(projektliste->count(), 0);
}

TEST_F(Fixture, HiddenWindowsAreShownNormalAndDialogsLeftAlone)
{
    form->Kolvarfenster();
    form->Kolvarfenster();
    form->Tabellenkalkulation1Click();
    erzeugt[0]->showMinimized();
    erzeugt[1]->hide();
    QDialog manager;
    form->dialog_eintragen(Dialogfenster::anzeigedlg, &manager);

    form->SpeedButton46->click();
    for (FakeFenster* w : erzeugt) {
        EXPECT_TRUE(w->isVisible());
        EXPECT_FALSE(w->isMinimized());
    }
    EXPECT_FALSE(manager.isVisible());
    // A window that freed itself is gone from the list, the rest keep their order.
    erzeugt[1]->close();
    freigeben();
    EXPECT_EQ(form->eigeneFenster(), (QList<QWidget*>{erzeugt[0], erzeugt[2]}));
}

TEST_F(Fixture, CloseQueryNoKeepsEverythingYesEndsWithWindowsOpen)
{
    QSignalSpy ende(form.get(), &TMainForm::programmende);
    form->show();
    form->Kolvarfenster();
    form->Tabellenkalkulation1Click();

    seams.answerNo();
    form->Beenden1->trigger();
    EXPECT_EQ(seams.questionTexts(), QStringList{"Kolvar beenden ?"});
    EXPECT_EQ(seams.questions.front().icon, kolvar::MessageIcon::Question);
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(ende.count(), 0);
    EXPECT_EQ(form->eigeneFenster().size(), 2);

    seams.answerYes();
    form->SpeedButton5->click();
    EXPECT_EQ(seams.questions.size(), 2u);
    EXPECT_EQ(ende.count(), 1);
    EXPECT_FALSE(form->isVisible());
    // The run-time windows were not asked; they end with the program.
    for (FakeFenster* w : erzeugt)
        EXPECT_EQ(w->closeEvents, 0);
    EXPECT_EQ(form->eigeneFenster().size(), 2);
}

TEST_F(Fixture, TemplatePanelShrinksAndGrowsByItsHeightOnlyWhenActive)
{
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    QWidget other;
    other.show();
    QApplication::setActiveWindow(&other);
    const int hoehe = form->height();
    const int panel = form->PageControl1->height();
    ASSERT_GT(panel, 0);

    form->SpeedButton36->click(); // another window in front: only brought up
    EXPECT_TRUE(form->PageControl1->isVisible());
    EXPECT_EQ(form->height(), hoehe);

    QApplication::setActiveWindow(form.get());
    ASSERT_TRUE(form->isActiveWindow());
    form->Fenster1->trigger();
    EXPECT_FALSE(form->PageControl1->isVisible());
    EXPECT_EQ(form->height(), hoehe - panel);

    form->Fenster1Click();
    EXPECT_TRUE(form->PageControl1->isVisible());
    EXPECT_EQ(form->height(), hoehe);
    QCoreApplication::processEvents();
    EXPECT_EQ(form->PageControl1->height(), panel);
}

TEST_F(Fixture, NumberFormatIsExchangedThroughTheSharedDialog)
{
    Tzahlenform zf;
    form->dialog_eintragen(Dialogfenster::zahlenform, &zf);
    form->zahlenformat = QStringLiteral("0.0");
    seams.answerDialog(QDialog::Rejected, [](QDialog& d) {
        static_cast<Tzahlenform&>(d).FormatEdit->setText(QStringLiteral("0.000"));
    });
    form->SpeedButton19->click();
    EXPECT_EQ(form->zahlenformat, QStringLiteral("0.0"));
    EXPECT_EQ(zf.zahlenformat, QStringLiteral("0.0")); // the dialog was given the window's format

    seams.answerDialog(QDialog::Accepted, [](QDialog& d) {
        auto& z = static_cast<Tzahlenform&>(d);
        z.FormatEdit->setText(QStringLiteral("##0.###"));
        z.BitBtn1->click();
    });
    form->Zahlenformat->trigger();
    EXPECT_EQ(form->zahlenformat, QStringLiteral("##0.###"));
}

TEST_F(Fixture, HelpOutputAndHomePageGoToTheDesktop)
{
    QDir(dir.path()).mkpath(QStringLiteral("Hilfe"));
    QFile(dir.path() + QStringLiteral("/Hilfe/index.html")).open(QIODevice::WriteOnly);
    form->Inhalt1->trigger();
    form->SpeedButton34->click();
    form->Homepage1->trigger();
    const QString p = dir.path();
    EXPECT_EQ(seams.documentsOpened,
              (QStringList{p + "/Hilfe/index.html", p + "/Hilfe", p + "/ausgabe/index.htm", p + "/ausgabe",
                           p + "/Hilfe/index.html", ""}));
    EXPECT_TRUE(seams.messages.empty());
    // The program has no web site, and its info text names no address.
    const Tinflizen info;
    for (const char* adresse : {"http", "www.", ".org", "Homepage"})
        EXPECT_FALSE(info.Memo3->toPlainText().contains(QLatin1String(adresse))) << adresse;
}

TEST_F(Fixture, OpeningAMissingProjectSaysSoAndKeepsTheWindows)
{
    form->Kolvarfenster();
    form->projekt_oeffnen(dir.path() + QStringLiteral("/fehlt.pro"));
    EXPECT_EQ(seams.messageTexts(), QStringList{"Datei nicht vorhanden."});
    EXPECT_EQ(form->eigeneFenster().size(), 1);
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Kolvarsammlung Kolvar"));
}

TEST_F(Fixture, HauptfensterZeigenBringsTheMainWindowBack)
{
    MainForm = form.get();
    form->showMinimized();
    hauptfenster_zeigen();
    EXPECT_TRUE(form->isVisible());
    EXPECT_FALSE(form->isMinimized());
    MainForm = nullptr;
}

namespace {

QStringList treeLines(const QTreeWidget& tree)
{
    QStringList lines;
    std::function<void(QTreeWidgetItem*, int)> walk = [&](QTreeWidgetItem* item, int depth) {
        lines << QString(depth, QLatin1Char('\t')) + item->text(0);
        for (int i = 0; i < item->childCount(); ++i)
            walk(item->child(i), depth + 1);
    };
    for (int i = 0; i < tree.topLevelItemCount(); ++i)
        walk(tree.topLevelItem(i), 0);
    return lines;
}

} // namespace

TEST(TreeText, LinesBecomeSortedNodesByTheirTabs)
{
    const struct {
        const char* name;
        QStringList lines, shown;
    } cases[] = {
        {"sorted per level, children follow their parent",
         {"Mechanik", "\tPendel (pendel)", "\tBewegung", "\t\tFall (fall)", "Akustik (schall)"},
         {"Akustik (schall)", "Mechanik", "\tBewegung", "\t\tFall (fall)", "\tPendel (pendel)"}},
        {"umlauts beside their letter, case ignored",
         {"Pendel", "Ölpumpe", "ohm", "Zahnrad"},
         {"ohm", "Ölpumpe", "Pendel", "Zahnrad"}},
        {"blank lines skipped, text kept as written",
         {"", "Kreis (kreis) ", "   ", "\t"},
         {"Kreis (kreis) "}},
        {"a jump of two levels hangs under the line before",
         {"A", "\t\t\tTief", "B"},
         {"A", "\tTief", "B"}},
        {"a first line that starts deep is a top-level node", {"\t\tX", "Y"}, {"X", "Y"}},
    };
    QTreeWidget tree;
    tree.setSortingEnabled(true);
    tree.sortByColumn(0, Qt::AscendingOrder);
    for (const auto& c : cases) {
        kolvar::treeFromLines(tree, c.lines);
        EXPECT_EQ(treeLines(tree), c.shown) << c.name;
    }
}

TEST(TreeText, FileIsFoundInAnyCaseAndAMissingOneEmptiesTheTree)
{
    QTemporaryDir dir;
    QDir(dir.path()).mkpath(QStringLiteral("LEKTION"));
    QFile f(dir.path() + QStringLiteral("/LEKTION/Lekt.out"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("Mechanik\r\n\tFreier Fall (fall)\r\n\xc4nderung (a)\r\n"); // Windows-1252 "Ä"
    f.close();

    QTreeWidget tree;
    tree.setSortingEnabled(true);
    ASSERT_TRUE(kolvar::loadTreeText(tree, dir.path() + QStringLiteral("/Lektion\\lekt.out")));
    EXPECT_EQ(treeLines(tree), (QStringList{"Änderung (a)", "Mechanik", "\tFreier Fall (fall)"}));
    EXPECT_FALSE(kolvar::loadTreeText(tree, dir.path() + QStringLiteral("/Lektion/fehlt.out")));
    EXPECT_EQ(tree.topLevelItemCount(), 0);
}
