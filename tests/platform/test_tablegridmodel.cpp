// The grid model and the navigator bar over a table: what a grid shows while
// the table moves, edits, inserts, loads and closes, and which navigator
// buttons a person can press in each state.
#include "platform/datatable.h"
#include "platform/seams.h"
#include "platform/tablegridmodel.h"
#include "platform/tablenavigator.h"

#include <QApplication>
#include <QLineEdit>
#include <QTableView>
#include <QTest>
#include <QVBoxLayout>
#include <QTemporaryDir>
#include <QToolButton>

#include <gtest/gtest.h>

#include <memory>

using kolvar::DataTable;
using kolvar::FieldType;
using kolvar::TableGridModel;
using kolvar::TableNavigator;

namespace {

struct GridTest : ::testing::Test {
    kolvar::ScriptedSeams seams;
    kolvar::SeamsGuard guard{seams};
    DataTable table;

    void SetUp() override
    {
        ASSERT_TRUE(table.createDataSet({{"Stoff", FieldType::String, 10}, {"Wert", FieldType::Float, 0}}));
        for (auto [stoff, wert] : {std::pair{"Eisen", "7,87"}, {"Wasser", "0,998"}, {"Luft", "0,0013"}}) {
            ASSERT_TRUE(table.append());
            ASSERT_TRUE(table.setValue(0, stoff));
            ASSERT_TRUE(table.setValue(1, wert));
            ASSERT_TRUE(table.post());
        }
        table.first();
    }

