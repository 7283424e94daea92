// The template editor: inserting, splitting, replacing and deleting nodes,
// and what OK and Cancel leave in the template tree file.
#include "platform/seams.h"
#include "shell/tmainform.h"
#include "shell/treetext.h"
#include "shell/tvorlbeadlg.h"
#include "support/tippen.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

#include <memory>

namespace {

struct Editor : ::testing::Test {
    kolvar::ScriptedSeams seams;
    kolvar::SeamsGuard guard{seams};
    QTemporaryDir dir;
    std::unique_ptr<Tvorlbeadlg> dlg;
    QString datei;

    void SetUp() override
    {
        QDir(dir.path()).mkpath(QStringLiteral("Lektion"));
        datei = dir.path() + QStringLiteral("/Lektion/lekt.out");
        dlg = std::make_unique<Tvorlbeadlg>();
        dlg->setVerzeichnis(dir.path() + QStringLiteral("/"));
    }
    void schreibe(const QByteArray& inhalt)
    {
        QFile f(datei);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(inhalt);
    }
    QByteArray gelesen() const
    {
        QFile f(datei);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<fehlt>");
    }
    void zeige()
    {
        dlg->show();
        dlg->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(dlg.get()));
    }
    void eingeben(const QString& beschreibung, const QString& name)
    {
        dlg->Edit1->clear();
        testpaths::tippen(dlg->Edit1, beschreibung);
        dlg->Edit2->clear();
        testpaths::tippen(dlg->Edit2, name);
    }
    void waehle(const QString& text)
    {
        for (QTreeWidgetItem* k : kolvar::allNodes(*dlg->TreeView1))
            if (k->text(0) == text) {
                // Clicked only while not yet selected: a click on the selected
                // node begins an in-place edit.
                for (QTreeWidgetItem* p = k->parent(); p; p = p->parent())
                    p->setExpanded(true);
                dlg->TreeView1->scrollToItem(k);
                if (dlg->TreeView1->currentItem() != k)
                    QTest::mouseClick(dlg->TreeView1->viewport(), Qt::LeftButton, {},
                                  dlg->TreeView1->visualItemRect(k).center());
                return;
            }
        FAIL() << "no node " << text.toStdString();
    }
};

} // namespace

TEST_F(Editor, InsertsGoBeforeTheSelectionOrUnderItAndAtTheTopWithoutOne)
{
    zeige(); // no file yet: an empty tree that can get its first node
    eingeben(QStringLiteral("Mechanik"), QStringLiteral("mech"));
    QTest::mouseClick(dlg->BitBtn4, Qt::LeftButton);
    eingeben(QStringLiteral("Optik"), QString());
    QTest::mouseClick(dlg->Suchen, Qt::LeftButton);
    waehle(QStringLiteral("Mechanik(mech)"));
    eingeben(QStringLiteral("Pendel"), QStringLiteral("pendel"));
    QTest::mouseClick(dlg->BitBtn4, Qt::LeftButton);
    eingeben(QStringLiteral("Wurf"), QStringLiteral("wurf"));
    QTest::mouseClick(dlg->BitBtn4, Qt::LeftButton);
    waehle(QStringLiteral("Wurf(wurf)"));
    eingeben(QStringLiteral("Fall"), QStringLiteral("fall"));
    QTest::mouseClick(dlg->Suchen, Qt::LeftButton);
    // File order, not sorted.
    EXPECT_EQ(kolvar::treeToLines(*dlg->TreeView1),
              (QStringList{"Mechanik(mech)", "\tPendel(pendel)", "\tFall(fall)", "\tWurf(wurf)", "Optik()"}));
    EXPECT_EQ(dlg->Label1->text(), QStringLiteral("Wurf(wurf)"));
}

