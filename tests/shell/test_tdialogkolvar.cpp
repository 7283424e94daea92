#include "engine/tfktbaum.h"
#include "platform/seams.h"
#include "platform/textfile.h"
#include "shell/tdialogkolvar.h"
#include "shell/tzahlenform.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>
#include <memory>

namespace {

class DialogkolvarTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dlg = std::make_unique<Tdialogkolvar>();
    }

    void define(const QString& zeile)
    {
        dlg->Edit1->setText(zeile);
        dlg->definierenClick();
    }

    QStringList lines(QListWidget* list) const
    {
        QStringList out;
        for (int i = 0; i < list->count(); ++i)
            out << list->item(i)->text();
        return out;
    }

    void selectDefinition(int row)
    {
        dlg->zeigekolvar->setCurrentRow(row);
        dlg->zeigekolvarClick(row);
    }

    kolvar::ScriptedSeams seams;
    kolvar::SeamsGuard guard{seams};
    kolvar::Projektformeln formeln;
    std::unique_ptr<Tdialogkolvar> dlg;
};

TEST_F(DialogkolvarTest, TheProjectFormulasOutliveTheDialog)
{
    EXPECT_EQ(projektliste, &formeln.liste());
    define("x=2");
    dlg.reset();
    ASSERT_EQ(projektliste, &formeln.liste());
    EXPECT_EQ(projektliste->count(), 1);
}

TEST_F(DialogkolvarTest, DefiningListsDefinitionsAndValues)
{
    define("x=2");
    define("f(x)=x^2");
    define("g(t)=t+1"); // T is no variable: its query fails, so no value line
    EXPECT_TRUE(seams.messages.empty());
    EXPECT_EQ(lines(dlg->zeigekolvar), (QStringList{"x=2", "f(x)=x^2", "g(t)=t+1"}));
    // Values in the shared pattern of the number-format dialog.
    EXPECT_EQ(lines(dlg->ListBox1), (QStringList{"x=2,00", "f(x)=4,00"}));
}

TEST_F(DialogkolvarTest, ValuesFollowTheSharedNumberFormat)
{
    Tzahlenform fmt;
    zahlenform = &fmt;
    fmt.zahlenformat = QStringLiteral("0.000");
    define("a = 5"); // blanks and tabs are removed before the value query
    define("b\t=\ta*2");
    EXPECT_EQ(lines(dlg->ListBox1), (QStringList{"a=5,000", "b=10,000"}));
    zahlenform = nullptr;
}

TEST_F(DialogkolvarTest, RejectedDefinitionsSayFehlerhafterAusdruck)
{
    const QStringList bad = {"f(x)=", "3+4", "x=2*", QString(200, QLatin1Char('1')).prepend("a=")};
    for (const QString& zeile : bad) {
        seams.messages.clear();
        define(zeile);
        EXPECT_EQ(seams.messageTexts(), QStringList{"Fehlerhafter Ausdruck"}) << zeile.toStdString();
    }
    EXPECT_EQ(projektliste->count(), 0);
}

TEST_F(DialogkolvarTest, EmptyExampleIsRejected)
{
    dlg->ListBox4Click(dlg->ListBox4->item(dlg->ListBox4->count() - 1)->text());
    EXPECT_EQ(seams.messageTexts(), QStringList{"Fehlerhafter Ausdruck"});
    dlg->ListBox4Click("p2(x)=2*x^2+3*x+4");
    EXPECT_EQ(dlg->Edit1->text(), "p2(x)=2*x^2+3*x+4");
    EXPECT_EQ(projektliste->count(), 1);
    EXPECT_EQ(dlg->ListBox4->count(), 15);
}

