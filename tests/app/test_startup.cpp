// The whole start-up and shut-down, in-process, on a temporary copy of the
// shipped program directory.
#include "app/startup.h"
#include "data/tdatadlg.h"
#include "platform/datatable.h"
#include "engine/notifier.h"
#include "platform/seams.h"
#include "shell/tdialogkolvar.h"
#include "shell/thtmldlg.h"
#include "shell/tinflizen.h"
#include "shell/tinfokolvar.h"
#include "shell/tmainform.h"
#include "shell/tzahlenform.h"
#include "support/testpaths.h"
#include "tools/teditform.h"
#include "tools/tfraktaldlg.h"
#include "tools/ttabelleform.h"

#include <QApplication>
#include <QDateTime>
#include <QDirIterator>
#include <QFile>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTest>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include <map>

namespace {

using testpaths::copyTree;

// Every file below dir with its size and time of last change.
std::map<QString, std::pair<qint64, QDateTime>> snapshot(const QString& dir)
{
    std::map<QString, std::pair<qint64, QDateTime>> files;
    QDirIterator it(dir, QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        files[info.filePath()] = {info.size(), info.lastModified()};
    }
    return files;
}

// The long-lived windows in the order start-up must create them.
const QStringList kReihenfolge{
    "TDatadlg", "TMainForm", "Tdialogkolvar", "Texpfordlg", "Tzahlenform", "Teinffordlg", "Tanzeigedlg",
    "Tvorlbeadlg", "Tsummedlg", "Tzeitdlg", "Thtmldlg", "Tneuedateidlg", "TInfoKolvar", "Tformumtab",
    "Tformumrech", "Tgriechform", "Tbearbformdlg", "Teintabdlg", "TForm5", "Teintab2dlg",
    "TVorlagekolvarDlg", "TDBFindForm", "Tinflizen"};

struct Startup : ::testing::Test {
    kolvar::ScriptedSeams seams;
    kolvar::SeamsGuard guard{seams};
    QTemporaryDir dir;
    QString programm;

    void SetUp() override
    {
        copyTree(testpaths::shippedData(), dir.path());
        programm = dir.path() + QStringLiteral("/kolvar");
    }
};

} // namespace

TEST_F(Startup, CreatesTheLongLivedWindowsInOrderAndShowsOnlyTheMainWindow)
{
    kolvar::Programm p(programm);
    p.starten();

    const QStringList erzeugt = p.erzeugungsreihenfolge();
    ASSERT_GE(erzeugt.size(), 7);
    EXPECT_EQ(erzeugt.mid(0, 2), (QStringList{"TDatadlg", "TMainForm"}));
    int vorher = -1;
    for (const QString& name : erzeugt) {
        const int stelle = kReihenfolge.indexOf(name);
        EXPECT_GT(stelle, vorher) << name.toStdString() << " out of order or unknown";
        vorher = stelle;
    }
    for (const char* vorhanden : {"Tdialogkolvar", "Texpfordlg", "Tzahlenform", "Teinffordlg", "Tsummedlg",
                                  "Thtmldlg", "Tneuedateidlg", "TInfoKolvar", "Tformumrech", "Tgriechform",
                                  "Tbearbformdlg", "Teintabdlg", "TForm5", "TVorlagekolvarDlg", "TDBFindForm",
                                  "Tinflizen"})
        EXPECT_TRUE(erzeugt.contains(QLatin1String(vorhanden))) << vorhanden;

    ASSERT_NE(MainForm, nullptr);
    QList<QWidget*> sichtbar;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && !qobject_cast<QMenu*>(w))
            sichtbar << w;
    EXPECT_EQ(sichtbar, QList<QWidget*>{MainForm});

    EXPECT_EQ(QCoreApplication::applicationName(), QStringLiteral("Kolvar"));
    EXPECT_EQ(MainForm->windowTitle(), QStringLiteral("Kolvarsammlung Kolvar"));
    EXPECT_EQ(MainForm->verzeichnis, dir.path() + QStringLiteral("/"));
    EXPECT_EQ(MainForm->zahlenformat, QStringLiteral("0.00"));
    EXPECT_EQ(zahlenform->zahlenformat, QStringLiteral("0.00E-0"));
    EXPECT_EQ(htmldlg->verzeichnis(), MainForm->verzeichnis);
    // The shipped template tree, sorted.
    ASSERT_EQ(MainForm->TreeView1->topLevelItemCount(), 3);
    EXPECT_EQ(MainForm->TreeView1->topLevelItem(0)->text(0), QStringLiteral("Elektrotechnik"));
    EXPECT_EQ(MainForm->TreeView1->topLevelItem(2)->text(0), QStringLiteral("Mechanik"));
    // The windows that exist are reachable from the main window's commands.
    EXPECT_TRUE(MainForm->Info1->isEnabled());
    EXPECT_TRUE(MainForm->SpeedButton47->isEnabled());
    EXPECT_TRUE(MainForm->SpeedButton4->isEnabled());
    EXPECT_TRUE(MainForm->SpeedButton8->isEnabled());
    EXPECT_TRUE(MainForm->Kolvardatenbank1->isEnabled());
    EXPECT_NE(projektliste, nullptr);
    EXPECT_TRUE(MainForm->SpeedButton19->isEnabled());
    // A formula window opens through the registered factory and joins the
    // main window's list with the default format.
    EXPECT_TRUE(MainForm->SpeedButton48->isEnabled());
    MainForm->SpeedButton48->click();
    ASSERT_EQ(MainForm->eigeneFenster().size(), 1);
    EXPECT_STREQ(MainForm->eigeneFenster().front()->metaObject()->className(), "Texcausdlg");
    EXPECT_TRUE(MainForm->eigeneFenster().front()->isVisible());
    // So does a spreadsheet, with the main window's format.
    ASSERT_TRUE(MainForm->Tabellenkalkulation1->isEnabled());
    MainForm->Tabellenkalkulation1->trigger();
    ASSERT_EQ(MainForm->eigeneFenster().size(), 2);
    auto* blatt = qobject_cast<Ttabelleform*>(MainForm->eigeneFenster().back());
    ASSERT_NE(blatt, nullptr);
    EXPECT_TRUE(blatt->isVisible());
    EXPECT_EQ(blatt->zahlenformat, QStringLiteral("0.00"));
    // The shipped formula and quantity tables are open, without a message.
    ASSERT_NE(Datadlg->table2, nullptr);
    ASSERT_NE(Datadlg->table1, nullptr);
    EXPECT_GT(Datadlg->table2->recordCount(), 0);
    EXPECT_GT(Datadlg->table1->recordCount(), 0);
    EXPECT_TRUE(seams.messages.empty()) << seams.messageTexts().join(u'|').toStdString();
}

