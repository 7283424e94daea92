// The table editor window driven with the mouse and the keyboard: what it
// shows of the records, its short cuts and buttons, the fill dialog, the
// search dialog, saving, and that a hidden editor does not follow the tables.
#include "collection/tbearbformdlg.h"
#include "collection/tdbfindform.h"
#include "collection/tform5.h"
#include "controls/tspineditin.h"
#include "controls/ttxtshape.h"
#include "editorfixture.h"
#include "platform/tablefieldedit.h"
#include "shell/tinfokolvar.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTest>

namespace {

struct Editor : EditorFixture {
    std::unique_ptr<TInfoKolvar> info;
    std::unique_ptr<TForm5> form5;
    std::unique_ptr<TDBFindForm> suche;
    std::unique_ptr<Tbearbformdlg> w;

    void SetUp() override
    {
        EditorFixture::SetUp();
        info = std::make_unique<TInfoKolvar>();
        InfoKolvar = info.get();
        form5 = std::make_unique<TForm5>();
        Form5 = form5.get();
        suche = std::make_unique<TDBFindForm>();
        DBFindForm = suche.get();
        w = std::make_unique<Tbearbformdlg>();
        w->verzeichnis = verzeichnis;
    }

    void TearDown() override
    {
        w.reset();
        DBFindForm = nullptr;
        Form5 = nullptr;
        InfoKolvar = nullptr;
        EditorFixture::TearDown();
    }

    void zeigen()
    {
        w->show();
        w->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
    }

    QStringList labels() const
    {
        QStringList t;
        for (QLabel* l : w->variablenlabels)
            t << l->text();
        return t;
    }

    void seite(QTabWidget* tabs, int index)
    {
        QTabBar* bar = tabs->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
        ASSERT_EQ(tabs->currentIndex(), index);
    }

    void zelle(int zeile, const QString& feld)
    {
        QTableView* g = w->DBGrid1;
        const QRect r = g->visualRect(g->model()->index(zeile, formeln->fieldIndex(feld)));
        QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, r.center());
    }

    void tippen(QLineEdit* e, const QString& text)
    {
        QTest::mouseClick(e, Qt::LeftButton);
        QTest::keyClick(e, Qt::Key_End);
        QTest::keyClick(e, Qt::Key_Home, Qt::ShiftModifier);
        QTest::keyClicks(e, text);
    }
};

TEST_F(Editor, FollowsTheTablesOnlyWhileShown)
{
    EXPECT_EQ(labels(), (QStringList{"Ergebnis in M1", "M2", "M3", "M4", "M5", "M6", "M7", "M8", "M9"}));
    EXPECT_EQ(w->DBGrid1->model()->rowCount(), 0);
    zeigen();
    EXPECT_TRUE(w->datenquellenAn());
    EXPECT_EQ(w->DBGrid1->model()->rowCount(), 5);
    EXPECT_EQ(w->DBGrid2->model()->rowCount(), groessen->recordCount());
    EXPECT_EQ(labels(), (QStringList{"Ergebnis:V", "S", "T", "", "", "", "", "", ""}));
    EXPECT_EQ(w->txtshape1->text(), "v=\\f(s;t)");
    EXPECT_EQ(w->formelfeld("INHALT")->text(), "Alpha");
    EXPECT_EQ(w->txtshape2->text(), groessen->value("SYMBOL"));

    w->close();
    EXPECT_FALSE(w->datenquellenAn());
    formeln->setRecNo(3);
    EXPECT_EQ(w->DBGrid1->model()->rowCount(), 0);
    EXPECT_EQ(w->formelfeld("INHALT")->text(), "");
    EXPECT_EQ(labels()[0], "Ergebnis:V");
    zeigen();
    EXPECT_EQ(w->formelfeld("INHALT")->text(), "Gamma");
    EXPECT_EQ(labels()[0], "Ergebnis:T");
}

