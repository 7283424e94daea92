#include "controls/tsaveloadlist.h"

#include "controls/formgrid.h"
#include "controls/textendedit.h"
#include "controls/tlongintedit.h"
#include "controls/tspineditex.h"
#include "controls/tspineditin.h"
#include "platform/screenfit.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextBlock>

#include <functional>
#include <vector>

using kolvar::FormStateResult;

namespace {

const QString blockStart = QStringLiteral("DATEN_ANFANG");
const QString blockEnd = QStringLiteral("DATEN_ENDE");

// Window bounds beyond the 16-bit range of the window system are no window
// this program wrote; they would only ask for an impossible surface.
constexpr int maxExtent = 32767;
constexpr int minCoordinate = -32768;
constexpr int maxCoordinate = 32767;

// "DATEN_ENDE" after any number of backslashes.
bool isEscapedEnd(const QString& line)
{
    qsizetype i = 0;
    while (i < line.size() && line[i] == QLatin1Char('\\'))
        ++i;
    return line.size() - i == blockEnd.size() && QStringView(line).mid(i) == blockEnd;
}

QString escapeBlockLine(const QString& line)
{
    return isEscapedEnd(line) ? QLatin1Char('\\') + line : line;
}

QString unescapeBlockLine(const QString& line)
{
    return line.startsWith(QLatin1Char('\\')) && isEscapedEnd(line) ? line.mid(1) : line;
}

void appendBlock(QStringList& list, const QStringList& lines)
{
    list.append(blockStart);
    for (const QString& line : lines)
        list.append(escapeBlockLine(line));
    list.append(blockEnd);
}

bool isSpinEdit(const QObject* control)
{
    return qobject_cast<const kolvar::SpinEdit*>(control) != nullptr;
}

int stateNumber(Qt::WindowStates state)
{
    if (state & Qt::WindowMinimized)
        return 1;
    if (state & (Qt::WindowMaximized | Qt::WindowFullScreen))
        return 2;
    return 0;
}

Qt::WindowState windowState(int number)
{
    switch (number) {
    case 1: return Qt::WindowMinimized;
    case 2: return Qt::WindowMaximized;
    default: return Qt::WindowNoState;
    }
}

// The one walk over a window's controls that writer and reader share: for
// each listed control with Tag 0, every kind test it passes, in the fixed
// order of the tests. An edit derived from QLineEdit therefore appears twice.
enum class Kind { Text, Checked, ButtonIndex, StackPage, TabPage, Memo, Combo, List, Grid };

void forEachEntry(const kolvar::FormControls& form, const std::function<void(QObject*, Kind)>& visit)
{
    for (const QPointer<QObject>& pointer : form.controls()) {
        QObject* c = pointer.data();
        if (!c || kolvar::tagOf(c) != 0)
            continue;
        if (qobject_cast<TlongintEdit*>(c))
            visit(c, Kind::Text);
        if (qobject_cast<TextendEdit*>(c))
            visit(c, Kind::Text);
        if (qobject_cast<TSpinEditex*>(c))
            visit(c, Kind::Text);
        if (qobject_cast<Tspineditin*>(c))
            visit(c, Kind::Text);
        // The spin edits are edits in Qt's terms but write their text once.
        if (qobject_cast<QLineEdit*>(c) && !isSpinEdit(c))
            visit(c, Kind::Text);
        if (qobject_cast<QCheckBox*>(c) || qobject_cast<QRadioButton*>(c))
            visit(c, Kind::Checked);
        if (qobject_cast<QButtonGroup*>(c))
            visit(c, Kind::ButtonIndex);
        if (qobject_cast<QStackedWidget*>(c))
            visit(c, Kind::StackPage);
        if (qobject_cast<QTabWidget*>(c))
            visit(c, Kind::TabPage);
        if (qobject_cast<QPlainTextEdit*>(c))
            visit(c, Kind::Memo);
        if (qobject_cast<QComboBox*>(c))
            visit(c, Kind::Combo);
        if (qobject_cast<QListWidget*>(c))
            visit(c, Kind::List);
        if (qobject_cast<QTableWidget*>(c) || dynamic_cast<kolvar::FormGrid*>(c))
            visit(c, Kind::Grid);
    }
}

int checkedIndex(const QButtonGroup& group)
{
    const QList<QAbstractButton*> buttons = group.buttons();
    return int(buttons.indexOf(group.checkedButton()));
}

QStringList memoLines(const QPlainTextEdit& memo)
{
    QStringList lines;
    const QTextDocument* document = memo.document();
    if (document->isEmpty())
        return lines;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next())
        lines.append(block.text());
    return lines;
}

