// The window manager: its two lists, and the buttons that bring up one
// window or set all of them to normal, maximised or minimised.
#include "engine/tfktbaum.h"
#include "platform/seams.h"
#include "shell/projektliste.h"
#include "shell/tanzeigedlg.h"
#include "shell/tdialogkolvar.h"
#include "shell/tmainform.h"

#include <QApplication>
#include <QListWidget>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

#include <memory>

namespace {

struct Verwaltung : ::testing::Test {
    kolvar::ScriptedSeams seams;
    kolvar::SeamsGuard guard{seams};
    kolvar::FensterRegister fabrik;
    kolvar::Projektformeln projektformeln;
    QTemporaryDir dir;
    std::unique_ptr<TMainForm> form;
    std::unique_ptr<Tdialogkolvar> formeln;
    std::unique_ptr<Tanzeigedlg> dlg;
    QList<QWidget*> fenster;
    int nummer = 0;

    void SetUp() override
    {
        fabrik.eintragen(kolvar::Fensterart::Kolvarfenster, [this](const auto&) {
            auto* w = new QWidget;
            w->setAttribute(Qt::WA_DeleteOnClose);
            w->setWindowTitle(QStringLiteral("Fenster %1").arg(++nummer));
            fenster << w;
            return w;
        });
        form = std::make_unique<TMainForm>();
        MainForm = form.get();
        form->FormCreate(dir.path() + QStringLiteral("/kolvar"));
        form->setWindowFactory(&fabrik);
        formeln = std::make_unique<Tdialogkolvar>();
        dlg = std::make_unique<Tanzeigedlg>();
        form->dialog_eintragen(Dialogfenster::anzeigedlg, dlg.get());
        form->dialog_eintragen(Dialogfenster::dialogkolvar, formeln.get());
        for (int i = 0; i < 3; ++i)
            form->Kolvarfenster();
    }
    void TearDown() override
    {
        dlg.reset();
        form.reset();
        formeln.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    QStringList zeilen(const QListWidget* liste) const
    {
        QStringList z;
        for (int i = 0; i < liste->count(); ++i)
            z << liste->item(i)->text();
        return z;
    }
    void klickeZeile(int zeile)
    {
        QListWidgetItem* item = dlg->ListBox1->item(zeile);
        QTest::mouseClick(dlg->ListBox1->viewport(), Qt::LeftButton, {},
                          dlg->ListBox1->visualItemRect(item).center());
    }
};

} // namespace

TEST_F(Verwaltung, ShownFromTheMenuItListsFormulasAndWindowsInCreationOrder)
{
    ASSERT_TRUE(projektliste->definiere("A=5"));
    ASSERT_TRUE(projektliste->definiere("F(X)=A*X"));
    ASSERT_TRUE(form->ProjektKolvarnanzeigen1->isEnabled());
    form->ProjektKolvarnanzeigen1->trigger();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dlg.get()));
    EXPECT_TRUE(dlg->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(dlg->windowTitle(), QStringLiteral("Projektkolvarn anzeigen"));
    EXPECT_EQ(dlg->PageControl1->currentWidget(), dlg->TabSheet2);
    EXPECT_EQ(zeilen(dlg->zeigekolvar), (QStringList{"A=5", "F(X)=A*X"}));
    EXPECT_EQ(zeilen(dlg->ListBox1), (QStringList{"Fenster 1", "Fenster 2", "Fenster 3"}));

    // Not kept up to date behind the user's back: a refresh button does it.
    form->Kolvarfenster();
    EXPECT_EQ(dlg->ListBox1->count(), 3);
    QTest::mouseClick(dlg->SpeedButton1, Qt::LeftButton);
    EXPECT_EQ(dlg->ListBox1->count(), 4);
    // Closing only hides it.
    dlg->close();
    EXPECT_FALSE(dlg->isVisible());
}

TEST_F(Verwaltung, AllWindowsNormalMaximisedMinimisedAndOneBroughtUp)
{
    dlg->show();
    dlg->AktualisierenClick();
    fenster[2]->hide();
    QTest::mouseClick(dlg->SpeedButton47, Qt::LeftButton);
    EXPECT_TRUE(fenster[0]->isMaximized());
    EXPECT_FALSE(fenster[2]->isVisible()); // maximising shows no hidden window

    QTest::mouseClick(dlg->SpeedButton48, Qt::LeftButton);
    for (QWidget* w : fenster)
        EXPECT_TRUE(w->isMinimized());
    klickeZeile(1);
    EXPECT_FALSE(fenster[1]->isMinimized());
    EXPECT_TRUE(fenster[1]->isVisible());
    EXPECT_TRUE(fenster[0]->isMinimized());

    QTest::mouseClick(dlg->SpeedButton46, Qt::LeftButton);
    for (QWidget* w : fenster) {
        EXPECT_TRUE(w->isVisible());
        EXPECT_FALSE(w->isMinimized() || w->isMaximized());
    }
}

TEST_F(Verwaltung, ALineCountsTheWindowsAsTheyAreNow)
{
    dlg->show();
    dlg->AktualisierenClick();
    for (QWidget* w : fenster)
        w->showMinimized();
    fenster[1]->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    klickeZeile(2); // only two windows now: nothing happens
    EXPECT_TRUE(fenster[2]->isMinimized());
    klickeZeile(1); // the line of the closed window: the one now in its place
    EXPECT_FALSE(fenster[2]->isMinimized());
    EXPECT_TRUE(fenster[0]->isMinimized());
}

TEST_F(Verwaltung, ButtonsReachTheFormulaEditorAndTheMainWindowAndNewProjectEmptiesTheList)
{
    dlg->show();
    dlg->PageControl1->setCurrentWidget(dlg->TabSheet1);
    QTest::mouseClick(dlg->SpeedButton17, Qt::LeftButton);
    EXPECT_EQ(seams.dialogsRun, QStringList{"dialogkolvar"});

    form->showMinimized();
    dlg->PageControl1->setCurrentWidget(dlg->TabSheet2);
    QTest::mouseClick(dlg->SpeedButton2, Qt::LeftButton);
    EXPECT_TRUE(form->isVisible());
    EXPECT_FALSE(form->isMinimized());

    dlg->AktualisierenClick();
    ASSERT_EQ(dlg->ListBox1->count(), 3);
    form->Neu1->trigger();
    EXPECT_EQ(dlg->ListBox1->count(), 0);
}
