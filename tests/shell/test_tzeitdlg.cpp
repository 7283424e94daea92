// The template demo: ten ticks per template, the gauge, pause and resume,
// stopping, and the ticks it skips. The tick slot is driven directly; the
// buttons by clicks.
#include "controls/tspineditin.h"
#include "platform/seams.h"
#include "shell/tmainform.h"
#include "shell/tzeitdlg.h"

#include <QDir>
#include <QFile>
#include <QFrame>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include <memory>

namespace {

struct Demo : ::testing::Test {
    kolvar::ScriptedSeams seams;
    kolvar::SeamsGuard guard{seams};
    QTemporaryDir dir;
    std::unique_ptr<TMainForm> form;
    std::unique_ptr<Tzeitdlg> dlg;

    void SetUp() override
    {
        // Headings only: stepping through them opens nothing.
        QDir(dir.path()).mkpath(QStringLiteral("Lektion"));
        QFile f(dir.path() + QStringLiteral("/Lektion/lekt.out"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("Erste\r\n\tUnten\r\nZweite\r\n");
        f.close();
        form = std::make_unique<TMainForm>();
        MainForm = form.get();
        form->FormCreate(dir.path() + QStringLiteral("/kolvar"));
        dlg = std::make_unique<Tzeitdlg>();
        form->dialog_eintragen(Dialogfenster::zeitdlg, dlg.get());
    }
    void TearDown() override
    {
        dlg.reset();
        form.reset();
    }
    QString aktuell() const { return form->TreeView1->currentItem()->text(0); }
    void ticks(int n)
    {
        for (int i = 0; i < n; ++i)
            dlg->Timer1Timer();
    }
};

} // namespace

TEST_F(Demo, EveryTemplateStaysTenTicksAndTheLastIsFollowedByTheFirst)
{
    form->show();
    QTest::mouseClick(form->SpeedButton35, Qt::LeftButton);
    ASSERT_TRUE(dlg->isVisible());
    EXPECT_TRUE(dlg->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(dlg->Panel1->isVisible());
    dlg->spineditin1->selectAll();
    QTest::keyClicks(dlg->spineditin1, QStringLiteral("3"));
    QTest::mouseClick(dlg->demostart, Qt::LeftButton);
    EXPECT_TRUE(dlg->Panel2->isVisible());
    EXPECT_FALSE(dlg->Panel1->isVisible());
    EXPECT_TRUE(dlg->Timer1->isActive());
    EXPECT_EQ(dlg->Timer1->interval(), 300);
    EXPECT_EQ(dlg->Gauge1->value(), 0);

    QStringList gezeigt{aktuell()};
    for (int schablone = 0; schablone < 3; ++schablone) {
        ticks(9);
        EXPECT_EQ(dlg->Gauge1->value(), 90);
        EXPECT_EQ(aktuell(), gezeigt.back());
        ticks(1);
        EXPECT_EQ(dlg->Gauge1->value(), 100);
        EXPECT_EQ(dlg->takt, 0);
        gezeigt << aktuell();
    }
    EXPECT_EQ(gezeigt, (QStringList{"Erste", "Unten", "Zweite", "Erste"}));
    EXPECT_TRUE(seams.messages.empty());
}

TEST_F(Demo, PauseKeepsTheTicksSoTheTemplateFinishesItsTime)
{
    dlg->show();
    QTest::mouseClick(dlg->demostart, Qt::LeftButton);
    ticks(5);
    QTest::mouseClick(dlg->Pause, Qt::LeftButton);
    EXPECT_EQ(dlg->Pause->text(), QStringLiteral("Weiter"));
    EXPECT_FALSE(dlg->Timer1->isActive());
    QTest::mouseClick(dlg->Pause, Qt::LeftButton);
    EXPECT_EQ(dlg->Pause->text(), QStringLiteral("Pause"));
    EXPECT_TRUE(dlg->Timer1->isActive());
    ticks(4);
    EXPECT_EQ(aktuell(), QStringLiteral("Erste"));
    ticks(1);
    EXPECT_EQ(aktuell(), QStringLiteral("Unten"));
}

TEST_F(Demo, TicksWaitWhileAModalDialogIsUp)
{
    dlg->show();
    QTest::mouseClick(dlg->demostart, Qt::LeftButton);
    ticks(3);
    {
        QDialog modal;
        modal.setModal(true);
        modal.show();
        ticks(20);
        EXPECT_EQ(dlg->takt, 3);
    }
    ticks(7);
    EXPECT_EQ(aktuell(), QStringLiteral("Unten"));
}

TEST_F(Demo, CancelAndTheCloseBoxStopItAndTheNextStartShowsTheIntervalPage)
{
    for (bool schliessfeld : {false, true}) {
        SCOPED_TRACE(schliessfeld ? "close box" : "cancel button");
        dlg->show();
        QTest::mouseClick(dlg->demostart, Qt::LeftButton);
        QTest::mouseClick(dlg->Pause, Qt::LeftButton);
        if (schliessfeld)
            dlg->close();
        else
            QTest::mouseClick(dlg->BitBtn2, Qt::LeftButton);
        EXPECT_FALSE(dlg->isVisible());
        EXPECT_FALSE(dlg->Timer1->isActive());
        dlg->show();
        EXPECT_TRUE(dlg->Panel1->isVisible());
        EXPECT_FALSE(dlg->Panel2->isVisible());
        EXPECT_EQ(dlg->Pause->text(), QStringLiteral("Pause"));
        dlg->hide();
    }
}