TEST_F(Editor, SplitReplaceAndDeleteWorkOnTheSelectionOnly)
{
    schreibe("Mechanik\r\n\tPendel (pendel)\r\n\tBewegung\r\n\t\tFall(fall)\r\nFalsch)(x\r\n");
    zeige();
    // Nothing selected: these buttons do nothing.
    dlg->TreeView1->setCurrentItem(nullptr);
    for (QPushButton* b : {dlg->BitBtn5, dlg->BitBtn7, dlg->Demo})
        QTest::mouseClick(b, Qt::LeftButton);
    EXPECT_EQ(kolvar::treeToLines(*dlg->TreeView1).size(), 5);
    EXPECT_TRUE(dlg->Edit1->text().isEmpty());

    const struct {
        QString knoten, beschreibung, name;
    } faelle[] = {
        {"Pendel (pendel)", "Pendel ", "pendel"},
        {"Falsch)(x", "Pendel ", "pendel"}, // no ")" after the "(": edits unchanged
        {"Fall(fall)", "Fall", "fall"},
    };
    for (const auto& f : faelle) {
        waehle(f.knoten);
        QTest::mouseClick(dlg->BitBtn5, Qt::LeftButton);
        EXPECT_EQ(dlg->knotentext, f.knoten);
        EXPECT_EQ(dlg->Edit1->text(), f.beschreibung) << f.knoten.toStdString();
        EXPECT_EQ(dlg->Edit2->text(), f.name);
    }
    eingeben(QStringLiteral("Freier Fall"), QStringLiteral("fall"));
    QTest::mouseClick(dlg->BitBtn7, Qt::LeftButton);
    EXPECT_EQ(dlg->Label1->text(), QStringLiteral("Freier Fall(fall)"));
    waehle(QStringLiteral("Bewegung"));
    QTest::mouseClick(dlg->Demo, Qt::LeftButton); // the whole branch goes
    EXPECT_EQ(kolvar::treeToLines(*dlg->TreeView1),
              (QStringList{"Mechanik", "\tPendel (pendel)", "Falsch)(x"}));
}

TEST_F(Editor, OkWritesOneTabPerLevelCancelWritesNothing)
{
    const QByteArray alt = "M\xe4rchen (m)\r\n\tTeil\r\n"; // Windows-1252, as older trees are
    schreibe(alt);
    zeige();
    waehle(QStringLiteral("Teil"));
    eingeben(QStringLiteral("Größe"), QStringLiteral("g"));
    QTest::mouseClick(dlg->BitBtn4, Qt::LeftButton);
    QTest::mouseClick(dlg->BitBtn2, Qt::LeftButton);
    EXPECT_EQ(dlg->result(), QDialog::Rejected);
    EXPECT_EQ(gelesen(), alt);

    zeige(); // shown again: the file's tree, the edit above is gone
    EXPECT_EQ(kolvar::treeToLines(*dlg->TreeView1), (QStringList{"Märchen (m)", "\tTeil"}));
    waehle(QStringLiteral("Teil"));
    QTest::mouseClick(dlg->BitBtn4, Qt::LeftButton);
    // An in-place edit still open is taken over.
    waehle(QStringLiteral("Märchen (m)"));
    QTest::keyClick(dlg->TreeView1, Qt::Key_F2);
    QWidget* editor = QApplication::focusWidget();
    ASSERT_NE(editor, dlg->TreeView1);
    QTest::keyClick(editor, Qt::Key_End);
    QTest::keyClicks(editor, QStringLiteral("!"));
    dlg->BitBtn1->click();
    EXPECT_EQ(dlg->result(), QDialog::Accepted);
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_EQ(gelesen(), QByteArray("M\xc3\xa4rchen (m)!\r\n\tTeil\r\n\t\tGr\xc3\xb6\xc3\x9f"
                                    "e(g)\r\n"));
}

TEST_F(Editor, AFailedWriteKeepsTheDialogAndItsEditsWithTheMessage)
{
    schreibe("A\r\n");
    zeige();
    eingeben(QStringLiteral("B"), QStringLiteral("b"));
    QTest::mouseClick(dlg->Suchen, Qt::LeftButton);
    QFile::remove(datei);
    QDir().mkpath(datei); // a folder where the file should be: it cannot be written
    QTest::mouseClick(dlg->BitBtn1, Qt::LeftButton);
    ASSERT_EQ(seams.messages.size(), 1u);
    EXPECT_TRUE(dlg->isVisible());
    // Coming back to the dialog, as after the message box, reloads nothing.
    QApplication::setActiveWindow(nullptr);
    QApplication::setActiveWindow(dlg.get());
    EXPECT_EQ(kolvar::treeToLines(*dlg->TreeView1).size(), 2);
}

TEST_F(Editor, CurrentProjectFillsTheNameAndTheCheckBoxStartsUnchecked)
{
    TMainForm haupt;
    MainForm = &haupt;
    zeige();
    EXPECT_FALSE(dlg->vorprojekt->isChecked());
    dlg->Edit2->setText(QStringLiteral("alt"));
    QTest::mouseClick(dlg->BitBtn6, Qt::LeftButton);
    EXPECT_TRUE(dlg->Edit2->text().isEmpty());
    haupt.projektname = QStringLiteral("/home/a/projekt.pro");
    QTest::mouseClick(dlg->BitBtn6, Qt::LeftButton);
    EXPECT_EQ(dlg->Edit2->text(), QStringLiteral("/home/a/projekt.pro"));
    MainForm = nullptr;
}