QString cellText(const QTableWidget& grid, int row, int column)
{
    const QTableWidgetItem* item = grid.item(row, column);
    return item ? item->text() : QString();
}

// One line per row, its cells joined by tabs.
QStringList gridLines(int rows, int columns, const std::function<QString(int, int)>& cell)
{
    QStringList lines;
    lines.reserve(rows);
    for (int row = 0; row < rows; ++row) {
        QStringList cells;
        cells.reserve(columns);
        for (int column = 0; column < columns; ++column)
            cells.append(cell(row, column));
        lines.append(cells.join(QLatin1Char('\t')));
    }
    return lines;
}

// Unchecks a button that exclusivity would otherwise keep checked.
void uncheck(QAbstractButton& button)
{
    if (!button.isChecked())
        return;
    QButtonGroup* group = button.group();
    const bool groupExclusive = group && group->exclusive();
    const bool autoExclusive = button.autoExclusive();
    if (groupExclusive)
        group->setExclusive(false);
    button.setAutoExclusive(false);
    button.setChecked(false);
    button.setAutoExclusive(autoExclusive);
    if (groupExclusive)
        group->setExclusive(true);
}

// What the reading pass found for one entry, applied only after the whole
// text was found fitting.
struct Step {
    QPointer<QObject> control;
    Kind kind;
    int number = 0;
    QString text;
    QStringList lines;
};

struct Placement {
    int state = 0;
    int width = 0;
    int height = 0;
    int top = 0;
    int left = 0;
};

class Reader {
public:
    Reader(const QStringList& list, qsizetype position) : m_list(list), m_pos(position) {}

    FormStateResult result;
    qsizetype position() const { return m_pos; }

    bool fail(FormStateResult::Problem problem, qsizetype line, const QString& message)
    {
        result.problem = problem;
        result.line = line;
        result.message = message;
        return false;
    }

    bool missing()
    {
        return fail(FormStateResult::Problem::MissingLine, m_list.size(),
                    QStringLiteral("Die Daten des Fensters sind unvollständig: Zeile %1 fehlt.")
                        .arg(m_list.size() + 1));
    }

    bool atEnd() const { return m_pos >= m_list.size(); }
    const QString& current() const { return m_list[m_pos]; }

    bool take(QString& line)
    {
        if (atEnd())
            return missing();
        line = current();
        ++m_pos;
        return true;
    }

    bool integer(const QString& field, qsizetype line, int low, int high, int& value)
    {
        bool ok = false;
        value = field.toInt(&ok, 10);
        if (!ok) {
            QString shown = field.size() > 40 ? field.left(40) + QStringLiteral("…") : field;
            return fail(FormStateResult::Problem::NotAnInteger, line,
                        QStringLiteral("Zeile %1: „%2“ ist keine ganze Zahl.").arg(line + 1).arg(shown));
        }
        if (value < low || value > high)
            return fail(FormStateResult::Problem::OutOfRange, line,
                        QStringLiteral("Zeile %1: Der Wert %2 passt nicht zu diesem Fenster.")
                            .arg(line + 1)
                            .arg(value));
        return true;
    }

    bool integerLine(int low, int high, int& value)
    {
        QString line;
        return take(line) && integer(line, m_pos - 1, low, high, value);
    }

    bool textLine(int maxLength, QString& text)
    {
        if (!take(text))
            return false;
        if (text.size() > maxLength)
            return tooLong(m_pos - 1, maxLength);
        return true;
    }

    bool tooLong(qsizetype line, int maxLength)
    {
        return fail(FormStateResult::Problem::TooLong, line,
                    QStringLiteral("Zeile %1: Der Text ist länger als die %2 Zeichen, die das Feld fasst.")
                        .arg(line + 1)
                        .arg(maxLength));
    }

    // A block stands here only when the line reads DATEN_ANFANG; otherwise
    // the control keeps its contents and the line is left for what follows.
    bool blockAhead()
    {
        if (atEnd())
            return missing();
        return current() == blockStart;
    }