TEST_F(DialogkolvarTest, KeypadAndFunctionsInsertAtTheCaret)
{
    dlg->show();
    dlg->Edit1->setText("f(x)=x+");
    dlg->Edit1->setCursorPosition(7);
    dlg->Button18Click("5");
    EXPECT_EQ(dlg->Edit1->text(), "f(x)=x+5");
    EXPECT_EQ(dlg->Edit1->cursorPosition(), 8);
    dlg->ListBox3Click("SQRT");
    EXPECT_EQ(dlg->Edit1->text(), "f(x)=x+5SQRT()");
    EXPECT_EQ(dlg->Edit1->cursorPosition(), 13);
    // A selection is replaced.
    dlg->Edit1->setSelection(0, 1);
    dlg->Button18Click("g");
    EXPECT_EQ(dlg->Edit1->text(), "g(x)=x+5SQRT()");
    EXPECT_EQ(dlg->tasten.size(), 20);
}

TEST_F(DialogkolvarTest, KeypadAndFunctionListReplaceTheSelectionMadeWithKeys)
{
    dlg->show();
    dlg->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dlg.get()));
    QLineEdit* e = dlg->Edit1;
    e->setFocus();
    e->setText("f(x)=x+1");
    auto waehleVomEnde = [e](int zeichen) {
        QTest::keyClick(e, Qt::Key_End);
        for (int i = 0; i < zeichen; ++i)
            QTest::keyClick(e, Qt::Key_Left, Qt::ShiftModifier);
    };
    waehleVomEnde(1);
    QTest::mouseClick(dlg->tasten[5], Qt::LeftButton);
    EXPECT_EQ(e->text(), "f(x)=x+5");
    EXPECT_EQ(e->cursorPosition(), 8);
    EXPECT_TRUE(e->hasFocus());

    waehleVomEnde(3);
    QListWidgetItem* sqrt = dlg->ListBox3->findItems("SQRT", Qt::MatchExactly).value(0);
    ASSERT_NE(sqrt, nullptr);
    QTest::mouseClick(dlg->ListBox3->viewport(), Qt::LeftButton, {},
                      dlg->ListBox3->visualItemRect(sqrt).center());
    EXPECT_EQ(e->text(), "f(x)=SQRT()");
    EXPECT_EQ(e->cursorPosition(), 10);
    EXPECT_TRUE(e->hasFocus());

    // Leaving with Shift+Tab and coming back with Tab selects nothing.
    QTest::keyClick(e, Qt::Key_Backtab, Qt::ShiftModifier);
    ASSERT_FALSE(e->hasFocus());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_TRUE(e->hasFocus());
    EXPECT_FALSE(e->hasSelectedText());
    EXPECT_EQ(e->cursorPosition(), 10);
}

TEST_F(DialogkolvarTest, DeleteRefusesAUsedFormulaAndAsksForOthers)
{
    define("a=5");
    define("b=a*2");
    selectDefinition(0);
    dlg->BitBtn5Click();
    EXPECT_EQ(seams.messageTexts(),
              QStringList{"a=5 Kolvar kann nicht gelöscht werde,da Sie in einer anderen Kolvar "
                          "enthalten ist."});
    EXPECT_EQ(projektliste->count(), 2);

    // The question names the entry to be deleted even when the edit line
    // holds something else.
    selectDefinition(1);
    dlg->Edit1->setText("a=5");
    seams.answerYes();
    dlg->BitBtn5Click();
    EXPECT_EQ(seams.questionTexts(), QStringList{"b=a*2wirklich löschen ?"});
    EXPECT_EQ(lines(dlg->zeigekolvar), QStringList{"a=5"});
}

TEST_F(DialogkolvarTest, DeleteFindsTheNameInsideLongerNames)
{
    define("S=1");
    define("f(x)=SIN(x)");
    selectDefinition(0);
    dlg->BitBtn5Click();
    EXPECT_EQ(seams.messages.size(), 1u);
    EXPECT_EQ(projektliste->count(), 2);
}