    static QStringList column(const TableGridModel& m, int c)
    {
        QStringList out;
        for (int r = 0; r < m.rowCount(); ++r)
            out << m.data(m.index(r, c)).toString();
        return out;
    }
};

TEST_F(GridTest, ShowsFieldsRowsAndFloatsWithTheGermanSeparator)
{
    TableGridModel m(&table);
    ASSERT_EQ(m.columnCount(), 2);
    EXPECT_EQ(m.headerData(0, Qt::Horizontal).toString(), "Stoff");
    EXPECT_EQ(m.headerData(1, Qt::Horizontal).toString(), "Wert");
    EXPECT_EQ(column(m, 0), (QStringList{"Eisen", "Wasser", "Luft"}));
    EXPECT_EQ(column(m, 1), (QStringList{"7,87", "0,998", "0,0013"}));
    EXPECT_EQ(m.currentRow(), 0);
    EXPECT_EQ(m.headerData(0, Qt::Vertical).toString(), QString::fromUtf8("\u25B6"));
    EXPECT_EQ(m.headerData(1, Qt::Vertical).toString(), "");
}

TEST_F(GridTest, ViewAndCursorFollowEachOther)
{
    TableGridModel m(&table);
    QTableView view;
    kolvar::connectGrid(view, m);
    EXPECT_EQ(view.currentIndex().row(), 0);

    table.last();
    EXPECT_EQ(view.currentIndex().row(), 2);
    table.prior();
    EXPECT_EQ(view.currentIndex().row(), 1);

    // A row picked in the grid moves the table.
    view.setCurrentIndex(m.index(0, 1));
    EXPECT_EQ(table.recNo(), 1);
    EXPECT_EQ(table.value(0), "Eisen");
}

TEST_F(GridTest, InsertedRecordShowsAsItIsTypedAndLeavingPostsIt)
{
    TableGridModel m(&table);
    QTableView view;
    kolvar::connectGrid(view, m);
    table.next(); // Wasser
    ASSERT_TRUE(table.insert());
    ASSERT_EQ(m.rowCount(), 4);
    EXPECT_EQ(m.currentRow(), 1);
    EXPECT_EQ(m.headerData(1, Qt::Vertical).toString(), "*");
    EXPECT_TRUE(m.setData(m.index(1, 0), "Blei"));
    EXPECT_EQ(column(m, 0), (QStringList{"Eisen", "Blei", "Wasser", "Luft"}));

    // Picking another row in the grid posts the new record where it stands.
    view.setCurrentIndex(m.index(3, 0));
    EXPECT_EQ(table.state(), DataTable::State::Browse);
    EXPECT_EQ(table.recordCount(), 4);
    EXPECT_EQ(table.value(0), "Luft");
    EXPECT_EQ(column(m, 0), (QStringList{"Eisen", "Blei", "Wasser", "Luft"}));
}

TEST_F(GridTest, UntypedInsertedRecordIsDroppedAndTheRowBelowIsReached)
{
    TableGridModel m(&table);
    ASSERT_TRUE(table.insert()); // in front of Eisen, nothing typed
    ASSERT_EQ(m.rowCount(), 4);
    EXPECT_TRUE(m.setCurrentRow(2)); // the grid shows Wasser there
    EXPECT_EQ(table.recordCount(), 3);
    EXPECT_EQ(table.value(0), "Wasser");
    EXPECT_EQ(m.rowCount(), 3);
}

TEST_F(GridTest, EditsGoIntoTheBufferAndRefusedValuesAreReported)
{
    TableGridModel m(&table);
    EXPECT_TRUE(m.setData(m.index(1, 1), "1,5"));
    EXPECT_EQ(table.state(), DataTable::State::Edit);
    EXPECT_EQ(table.recNo(), 2);
    EXPECT_EQ(m.data(m.index(1, 1)).toString(), "1,5");
    EXPECT_EQ(m.headerData(1, Qt::Vertical).toString(), "I");

    // Too long for the field, and not a number: refused, reported, unchanged.
    EXPECT_FALSE(m.setData(m.index(1, 0), "Quecksilberdampf"));
    EXPECT_FALSE(m.setData(m.index(1, 1), "viel"));
    EXPECT_EQ(seams.messages.size(), 2u);
    EXPECT_EQ(column(m, 0), (QStringList{"Eisen", "Wasser", "Luft"}));
    EXPECT_EQ(m.data(m.index(1, 1)).toString(), "1,5");

    table.post();
    EXPECT_EQ(table.valueAt(1, 1), "1.5");

    m.setReadOnly(true);
    EXPECT_FALSE(m.flags(m.index(0, 0)).testFlag(Qt::ItemIsEditable));
    EXPECT_FALSE(m.setData(m.index(0, 0), "Gold"));
}

TEST_F(GridTest, ClosingAndLoadingReshapeTheGrid)
{
    QTemporaryDir dir;
    const QString file = dir.filePath("stoffe.cds");
    ASSERT_TRUE(table.saveToFile(file));
    TableGridModel m(&table);
    int resets = 0;
    QObject::connect(&m, &QAbstractItemModel::modelReset, [&] { ++resets; });

    table.close();
    EXPECT_EQ(m.rowCount(), 0);
    EXPECT_EQ(m.columnCount(), 0);
    EXPECT_EQ(m.currentRow(), -1);

    ASSERT_TRUE(table.open(file));
    EXPECT_EQ(m.rowCount(), 3);
    EXPECT_EQ(m.columnCount(), 2);
    EXPECT_EQ(resets, 2);

    m.setTable(nullptr);
    EXPECT_EQ(m.rowCount(), 0);
    table.next(); // a detached grid no longer listens
    EXPECT_EQ(m.currentRow(), -1);

    // A grid and a bar outlive a table that goes away.
    auto kurz = std::make_unique<DataTable>();
    ASSERT_TRUE(kurz->open(file));
    m.setTable(kurz.get());
    TableNavigator nav;
    nav.setTable(kurz.get());
    ASSERT_EQ(m.rowCount(), 3);
    kurz.reset();
    EXPECT_EQ(m.rowCount(), 0);
    EXPECT_EQ(nav.table(), nullptr);
    EXPECT_FALSE(nav.button(TableNavigator::Next)->isEnabled());
}

// Which buttons a person can press, per state of the table.
TEST_F(GridTest, NavigatorEnablesWhatMakesSense)
{
    using B = TableNavigator::Button;
    TableNavigator nav;
    nav.setTable(&table);
    auto enabled = [&] {
        QString s;
        for (int b = 0; b < TableNavigator::kButtons; ++b)
            s += nav.button(B(b))->isEnabled() ? QLatin1Char('1') : QLatin1Char('0');
        return s;
    };
    struct Case {
        const char* name;
        std::function<void()> step;
        const char* expected; // First Prior Next Last Insert Delete Edit Post Cancel Refresh
    };
    const Case cases[] = {
        {"at the first record", [&] { table.first(); }, "0011111001"},
        {"in the middle", [&] { table.next(); }, "1111111001"},
        {"at the last record", [&] { table.last(); }, "1100111001"},
        {"editing", [&] { table.edit(); }, "1111110111"},
        {"back to browsing", [&] { table.cancel(); }, "1100111001"},
        {"inserting", [&] { table.insert(); }, "1111110111"},
        {"emptied", [&] {
             table.cancel();
             while (!table.isEmpty())
                 table.deleteRecord();
         }, "0000100001"},
        {"closed", [&] { table.close(); }, "0000000000"},
    };
    for (const Case& c : cases) {
        c.step();
        EXPECT_EQ(enabled().toStdString(), c.expected) << c.name;
    }
    nav.setTable(nullptr);
    EXPECT_EQ(enabled().toStdString(), "0000000000");
}

TEST_F(GridTest, NavigatorButtonsMoveEditAndDeleteAfterAsking)
{
    using B = TableNavigator::Button;
    TableNavigator nav;
    nav.setTable(&table);
    int refreshes = 0;
    QObject::connect(&nav, &TableNavigator::refreshRequested, [&] { ++refreshes; });

    nav.button(B::Last)->click();
    EXPECT_EQ(table.recNo(), 3);
    nav.click(B::Prior);
    EXPECT_EQ(table.recNo(), 2);
    nav.click(B::First);
    EXPECT_EQ(table.recNo(), 1);
    nav.click(B::Next);
    EXPECT_EQ(table.value(0), "Wasser");

    nav.click(B::Insert);
    table.setValue(0, "Blei");
    nav.click(B::Post);
    EXPECT_EQ(table.recordCount(), 4);
    EXPECT_EQ(table.value(0), "Blei");

    nav.click(B::Edit);
    table.setValue(0, "Zinn");
    nav.click(B::Cancel);
    EXPECT_EQ(table.value(0), "Blei");

    seams.answerNo();
    nav.click(B::Delete);
    EXPECT_EQ(table.recordCount(), 4);
    seams.answerYes();
    nav.click(B::Delete);
    EXPECT_EQ(table.recordCount(), 3);
    EXPECT_EQ(seams.questionTexts(), (QStringList{"Datensatz löschen?", "Datensatz löschen?"}));

    nav.click(B::Refresh);
    EXPECT_EQ(refreshes, 1);
    EXPECT_EQ(nav.button(B::First)->toolTip(), "Erster Datensatz");
    EXPECT_EQ(nav.button(B::Refresh)->toolTip(), "Daten aktualisieren");
}

// The person types into a cell and presses the bar's post or cancel button
// without leaving the cell first.
TEST_F(GridTest, BarButtonsActOnWhatIsBeingTypedInTheGrid)
{
    using B = TableNavigator::Button;
    QWidget fenster;
    auto* layout = new QVBoxLayout(&fenster);
    TableGridModel m(&table);
    auto* view = new QTableView;
    kolvar::connectGrid(*view, m);
    auto* nav = new TableNavigator;
    nav->setTable(&table);
    layout->addWidget(view);
    layout->addWidget(nav);
    fenster.show();
    QApplication::setActiveWindow(&fenster);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&fenster));

    for (auto [button, erwartet] : {std::pair{B::Post, "Blei"}, {B::Cancel, "Blei"}}) {
        view->setFocus();
        view->setCurrentIndex(m.index(1, 0));
        view->edit(m.index(1, 0));
        auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        ASSERT_NE(editor, nullptr);
        EXPECT_EQ(table.state(), DataTable::State::Edit);
        ASSERT_TRUE(nav->button(button)->isEnabled());
        editor->selectAll();
        QTest::keyClicks(editor, button == B::Post ? "Blei" : "Zinn");
        QTest::mouseClick(nav->button(button), Qt::LeftButton);
        EXPECT_EQ(table.state(), DataTable::State::Browse);
        EXPECT_EQ(table.valueAt(1, 0), erwartet);
    }
}

} // namespace