    // Reads a block from DATEN_ANFANG through DATEN_ENDE; with firstLine the
    // line right after DATEN_ANFANG is taken whatever it reads.
    bool block(QStringList& lines, QString* firstLine)
    {
        const qsizetype start = m_pos;
        ++m_pos;
        if (firstLine) {
            if (atEnd())
                return unended(start);
            *firstLine = unescapeBlockLine(current());
            ++m_pos;
        }
        while (!atEnd() && current() != blockEnd) {
            lines.append(unescapeBlockLine(current()));
            ++m_pos;
        }
        if (atEnd())
            return unended(start);
        ++m_pos;
        return true;
    }

    bool unended(qsizetype start)
    {
        return fail(FormStateResult::Problem::UnendedBlock, start,
                    QStringLiteral("Zeile %1: Der Datenblock endet nicht mit DATEN_ENDE.").arg(start + 1));
    }

    bool placement(Placement& p)
    {
        QString line;
        if (!take(line))
            return false;
        const qsizetype at = m_pos - 1;
        QString field;
        Tsaveloadlist::teilestring(line, field);
        if (!integer(field, at, 0, 2, p.state))
            return false;
        // A minimised or maximised window takes its state only.
        if (p.state != 0)
            return true;
        struct {
            int* target;
            int low, high;
        } const fields[] = {{&p.width, 0, maxExtent},
                            {&p.height, 0, maxExtent},
                            {&p.top, minCoordinate, maxCoordinate},
                            {&p.left, minCoordinate, maxCoordinate}};
        for (const auto& f : fields) {
            Tsaveloadlist::teilestring(line, field);
            if (!integer(field, at, f.low, f.high, *f.target))
                return false;
        }
        return true;
    }

    // The entry's lines, checked against the control as it is now.
    bool entry(QObject* c, Kind kind, Step& step)
    {
        step.control = c;
        step.kind = kind;
        switch (kind) {
        case Kind::Text:
            return textLine(qobject_cast<QLineEdit*>(c)->maxLength(), step.text);
        case Kind::Checked:
            return integerLine(0, 1, step.number);
        case Kind::ButtonIndex:
            return integerLine(-1, int(qobject_cast<QButtonGroup*>(c)->buttons().size()) - 1, step.number);
        case Kind::StackPage:
            return pageIndex(qobject_cast<QStackedWidget*>(c)->count(), step.number);
        case Kind::TabPage:
            return pageIndex(qobject_cast<QTabWidget*>(c)->count(), step.number);
        case Kind::Memo:
        case Kind::Combo:
        case Kind::List:
        case Kind::Grid:
            return blockEntry(c, step);
        }
        return true;
    }

    bool pageIndex(int count, int& value)
    {
        // -1 is what a page control without pages writes.
        return count == 0 ? integerLine(-1, -1, value) : integerLine(0, count - 1, value);
    }

    bool blockEntry(QObject* c, Step& step)
    {
        if (atEnd())
            return missing();
        if (current() != blockStart) {
            step.control = nullptr; // nothing to set
            return true;
        }
        const qsizetype start = m_pos;
        if (!block(step.lines, step.kind == Kind::Combo ? &step.text : nullptr))
            return false;
        if (auto* memo = qobject_cast<QPlainTextEdit*>(c)) {
            const int limit = memo->maximumBlockCount();
            if (limit > 0 && step.lines.size() > limit)
                return fail(FormStateResult::Problem::TooLong, start,
                            QStringLiteral("Zeile %1: Der Text hat mehr als die %2 Zeilen, die das Feld fasst.")
                                .arg(start + 1)
                                .arg(limit));
        }
        if (step.kind == Kind::Grid)
            return gridFits(step.lines, start);
        if (auto* combo = qobject_cast<QComboBox*>(c)) {
            if (step.lines.size() > combo->maxCount())
                return fail(FormStateResult::Problem::TooLong, start,
                            QStringLiteral("Zeile %1: Die Liste hat mehr als die %2 Einträge, die das Feld fasst.")
                                .arg(start + 1)
                                .arg(combo->maxCount()));
            if (combo->lineEdit() && step.text.size() > combo->lineEdit()->maxLength())
                return tooLong(start + 1, combo->lineEdit()->maxLength());
        }
        return true;
    }

