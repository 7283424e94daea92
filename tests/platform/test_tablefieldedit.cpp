// Edits bound to a table field: what they show while the table moves, what
// typing does to the record, and how a value the field refuses is reported.
#include "platform/datatable.h"
#include "platform/seams.h"
#include "platform/tablefieldedit.h"

#include <QApplication>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

using kolvar::DataTable;
using kolvar::FieldType;
using kolvar::TableFieldEdit;
using kolvar::TableFieldMemo;

namespace {

struct FieldEditTest : ::testing::Test {
    kolvar::ScriptedSeams seams;
    kolvar::SeamsGuard guard{seams};
    DataTable table;
    QWidget window;
    TableFieldEdit* name = new TableFieldEdit(&window);
    TableFieldEdit* zahl = new TableFieldEdit(&window);
    TableFieldEdit* wert = new TableFieldEdit(&window);
    TableFieldMemo* memo = new TableFieldMemo(&window);

    void SetUp() override
    {
        ASSERT_TRUE(table.createDataSet({{"Name", FieldType::String, 5},
                                         {"Zahl", FieldType::Integer, 0},
                                         {"Wert", FieldType::Float, 0},
                                         {"Text", FieldType::Memo, 0}}));
        for (auto [n, z, w, t] : {std::tuple{"Eins", "1", "1.5", "a\r\nb"}, {"Zwei", "2", "", ""}}) {
            ASSERT_TRUE(table.append());
            table.setValue(0, n);
            table.setValue(1, z);
            table.setValue(2, w);
            table.setValue(3, t);
            ASSERT_TRUE(table.post());
        }
        table.first();
        auto* layout = new QVBoxLayout(&window);
        int i = 0;
        for (auto* e : {name, zahl, wert}) {
            e->link().setField(table.fieldName(i++));
            e->link().setTable(&table);
            layout->addWidget(e);
        }
        memo->link().setField("Text");
        memo->link().setTable(&table);
        layout->addWidget(memo);
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }
};

TEST_F(FieldEditTest, ShowsTheCurrentRecordAndFollowsTheCursor)
{
    EXPECT_EQ(name->text(), "Eins");
    EXPECT_EQ(wert->text(), "1,5");
    EXPECT_EQ(memo->toPlainText(), "a\nb");
    table.next();
    EXPECT_EQ(name->text(), "Zwei");
    EXPECT_EQ(wert->text(), "");
    name->link().setTable(nullptr);
    EXPECT_EQ(name->text(), "");
    EXPECT_TRUE(name->isReadOnly());
}

TEST_F(FieldEditTest, TypingEditsTheRecordAndMovingPostsIt)
{
    name->setFocus();
    name->selectAll();
    QTest::keyClicks(name, "Drei");
    EXPECT_EQ(table.state(), DataTable::State::Edit);
    EXPECT_EQ(table.value("Name"), "Drei");
    memo->setFocus();
    memo->moveCursor(QTextCursor::End);
    QTest::keyClick(memo, Qt::Key_Return);
    QTest::keyClicks(memo, "c");
    EXPECT_EQ(table.value("Text"), "a\r\nb\r\nc");
    table.next();
    table.first();
    EXPECT_EQ(table.value("Name"), "Drei");
    EXPECT_EQ(table.value("Text"), "a\r\nb\r\nc");
    EXPECT_TRUE(seams.messages.empty());
}

TEST_F(FieldEditTest, RefusedTextIsKeptWhileTypedAndReportedOnLeaving)
{
    zahl->setFocus();
    QTest::keyClicks(zahl, "x");
    EXPECT_EQ(zahl->text(), "1x");
    EXPECT_EQ(table.value("Zahl"), "1");
    EXPECT_TRUE(seams.messages.empty());
    name->setFocus(); // leaving the edit
    ASSERT_EQ(seams.messages.size(), 1u);
    EXPECT_TRUE(seams.messages[0].text.contains("Zahl")) << seams.messages[0].text.toStdString();
    EXPECT_EQ(zahl->text(), "1");

    // Too long for the field: refused, never cut.
    name->selectAll();
    QTest::keyClicks(name, "Sechse");
    table.next(); // the record is left while the refused text stands
    ASSERT_EQ(seams.messages.size(), 2u);
    EXPECT_TRUE(seams.messages[1].text.contains("5 Zeichen")) << seams.messages[1].text.toStdString();
    table.first();
    EXPECT_EQ(table.value("Name"), "Eins");
}

} // namespace