TEST_F(DialogkolvarTest, DeleteWithoutSelectionOrAnsweredNoKeepsEverything)
{
    dlg->BitBtn5Click(); // empty list
    define("a=1");
    dlg->zeigekolvar->clearSelection();
    dlg->zeigekolvar->setCurrentRow(-1);
    dlg->BitBtn5Click(); // nothing selected
    EXPECT_TRUE(seams.questions.empty());
    selectDefinition(0);
    seams.answerNo();
    dlg->BitBtn5Click();
    EXPECT_EQ(projektliste->count(), 1);
}

TEST_F(DialogkolvarTest, DeleteAllAsks)
{
    define("a=1");
    define("b=2");
    seams.answerNo();
    dlg->BitBtn6Click();
    EXPECT_EQ(projektliste->count(), 2);
    seams.answerYes();
    dlg->BitBtn6Click();
    EXPECT_EQ(projektliste->count(), 0);
    EXPECT_EQ(seams.questionTexts(), (QStringList{"Alle Kolvarn löschen ?", "Alle Kolvarn löschen ?"}));
    EXPECT_EQ(dlg->zeigekolvar->count(), 0);
}

TEST_F(DialogkolvarTest, ImportSelectedLinesFromLastToFirst)
{
    QTemporaryDir dir;
    const QString datei = dir.filePath("import.for");
    ASSERT_TRUE(kolvar::writeTextLines(datei, {"a=1", "b=a+1", "c=", "a=7"}));
    seams.answerOpen(datei);
    dlg->BitBtn8Click();
    ASSERT_EQ(lines(dlg->listbox2), (QStringList{"a=1", "b=a+1", "c=", "a=7"}));

    // Walked from the last line up: a=7 is defined before b=a+1 needs it, and
    // the rejected "c=" leaves the list as well.
    dlg->listbox2->item(1)->setSelected(true);
    dlg->listbox2->item(2)->setSelected(true);
    dlg->listbox2->item(3)->setSelected(true);
    dlg->ExcludeBtnClick();
    EXPECT_EQ(seams.messageTexts(), QStringList{"Fehlerhafter Ausdruck in Zeile 3: c="});
    EXPECT_EQ(lines(dlg->zeigekolvar), (QStringList{"a=7", "b=a+1"}));
    EXPECT_EQ(lines(dlg->listbox2), QStringList{"a=1"});
}

TEST_F(DialogkolvarTest, ExportAndImportAllRoundTrip)
{
    define("x=6*(3*5-4)");
    define("p3(x)=2*(x-2)^2+5");
    define("u=sqr(4)");
    QTemporaryDir dir;
    const QString datei = dir.filePath("formeln.for");
    seams.answerSave(datei);
    dlg->BitBtn10Click();
    QStringList gelesen;
    ASSERT_TRUE(kolvar::readTextLines(datei, gelesen));
    EXPECT_EQ(gelesen, (QStringList{"x=6*(3*5-4)", "p3(x)=2*(x-2)^2+5", "u=sqr(4)"}));

    seams.answerYes();
    dlg->BitBtn6Click();
    seams.answerOpen(datei);
    dlg->BitBtn8Click();
    dlg->ExAllBtnClick();
    EXPECT_EQ(lines(dlg->zeigekolvar), gelesen);
    EXPECT_EQ(dlg->listbox2->count(), 3); // "<<" keeps the import lines
    EXPECT_TRUE(seams.messages.empty());
}