TEST_F(Startup, MissingTemplateTreeStillReachesTheEventLoop)
{
    QFile::remove(dir.path() + QStringLiteral("/Lektion/lekt.out"));
    kolvar::Programm p(programm);
    QTimer::singleShot(0, [this] {
        seams.answerYes();
        MainForm->close();
    });
    // Never hang the test, yet leave a slow, loaded start-up (sanitizers,
    // many parallel tests) time enough: a guard that fires with the close
    // request would overwrite its result.
    QTimer::singleShot(60000, [] { QCoreApplication::exit(99); });
    EXPECT_EQ(p.ausfuehren(), 0);
    EXPECT_EQ(MainForm->TreeView1->topLevelItemCount(), 0);
}

TEST_F(Startup, ClosingAsksAndYesEndsTheLoopWithWindowsOpenWithoutSavingAnything)
{
    const auto vorher = snapshot(dir.path());
    {
        kolvar::Programm p(programm);
        p.starten();
        // Other windows are open, one of them hidden behind the main window.
        inflizen->show();
        InfoKolvar->show();
        QTimer::singleShot(0, [this] {
            seams.answerNo();
            MainForm->SpeedButton5->click();
            EXPECT_TRUE(MainForm->isVisible());
            seams.answerYes();
            MainForm->close();
        });
        QTimer::singleShot(60000, [] { QCoreApplication::exit(99); });
        EXPECT_EQ(p.ausfuehren(), 0);
        EXPECT_EQ(seams.questionTexts(), (QStringList{"Kolvar beenden ?", "Kolvar beenden ?"}));
    }
    // Every long-lived window is gone with the program, and nothing was
    // written: no "Standard.pro", no table, no page.
    EXPECT_EQ(MainForm, nullptr);
    EXPECT_EQ(Datadlg, nullptr);
    EXPECT_EQ(zahlenform, nullptr);
    EXPECT_EQ(inflizen, nullptr);
    EXPECT_EQ(projektliste, nullptr);
    EXPECT_EQ(snapshot(dir.path()), vorher);
    EXPECT_FALSE(QFile::exists(dir.path() + QStringLiteral("/Standard.pro")));
}

TEST_F(Startup, EngineMessagesAppearAsMessageBoxesWhileTheProgramRuns)
{
    {
        kolvar::Programm p(programm);
        p.starten();
        kolvar::engineNotify("Rekursive Definitionen nicht erlaubt!");
        EXPECT_EQ(seams.messageTexts().filter(QStringLiteral("Rekursive")),
                  QStringList{"Rekursive Definitionen nicht erlaubt!"});
    }
    const auto gezeigt = seams.messages.size();
    kolvar::engineNotify("danach");
    EXPECT_EQ(seams.messages.size(), gezeigt);
}

TEST_F(Startup, GreekTableShowsFromItsHiddenMenuItem)
{
    kolvar::Programm p(programm);
    p.starten();
    // The menu item stays hidden; its command shows the table.
    EXPECT_FALSE(MainForm->GriechischeBuchstaben1->isVisible());
    MainForm->GriechischeBuchstaben1Click();
    EXPECT_EQ(seams.dialogsRun, QStringList{QStringLiteral("griechform")});
}