    // A grid block may not ask for more rows or columns than a sheet holds:
    // the grid would be sized from it before any cell is set.
    bool gridFits(const QStringList& lines, qsizetype start)
    {
        if (lines.size() > kolvar::kMaxGridRows)
            return fail(FormStateResult::Problem::TooLong, start,
                        QStringLiteral("Zeile %1: Die Tabelle hat mehr als die %2 Zeilen, die sie fassen kann.")
                            .arg(start + 1)
                            .arg(kolvar::kMaxGridRows));
        for (qsizetype i = 0; i < lines.size(); ++i) {
            if (lines[i].count(QLatin1Char('\t')) >= kolvar::kMaxGridColumns)
                return fail(FormStateResult::Problem::TooLong, start + 1 + i,
                            QStringLiteral("Zeile %1: Die Tabelle hat mehr als die %2 Spalten, die sie fassen kann.")
                                .arg(start + 2 + i)
                                .arg(kolvar::kMaxGridColumns));
        }
        return true;
    }

private:
    const QStringList& m_list;
    qsizetype m_pos;
};

void applyPlacement(QWidget& window, const Placement& p)
{
    const Qt::WindowState state = windowState(p.state);
    window.setWindowState(state);
    if (p.state != 0)
        return;
    window.resize(p.width, p.height);
    window.move(p.left, p.top);
    // A placement written on a larger screen, or by hand, must not put the
    // window out of reach.
    kolvar::keepOnScreen(window);
    window.setWindowState(state);
}

void applyGrid(kolvar::FormGrid& grid, const QStringList& lines)
{
    std::vector<QStringList> rows;
    rows.reserve(std::size_t(lines.size()));
    for (const QString& line : lines)
        rows.push_back(line.split(QLatin1Char('\t')));
    grid.setFormCells(rows.empty() ? 0 : int(rows.back().size()), rows);
}

void applyGrid(QTableWidget& grid, const QStringList& lines)
{
    // The block replaces the grid: its size follows the text (the columns
    // the last row's), and a cell the text does not fill is emptied. Existing
    // items keep their flags and look, so header cells stay header cells.
    grid.setRowCount(int(lines.size()));
    if (lines.isEmpty())
        return;
    const int columns = int(lines.last().count(QLatin1Char('\t'))) + 1;
    grid.setColumnCount(columns);
    for (int row = 0; row < lines.size(); ++row) {
        const QStringList cells = lines[row].split(QLatin1Char('\t'));
        for (int column = 0; column < columns; ++column) {
            const QString text = column < cells.size() ? cells[column] : QString();
            if (QTableWidgetItem* item = grid.item(row, column))
                item->setText(text);
            else if (!text.isEmpty())
                grid.setItem(row, column, new QTableWidgetItem(text));
        }
    }
}

void apply(const Step& step)
{
    QObject* c = step.control.data();
    if (!c)
        return;
    switch (step.kind) {
    case Kind::Text:
        qobject_cast<QLineEdit*>(c)->setText(step.text);
        break;
    case Kind::Checked:
        if (auto* button = qobject_cast<QAbstractButton*>(c)) {
            if (step.number == 1)
                button->setChecked(true);
            else
                uncheck(*button);
        }
        break;
    case Kind::ButtonIndex: {
        auto* group = qobject_cast<QButtonGroup*>(c);
        const QList<QAbstractButton*> buttons = group->buttons();
        if (step.number >= 0 && step.number < buttons.size())
            buttons[step.number]->setChecked(true);
        else if (QAbstractButton* checked = group->checkedButton())
            uncheck(*checked);
        break;
    }
    case Kind::StackPage:
        qobject_cast<QStackedWidget*>(c)->setCurrentIndex(step.number);
        break;
    case Kind::TabPage:
        qobject_cast<QTabWidget*>(c)->setCurrentIndex(step.number);
        break;
    case Kind::Memo: {
        auto* memo = qobject_cast<QPlainTextEdit*>(c);
        memo->setPlainText(step.lines.join(QLatin1Char('\n')));
        QTextCursor cursor = memo->textCursor();
        cursor.movePosition(QTextCursor::Start);
        memo->setTextCursor(cursor);
        memo->ensureCursorVisible();
        break;
    }
    case Kind::Combo: {
        auto* combo = qobject_cast<QComboBox*>(c);
        combo->clear();
        combo->addItems(step.lines);
        // Filling the items moves the current item, so the text goes last.
        combo->setCurrentIndex(combo->findText(step.text, Qt::MatchExactly | Qt::MatchCaseSensitive));
        if (combo->isEditable())
            combo->setEditText(step.text);
        break;
    }
    case Kind::List: {
        auto* list = qobject_cast<QListWidget*>(c);
        list->clear();
        list->addItems(step.lines);
        break;
    }
    case Kind::Grid:
        if (auto* table = qobject_cast<QTableWidget*>(c))
            applyGrid(*table, step.lines);
        else if (auto* grid = dynamic_cast<kolvar::FormGrid*>(c))
            applyGrid(*grid, step.lines);
        break;
    }
}

} // namespace

