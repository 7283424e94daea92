// Form-state text: the exact lines a window writes, a round trip over a
// window with every kind of control, and texts that must be refused without
// touching the window.
#include "controls/textendedit.h"
#include "controls/tlongintedit.h"
#include "controls/tsaveloadlist.h"
#include "controls/tspineditex.h"
#include "controls/tspineditin.h"

#include <QButtonGroup>
#include <QGuiApplication>
#include <QScreen>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTableWidget>
#include <gtest/gtest.h>

namespace {

using Problem = kolvar::FormStateResult::Problem;

// A window with one control of every kind the text knows, a label (writes
// nothing) and a list with Tag 1 (left out).
struct AllControls {
    QWidget window;
    TlongintEdit* longint = new TlongintEdit(&window);
    TextendEdit* extend = new TextendEdit(&window);
    TSpinEditex* spinex = new TSpinEditex(&window);
    Tspineditin* spinin = new Tspineditin(&window);
    QLineEdit* edit = new QLineEdit(&window);
    QCheckBox* check = new QCheckBox(&window);
    QRadioButton* radio1 = new QRadioButton(&window);
    QRadioButton* radio2 = new QRadioButton(&window);
    QButtonGroup* group = new QButtonGroup(&window);
    QStackedWidget* stack = new QStackedWidget(&window);
    QTabWidget* tabs = new QTabWidget(&window);
    QLabel* label = new QLabel("Beschriftung", &window);
    QListWidget* hidden = new QListWidget(&window);
    QPlainTextEdit* memo = new QPlainTextEdit(&window);
    QComboBox* combo = new QComboBox(&window);
    QComboBox* editableCombo = new QComboBox(&window);
    QListWidget* list = new QListWidget(&window);
    QTableWidget* grid = new QTableWidget(2, 2, &window);
    kolvar::FormControls form{&window};

    AllControls()
    {
        auto* groupBox = new QWidget(&window);
        for (int i = 0; i < 3; ++i)
            group->addButton(new QRadioButton(groupBox));
        for (int i = 0; i < 3; ++i) {
            stack->addWidget(new QWidget);
            tabs->addTab(new QWidget, QString("Seite %1").arg(i));
        }
        combo->addItems({"a", "b"});
        editableCombo->setEditable(true);
        hidden->addItem("bleibt");
        form.add(longint).add(extend).add(spinex).add(spinin).add(edit).add(check).add(radio1).add(radio2)
            .add(group).add(stack).add(tabs).add(label).add(hidden, 1).add(memo).add(combo)
            .add(editableCombo).add(list).add(grid);
    }

    void fill()
    {
        window.resize(593, 470);
        window.move(107, 126);
        longint->setText("-17");
        extend->setText("-1,75");
        spinex->setText("2,5");
        spinin->setText("9");
        edit->setText("frei # Text");
        check->setChecked(true);
        radio2->setChecked(true);
        group->buttons()[2]->setChecked(true);
        stack->setCurrentIndex(1);
        tabs->setCurrentIndex(2);
        memo->setPlainText("x = 1\nDATEN_ENDE\n\\DATEN_ENDE\n\ny = 2");
        combo->setCurrentIndex(1);
        editableCombo->addItems({"eins", "zwei"});
        editableCombo->setEditText("drei");
        list->addItems({"DATEN_ANFANG", "", "z"});
        grid->setRowCount(3);
        grid->setColumnCount(3);
        for (int r = 0; r < 3; ++r)
            for (int c = 0; c < 3; ++c)
                if (r != c)
                    grid->setItem(r, c, new QTableWidgetItem(QString("%1/%2").arg(r).arg(c)));
    }