TEST_F(DialogkolvarTest, ImportDefinesLinesThatUseLaterOnes)
{
    // Redefining v keeps its place in the list, so the file holds v=w*2 before w=3.
    define("v=5");
    define("w=3");
    define("v=w*2");
    define("k(x)=x*2");
    define("q=4");
    define("k(x)=x*q");
    QTemporaryDir dir;
    const QString datei = dir.filePath("formeln.for");
    seams.answerSave(datei);
    QTest::mouseClick(dlg->BitBtn10, Qt::LeftButton);
    const QStringList exportiert = lines(dlg->zeigekolvar);
    const QStringList werte = lines(dlg->ListBox1);
    ASSERT_EQ(exportiert.first(), "v=w*2");

    for (QPushButton* knopf : {dlg->ExAllBtn, dlg->ExcludeBtn}) {
        seams.answerYes();
        dlg->BitBtn6Click();
        seams.answerOpen(datei);
        QTest::mouseClick(dlg->BitBtn8, Qt::LeftButton);
        dlg->listbox2->selectAll();
        QTest::mouseClick(knopf, Qt::LeftButton);
        EXPECT_TRUE(seams.messages.empty()) << seams.messageTexts().join('|').toStdString();
        QStringList definiert = lines(dlg->zeigekolvar);
        definiert.sort();
        QStringList erwartet = exportiert;
        erwartet.sort();
        EXPECT_EQ(definiert, erwartet);
        QStringList w = lines(dlg->ListBox1);
        w.sort();
        QStringList we = werte;
        we.sort();
        EXPECT_EQ(w, we);
    }
}

TEST_F(DialogkolvarTest, ImportNamesEveryLineThatStillFails)
{
    dlg->listbox2->addItems({"a=b", "d=3+", "b=2", "", "c=nix"});
    QTest::mouseClick(dlg->ExAllBtn, Qt::LeftButton);
    EXPECT_EQ(seams.messageTexts(), (QStringList{"Fehlerhafter Ausdruck in Zeile 2: d=3+",
                                                 "Fehlerhafter Ausdruck in Zeile 4: ",
                                                 "Fehlerhafter Ausdruck in Zeile 5: c=nix"}));
    EXPECT_EQ(lines(dlg->ListBox1), (QStringList{"b=2,00", "a=2,00"}));
}

TEST_F(DialogkolvarTest, CancelledFileDialogsChangeNothing)
{
    dlg->listbox2->addItem("keep");
    dlg->BitBtn8Click(); // no answer queued: cancelled
    dlg->BitBtn10Click();
    EXPECT_EQ(lines(dlg->listbox2), QStringList{"keep"});
    EXPECT_EQ(seams.fileRequests.size(), 2u);
    EXPECT_EQ(seams.fileRequests[0].request.filter, "Kolvarn|*.FOR|Text|*.TXT|Alle Dateien|*.*");
}

TEST_F(DialogkolvarTest, CyclicFormulasStillRefresh)
{
    define("a=1");
    define("b=a*2");
    define("a=b+1"); // a cycle through b: stored, but neither evaluates
    EXPECT_EQ(dlg->zeigekolvar->count(), 2);
    EXPECT_EQ(dlg->ListBox1->count(), 0);
}

TEST_F(DialogkolvarTest, PickingADefinitionFillsTheEditLine)
{
    define("a=1");
    define("f(x)=x*a");
    dlg->Edit1->clear();
    selectDefinition(1);
    EXPECT_EQ(dlg->Edit1->text(), "f(x)=x*a");
    dlg->zeigekolvarClick(7); // out of range: nothing happens
    EXPECT_EQ(dlg->Edit1->text(), "f(x)=x*a");
}

} // namespace

#include "support/testpaths.h"
#include <QPixmap>

namespace {

// Writes a picture of the dialog with a few formulas for a person to look at.
TEST_F(DialogkolvarTest, Screenshot)
{
    define("x=2");
    define("f(x)=x^2");
    define("Pa(u)=2*u^2-6*u+1");
    dlg->show();
    const QPixmap bild = dlg->grab();
    ASSERT_FALSE(bild.isNull());
    EXPECT_TRUE(bild.save(testpaths::buildDir() + "/dialogkolvar.png"));
    dlg->PageControl1->setCurrentIndex(2);
    EXPECT_TRUE(dlg->grab().save(testpaths::buildDir() + "/dialogkolvar_werte.png"));
}

} // namespace