void Tsaveloadlist::teilestring(QString& zeile, QString& feld)
{
    const qsizetype hash = zeile.indexOf(QLatin1Char('#'));
    if (hash < 0) {
        feld = zeile;
        zeile.clear();
        return;
    }
    feld = zeile.left(hash);
    zeile.remove(0, hash + 1);
}

void Tsaveloadlist::componentenspeichern(const kolvar::FormControls& form)
{
    const QWidget* window = form.window();
    if (window)
        append(QStringLiteral("%1#%2#%3#%4#%5#")
                   .arg(stateNumber(window->windowState()))
                   .arg(window->width())
                   .arg(window->height())
                   .arg(window->y())
                   .arg(window->x()));
    else
        append(QStringLiteral("0#0#0#0#0#"));

    forEachEntry(form, [this](QObject* c, Kind kind) {
        switch (kind) {
        case Kind::Text:
            append(qobject_cast<QLineEdit*>(c)->text());
            break;
        case Kind::Checked:
            append(qobject_cast<QAbstractButton*>(c)->isChecked() ? QStringLiteral("1") : QStringLiteral("0"));
            break;
        case Kind::ButtonIndex:
            append(QString::number(checkedIndex(*qobject_cast<QButtonGroup*>(c))));
            break;
        case Kind::StackPage:
            append(QString::number(qobject_cast<QStackedWidget*>(c)->currentIndex()));
            break;
        case Kind::TabPage:
            append(QString::number(qobject_cast<QTabWidget*>(c)->currentIndex()));
            break;
        case Kind::Memo:
            appendBlock(*this, memoLines(*qobject_cast<QPlainTextEdit*>(c)));
            break;
        case Kind::Combo: {
            const auto* combo = qobject_cast<QComboBox*>(c);
            QStringList lines{combo->currentText()};
            for (int i = 0; i < combo->count(); ++i)
                lines.append(combo->itemText(i));
            appendBlock(*this, lines);
            break;
        }
        case Kind::List: {
            const auto* list = qobject_cast<QListWidget*>(c);
            QStringList lines;
            for (int i = 0; i < list->count(); ++i)
                lines.append(list->item(i)->text());
            appendBlock(*this, lines);
            break;
        }
        case Kind::Grid:
            if (const auto* table = qobject_cast<QTableWidget*>(c))
                appendBlock(*this, gridLines(table->rowCount(), table->columnCount(),
                                             [table](int r, int col) { return cellText(*table, r, col); }));
            else if (const auto* grid = dynamic_cast<const kolvar::FormGrid*>(c))
                appendBlock(*this, gridLines(grid->formRowCount(), grid->formColumnCount(),
                                             [grid](int r, int col) { return grid->formCell(r, col); }));
            break;
        }
    });
}

FormStateResult Tsaveloadlist::componentenladen(const kolvar::FormControls& form, int& zeile)
{
    Reader reader(*this, qsizetype(zeile) + 1);
    if (zeile < -1) {
        reader.missing();
        return reader.result;
    }

    Placement placement;
    if (!reader.placement(placement))
        return reader.result;

    std::vector<Step> steps;
    bool fits = true;
    forEachEntry(form, [&](QObject* c, Kind kind) {
        if (!fits)
            return;
        Step step;
        fits = reader.entry(c, kind, step);
        if (fits && step.control)
            steps.push_back(std::move(step));
    });
    if (!fits)
        return reader.result;

    // Everything fits: now set it. The controls are guarded pointers, so a
    // handler that reacts to a change and removes a later control cannot
    // send this into freed memory.
    const QPointer<QWidget> window = form.window();
    if (window)
        applyPlacement(*window, placement);
    for (const Step& step : steps)
        apply(step);

    zeile = int(reader.position());
    return reader.result;
}