TEST_F(Editor, RecordPageShowsWhatIsTypedAndAClickOnANumberGoesToItsQuantity)
{
    zeigen();
    seite(w->PageControl1, 1);
    seite(w->PageControl2, 1);
    QTest::mouseClick(w->formelfeld("M1"), Qt::LeftButton);
    EXPECT_EQ(groessen->value("NR"), "1");
    EXPECT_EQ(w->groessenfeld("RECHENVARI")->text(), "V");
    EXPECT_EQ(w->txtshape2->text(), "v");

    tippen(w->formelfeld("M2"), "1");
    EXPECT_EQ(labels().mid(0, 3), (QStringList{"Ergebnis:V", "V", "T"}));
    tippen(w->formelfeld("KOLVAR"), "v=\\f(s;t\\u(2))");
    EXPECT_EQ(w->txtshape1->text(), "v=\\f(s;t\\u(2))");
    formeln->next();
    formeln->first();
    EXPECT_EQ(formeln->value("M2"), "1");
    EXPECT_EQ(formeln->value("KOLVAR"), "v=\\f(s;t\\u(2))");
}

TEST_F(Editor, ShortCutsActAlsoWhileAnEditHasTheFocus)
{
    zeigen();
    zelle(1, "INHALT");
    QTest::keyClick(w->DBGrid1, Qt::Key_D, Qt::ControlModifier);
    EXPECT_EQ(namen(), (QStringList{"Alpha", "Beta", "Beta", "Gamma", "Delta", "Epsilon"}));
    seite(w->PageControl1, 1);
    QLineEdit* inhalt = w->formelfeld("INHALT");
    QTest::mouseClick(inhalt, Qt::LeftButton);
    formeln->setRecNo(4);
    QTest::keyClick(inhalt, Qt::Key_K, Qt::ControlModifier);
    formeln->setRecNo(1);
    QTest::keyClick(inhalt, Qt::Key_E, Qt::ControlModifier);
    EXPECT_EQ(namen(), (QStringList{"Gamma", "Alpha", "Beta", "Beta", "Gamma", "Delta", "Epsilon"}));
    EXPECT_EQ(inhalt->text(), "Gamma");
    QTest::keyClick(inhalt, Qt::Key_U, Qt::ControlModifier);
    EXPECT_EQ(namen().mid(0, 2), (QStringList{"Alpha", "Gamma"}));
    QTest::keyClick(inhalt, Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(namen().mid(0, 2), (QStringList{"Gamma", "Alpha"}));
    EXPECT_EQ(nummern(), (QStringList{"0", "1", "2", "3", "4", "5", "6"}));
    QTest::mouseClick(w->Button6, Qt::LeftButton);
    EXPECT_EQ(namen().mid(0, 2), (QStringList{"Alpha", "Gamma"}));
    QTest::mouseClick(w->Button5, Qt::LeftButton);
    EXPECT_EQ(namen().mid(0, 2), (QStringList{"Gamma", "Alpha"}));
    EXPECT_TRUE(seams.messages.empty()) << seams.messageTexts().join('|').toStdString();
}

TEST_F(Editor, FillAsksForTheDataOfTheGridsColumn)
{
    zeigen();
    zelle(1, "GRAFIK");
    seams.answerDialog(0, [](QDialog& d) {
        auto& f = static_cast<TForm5&>(d);
        EXPECT_EQ(f.Label2->text(), "GRAFIK");
        EXPECT_EQ(f.Edit1->text(), "");
        QTest::keyClicks(f.Edit1, "bild.bmp");
        f.spineditin1->selectAll();
        QTest::keyClicks(f.spineditin1, "2");
        QTest::mouseClick(f.OKBtn, Qt::LeftButton);
    });
    // Ctrl+A in an edit fills too; it does not select the edit's text.
    seite(w->PageControl1, 1);
    QTest::mouseClick(w->formelfeld("INHALT"), Qt::LeftButton);
    QTest::keyClick(w->formelfeld("INHALT"), Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(seams.dialogsRun, QStringList{"Form5"});
    EXPECT_EQ(spalte("GRAFIK"), (QStringList{"", "bild.bmp", "bild.bmp", "bild.bmp", ""}));

    seams.answerDialog(0, [](QDialog& d) {
        auto& f = static_cast<TForm5&>(d);
        f.Edit1->setText("anders");
        QTest::mouseClick(f.CancelBtn, Qt::LeftButton);
    });
    w->Ausfuellen1->trigger();
    EXPECT_EQ(spalte("GRAFIK"), (QStringList{"", "bild.bmp", "bild.bmp", "bild.bmp", ""}));
}

TEST_F(Editor, SavingKeepsTheRecordAndAFailedSaveKeepsTheChanges)
{
    zeigen();
    formeln->setRecNo(4);
    groessen->setRecNo(2);
    seite(w->PageControl1, 1);
    tippen(w->formelfeld("INHALT"), "Delta neu");
    QTest::mouseClick(w->Button2, Qt::LeftButton);
    EXPECT_TRUE(seams.messages.empty()) << seams.messageTexts().join('|').toStdString();
    EXPECT_EQ(formeln->value("INHALT"), "Delta neu");
    EXPECT_EQ(groessen->recNo(), 2);
    kolvar::DataTable gelesen;
    ASSERT_TRUE(gelesen.open(verzeichnis + "daten/kolvar.cds"));
    EXPECT_EQ(gelesen.valueAt(3, 0), "Delta neu");

    // A program directory whose "daten" is a file: nothing can be written there.
    ASSERT_TRUE(QDir().mkpath(verzeichnis + "gesperrt"));
    QFile sperre(verzeichnis + "gesperrt/daten");
    ASSERT_TRUE(sperre.open(QIODevice::WriteOnly));
    sperre.close();
    w->verzeichnis = verzeichnis + "gesperrt/";
    tippen(w->formelfeld("INHALT"), "Delta drei");
    QTest::mouseClick(w->Button2, Qt::LeftButton);
    ASSERT_EQ(seams.messages.size(), 1u);
    EXPECT_TRUE(seams.messages[0].text.endsWith("kann nicht geschrieben werden")) << seams.messages[0].text.toStdString();
    EXPECT_TRUE(formeln->hasChanges());
    EXPECT_EQ(formeln->value("INHALT"), "Delta drei");
    QTest::mouseClick(w->Button1, Qt::LeftButton);
    EXPECT_EQ(seams.messages.size(), 2u);
}

TEST_F(Editor, SearchButtonsHandEitherTableToTheSearchDialog)
{
    zeigen();
    QTest::mouseClick(w->Button3, Qt::LeftButton);
    EXPECT_TRUE(suche->isVisible());
    EXPECT_EQ(suche->tabelle, formeln);
    EXPECT_EQ(suche->ComboBox1->count(), formeln->fieldCount());
    QTest::mouseClick(w->Button4, Qt::LeftButton);
    EXPECT_EQ(suche->tabelle, groessen);
    EXPECT_EQ(suche->ComboBox1->itemText(0), "NR");
}

TEST_F(Editor, RenumberingShowsTheNoticeAndPutsItsTextBack)
{
    zeigen();
    int gezeigt = 0;
    QObject::connect(formeln, &kolvar::DataTable::dataChanged, [&] { gezeigt += info->isVisible() ? 1 : 0; });
    formeln->setRecNo(2);
    formeln->edit();
    formeln->setValue("myNr", "0");
    formeln->post();
    w->Reorganisieren->trigger();
    EXPECT_EQ(nummern(), (QStringList{"0", "1", "2", "3", "4"}));
    EXPECT_GT(gezeigt, 0);
    EXPECT_FALSE(info->isVisible());
    EXPECT_EQ(info->Label1->text(), "Kolvarfenster wird erzeugt.");
}

} // namespace