TEST_F(Startup, FractalWindowOpensAsAnOwnedWindow)
{
    kolvar::Programm p(programm);
    p.starten();
    MainForm->Fraktale1Click();
    ASSERT_EQ(MainForm->eigeneFenster().size(), 1);
    EXPECT_EQ(MainForm->eigeneFenster().front(), fraktaldlg);
    EXPECT_TRUE(fraktaldlg->isVisible());
    EXPECT_EQ(fraktaldlg->windowTitle(), QStringLiteral("Fraktale"));
}

TEST_F(Startup, MainWindowPictureShowsEveryTextWhole)
{
    kolvar::Programm p(programm);
    p.starten();
    MainForm->TreeView1->expandAll();
    QCoreApplication::processEvents();
    const QPixmap bild = MainForm->grab();
    ASSERT_FALSE(bild.isNull());
    bild.save(testpaths::buildDir() + QStringLiteral("/hauptfenster.png"));

    // Every caption of the tool bar and every menu title fits its space.
    for (QToolButton* b : MainForm->findChildren<QToolButton*>()) {
        if (b->text().isEmpty() || b->toolButtonStyle() == Qt::ToolButtonIconOnly)
            continue;
        const int breite = b->fontMetrics().horizontalAdvance(b->text());
        EXPECT_LE(breite, b->width()) << b->objectName().toStdString();
    }
    for (QToolButton* b : MainForm->SpeedBar->findChildren<QToolButton*>())
        EXPECT_TRUE(MainForm->SpeedBar->rect().contains(b->geometry())) << b->objectName().toStdString();
    const QMenuBar* bar = MainForm->menuBar();
    for (QAction* a : bar->actions())
        EXPECT_TRUE(bar->rect().contains(bar->actionGeometry(a))) << a->text().toStdString();
}

TEST_F(Startup, AtTheEndEveryRunTimeWindowGoesFirstAndTheProjectFormulasLast)
{
    QStringList ende; // what ended, in order
    bool listeFehlte = false;
    {
        kolvar::Programm p(programm);
        p.starten();
        // A formula window and a calculation window from the tool bar, a
        // "Neu" window of the calculation window, and the output window of a
        // program run, which belongs to the program as a whole.
        QTest::mouseClick(MainForm->SpeedButton48, Qt::LeftButton);
        QTest::mouseClick(MainForm->SpeedButton39, Qt::LeftButton);
        auto* rechnen = qobject_cast<TEditForm*>(MainForm->eigeneFenster().back());
        ASSERT_NE(rechnen, nullptr);
        rechnen->Neu1->trigger();
        rechnen->ProgrammModus1->trigger();
        rechnen->Memo1->setPlainText(QStringLiteral("a=2\nAusgabe(a*3)"));
        QTest::mouseClick(rechnen->Rechne, Qt::LeftButton);
        ASSERT_NE(rechnen->ausgabefenster(), nullptr);
        ASSERT_EQ(MainForm->alleFenster().size(), 4);
        EXPECT_EQ(MainForm->eigeneFenster().size(), 2);

        auto merke = [&](QObject* o, const QString& name) {
            QObject::connect(o, &QObject::destroyed, [&ende, &listeFehlte, name] {
                ende << name;
                listeFehlte = listeFehlte || !projektliste;
            });
        };
        for (QWidget* w : MainForm->alleFenster())
            merke(w, QStringLiteral("Laufzeitfenster"));
        merke(MainForm, QStringLiteral("MainForm"));
        merke(dialogkolvar, QStringLiteral("dialogkolvar"));
        merke(Datadlg, QStringLiteral("Datadlg"));
    }
    EXPECT_EQ(ende, (QStringList{"Laufzeitfenster", "Laufzeitfenster", "Laufzeitfenster", "Laufzeitfenster",
                                 "dialogkolvar", "MainForm", "Datadlg"}));
    EXPECT_FALSE(listeFehlte) << "a window ended after the project-formula list";
    EXPECT_EQ(projektliste, nullptr);
}

TEST_F(Startup, TheMainAndTheFormulaWindowStayOnTheScreen)
{
    kolvar::Programm p(programm);
    p.starten();
    QTest::mouseClick(MainForm->SpeedButton48, Qt::LeftButton);
    ASSERT_EQ(MainForm->eigeneFenster().size(), 1);
    QWidget* formel = MainForm->eigeneFenster().front();
    QCoreApplication::processEvents();
    const QRect bild = MainForm->screen()->availableGeometry();
    const QString massstab = QString::number(MainForm->devicePixelRatio());
    for (QWidget* w : {static_cast<QWidget*>(MainForm), formel}) {
        EXPECT_TRUE(bild.contains(w->frameGeometry())) << w->objectName().toStdString();
        w->grab().save(testpaths::buildDir() + "/bildschirm_" + w->objectName() + "_" + massstab + ".png");
    }
    // The whole screen, where the platform can show it (under X).
    const QPixmap ganz = MainForm->screen()->grabWindow(0);
    if (!ganz.isNull())
        ganz.save(testpaths::buildDir() + "/bildschirm_ganz_" + massstab + ".png");
}