    QStringList text() const
    {
        Tsaveloadlist lines;
        lines.componentenspeichern(form);
        return lines;
    }
};

TEST(Tsaveloadlist, WritesTheDocumentedLines)
{
    QWidget window;
    auto* extend = new TextendEdit(&window);
    auto* check = new QCheckBox(&window);
    auto* grid = new QTableWidget(2, 3, &window);
    auto* memo = new QPlainTextEdit(&window);
    auto* spin = new Tspineditin(&window);
    window.resize(593, 470);
    window.move(397, 126);
    extend->setText("-1,75");
    check->setChecked(true);
    grid->setItem(0, 1, new QTableWidgetItem("b"));
    grid->setItem(1, 2, new QTableWidgetItem("f"));
    spin->setValue(4);

    kolvar::FormControls form(&window);
    Tsaveloadlist empty;
    empty.componentenspeichern(form);
    EXPECT_EQ(empty, QStringList{"0#593#470#126#397#"});

    form.add(extend).add(check).add(grid).add(memo).add(spin);
    Tsaveloadlist lines{QStringList{"Kopf"}};
    lines.componentenspeichern(form);
    const QStringList expected{"Kopf",       "0#593#470#126#397#", "-1,75",        "-1,75", "1",
                               "DATEN_ANFANG", "\tb\t",             "\t\tf",        "DATEN_ENDE",
                               "DATEN_ANFANG", "DATEN_ENDE",        "4"};
    EXPECT_EQ(lines, expected);

    // A maximised window still writes all four bounds after its state.
    window.setWindowState(Qt::WindowMaximized);
    Tsaveloadlist maximised;
    maximised.componentenspeichern(form);
    EXPECT_TRUE(maximised[0].startsWith("2#")) << maximised[0].toStdString();
    EXPECT_EQ(maximised[0].count('#'), 5);
}

TEST(Tsaveloadlist, RoundTripOverEveryKindOfControl)
{
    AllControls source;
    source.fill();
    const QStringList text = source.text();
    // The memo's end-marker lines are escaped, other lines stand as they are.
    EXPECT_TRUE(text.contains("\\DATEN_ENDE"));
    EXPECT_TRUE(text.contains("\\\\DATEN_ENDE"));

    AllControls target;
    Tsaveloadlist lines{QStringList{"Rechnenfenster", "0.00"}};
    lines.append(text);
    int zeile = 1;
    const kolvar::FormStateResult result = lines.componentenladen(target.form, zeile);
    ASSERT_TRUE(result.ok()) << result.message.toStdString();
    EXPECT_EQ(zeile, lines.size());
    EXPECT_EQ(target.text(), text);

    EXPECT_EQ(target.window.size(), QSize(593, 470));
    EXPECT_EQ(target.window.pos(), QPoint(107, 126));
    EXPECT_EQ(target.extend->text(), "-1,75");
    EXPECT_TRUE(target.radio2->isChecked());
    EXPECT_FALSE(target.radio1->isChecked());
    EXPECT_EQ(target.group->checkedButton(), target.group->buttons()[2]);
    EXPECT_EQ(target.tabs->currentIndex(), 2);
    EXPECT_EQ(target.memo->toPlainText(), "x = 1\nDATEN_ENDE\n\\DATEN_ENDE\n\ny = 2");
    EXPECT_EQ(target.memo->textCursor().position(), 0);
    EXPECT_EQ(target.combo->currentText(), "b");
    EXPECT_EQ(target.editableCombo->currentText(), "drei");
    EXPECT_EQ(target.editableCombo->count(), 2);
    EXPECT_EQ(target.list->count(), 3);
    EXPECT_EQ(target.grid->rowCount(), 3);
    EXPECT_EQ(target.grid->item(2, 1)->text(), "2/1");
    EXPECT_EQ(target.hidden->item(0)->text(), "bleibt");
}

TEST(Tsaveloadlist, ReadsBlocksAsTheyStand)
{
    QWidget window;
    auto* memo = new QPlainTextEdit("bleibt", &window);
    auto* edit = new QLineEdit(&window);
    auto* grid = new QTableWidget(5, 5, &window);
    auto* list = new QListWidget(&window);
    auto* radio1 = new QRadioButton(&window);
    auto* radio2 = new QRadioButton(&window);
    auto* emptied = new QPlainTextEdit("alt", &window);
    radio1->setChecked(true);
    grid->setItem(4, 4, new QTableWidgetItem("alt"));
    kolvar::FormControls form(&window);
    form.add(memo).add(edit).add(grid).add(list).add(radio1).add(radio2).add(emptied);
    window.resize(300, 200);
    window.move(40, 30);

    // A maximised window takes its state only, not the bounds that follow.
    // No block for the memo: its line goes to the next control. Rows of the
    // grid differ in length: the last row sets the columns. An older text's
    // "\DATEN_ENDE" reads as "DATEN_ENDE". Both radio buttons may be off.
    // An empty block empties the memo.
    Tsaveloadlist lines{QStringList{"2#593#470#126#397#", "kein Block", "DATEN_ANFANG", "a\tb\tc", "d",
                                    "DATEN_ENDE", "DATEN_ANFANG", "\\DATEN_ENDE", "DATEN_ENDE", "0", "0",
                                    "DATEN_ANFANG", "DATEN_ENDE"}};
    int zeile = -1;
    ASSERT_TRUE(lines.componentenladen(form, zeile).ok());
    EXPECT_EQ(zeile, lines.size());
    EXPECT_TRUE(window.windowState() & Qt::WindowMaximized);
    window.setWindowState(Qt::WindowNoState);
    EXPECT_EQ(window.size(), QSize(300, 200));
    EXPECT_EQ(window.pos(), QPoint(40, 30));
    EXPECT_EQ(memo->toPlainText(), "bleibt");
    EXPECT_EQ(edit->text(), "kein Block");
    EXPECT_EQ(grid->rowCount(), 2);
    EXPECT_EQ(grid->columnCount(), 1);
    EXPECT_EQ(grid->item(0, 0)->text(), "a");
    EXPECT_EQ(grid->item(1, 0)->text(), "d");
    EXPECT_EQ(list->item(0)->text(), "DATEN_ENDE");
    EXPECT_FALSE(radio1->isChecked());
    EXPECT_FALSE(radio2->isChecked());
    EXPECT_EQ(emptied->toPlainText(), "");
}

TEST(Tsaveloadlist, ARestoredPlacementIsKeptOnTheScreen)
{
    const QRect bild = QGuiApplication::primaryScreen()->availableGeometry();
    const struct {
        QString zeile; // state#width#height#top#left#
        QRect erwartet;
    } faelle[] = {
        {"0#300#200#30#40#", {40, 30, 300, 200}},
        {QStringLiteral("0#300#200#%1#%2#").arg(bild.bottom() - 50).arg(bild.right() - 20),
         {bild.right() - 299, bild.bottom() - 199, 300, 200}},
        {"0#300#200#-500#-900#", {bild.left(), bild.top(), 300, 200}},
        {QStringLiteral("0#%1#%2#10#10#").arg(bild.width() * 2).arg(bild.height() + 1), bild},
    };
    for (const auto& f : faelle) {
        QWidget window;
        kolvar::FormControls form(&window);
        int zeile = -1;
        ASSERT_TRUE(Tsaveloadlist(QStringList{f.zeile}).componentenladen(form, zeile).ok());
        EXPECT_EQ(window.geometry(), f.erwartet) << f.zeile.toStdString();
    }
}

TEST(Tsaveloadlist, RefusedTextsLeaveTheWindowAlone)
{
    AllControls reference;
    reference.fill();
    const QStringList good = reference.text();
    const qsizetype checkLine = good.indexOf("1");
    const qsizetype tabLine = checkLine + 5; // check, two radios, group, stack, tabs
    ASSERT_EQ(good[tabLine], "2");
    const qsizetype memoStart = good.indexOf("DATEN_ANFANG");
    const qsizetype gridStart = good.lastIndexOf("DATEN_ANFANG");
    // A grid larger than a sheet would be sized before its first cell is set.
    auto gridBlock = [gridStart](QStringList& t, int rows, int columns) {
        t = t.mid(0, gridStart + 1);
        for (int r = 0; r < rows; ++r)
            t << QStringList(columns, "x").join('\t');
        t << "DATEN_ENDE";
    };

    struct Case {
        const char* what;
        std::function<void(QStringList&)> change;
        Problem problem;
        qsizetype line; // -1: the list's size
    } const cases[] = {
        {"empty text", [](QStringList& t) { t.clear(); }, Problem::MissingLine, -1},
        {"placement not a number", [](QStringList& t) { t[0] = "0#abc#1#1#1#"; }, Problem::NotAnInteger, 0},
        {"placement cut short", [](QStringList& t) { t[0] = "0#593#"; }, Problem::NotAnInteger, 0},
        {"unknown window state", [](QStringList& t) { t[0] = "3#"; }, Problem::OutOfRange, 0},
        {"impossible width", [](QStringList& t) { t[0] = "0#40000#470#0#0#"; }, Problem::OutOfRange, 0},
        {"check state not a number", [&](QStringList& t) { t[checkLine] = "ja"; }, Problem::NotAnInteger, checkLine},
        {"check state out of range", [&](QStringList& t) { t[checkLine] = "2"; }, Problem::OutOfRange, checkLine},
        {"page index past the pages", [&](QStringList& t) { t[tabLine] = "3"; }, Problem::OutOfRange, tabLine},
        {"block without end", [&](QStringList& t) { t = t.mid(0, memoStart + 2); }, Problem::UnendedBlock, memoStart},
        {"text longer than the edit holds",
         [](QStringList& t) { t[5] = QString(40000, QLatin1Char('7')); }, Problem::TooLong, 5},
        {"grid taller than a sheet", [&](QStringList& t) { gridBlock(t, 1001, 2); }, Problem::TooLong, gridStart},
        {"grid wider than a sheet", [&](QStringList& t) { gridBlock(t, 2, 1001); }, Problem::TooLong,
         gridStart + 1},
        {"another window's text",
         [](QStringList& t) { t = QStringList{"0#300#200#0#0#", "DATEN_ANFANG", "Rechnung", "DATEN_ENDE"}; },
         Problem::MissingLine, -1},
    };
    for (const Case& c : cases) {
        // An unfilled window, so that anything set from the text would show.
        AllControls window;
        window.memo->setPlainText("vorher");
        const QStringList before = window.text();
        Tsaveloadlist lines{good};
        c.change(lines);
        int zeile = -1;
        const kolvar::FormStateResult result = lines.componentenladen(window.form, zeile);
        EXPECT_EQ(result.problem, c.problem) << c.what;
        EXPECT_EQ(result.line, c.line < 0 ? lines.size() : c.line) << c.what;
        EXPECT_FALSE(result.message.isEmpty()) << c.what;
        EXPECT_EQ(zeile, -1) << c.what;
        EXPECT_EQ(window.text(), before) << c.what;
    }
}

TEST(Tsaveloadlist, EveryShortenedTextIsRefused)
{
    AllControls source;
    source.fill();
    const QStringList good = source.text();
    AllControls window;
    const QStringList before = window.text();
    for (qsizetype n = 0; n < good.size(); ++n) {
        Tsaveloadlist lines{good.mid(0, n)};
        int zeile = -1;
        EXPECT_FALSE(lines.componentenladen(window.form, zeile).ok()) << n << " lines";
    }
    EXPECT_EQ(window.text(), before);
}

TEST(Tsaveloadlist, Teilestring)
{
    struct {
        QString line, field, rest;
    } const cases[] = {
        {"0#593#", "0", "593#"},
        {"#x", "", "x"},
        {"ohne", "ohne", ""},
        {"", "", ""},
    };
    for (const auto& c : cases) {
        QString line = c.line;
        QString field = "alt";
        Tsaveloadlist::teilestring(line, field);
        EXPECT_EQ(field, c.field) << c.line.toStdString();
        EXPECT_EQ(line, c.rest) << c.line.toStdString();
    }
}

} // namespace
