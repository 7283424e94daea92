#include "platform/tablenavigator.h"

#include "platform/datatable.h"
#include "platform/seams.h"

#include <QHBoxLayout>
#include <QPainter>
#include <QPainterPath>
#include <QToolButton>

namespace kolvar {

namespace {

struct ButtonInfo {
    const char* name;
    const char* hint;
};

// The same hints as every other table bar in the program's world.
constexpr std::array<ButtonInfo, TableNavigator::kButtons> kInfo{{
    {"First", "Erster Datensatz"},
    {"Prior", "Vorheriger Datensatz"},
    {"Next", "Nächster Datensatz"},
    {"Last", "Letzter Datensatz"},
    {"Insert", "Datensatz einfügen"},
    {"Delete", "Datensatz löschen"},
    {"Edit", "Datensatz bearbeiten"},
    {"Post", "Datensatz speichern"},
    {"Cancel", "Bearbeitung abbrechen"},
    {"Refresh", "Daten aktualisieren"},
}};

// Small pictures drawn in code, so they stay sharp at any screen scaling.
void paint(QPainter& p, TableNavigator::Button b, const QColor& ink)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    auto triangle = [&](qreal tipX, qreal baseX) {
        QPainterPath path;
        path.moveTo(tipX, 8);
        path.lineTo(baseX, 3);
        path.lineTo(baseX, 13);
        path.closeSubpath();
        p.drawPath(path);
    };
    QPen line(ink, 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    switch (b) {
    case TableNavigator::First:
        p.drawRect(QRectF(3, 3, 2, 10));
        triangle(5, 12);
        break;
    case TableNavigator::Prior:
        triangle(4, 11);
        break;
    case TableNavigator::Next:
        triangle(12, 5);
        break;
    case TableNavigator::Last:
        triangle(11, 4);
        p.drawRect(QRectF(11, 3, 2, 10));
        break;
    case TableNavigator::Insert:
        p.drawRect(QRectF(7, 2, 2, 12));
        p.drawRect(QRectF(2, 7, 12, 2));
        break;
    case TableNavigator::Delete:
        p.drawRect(QRectF(2, 7, 12, 2));
        break;
    case TableNavigator::Edit: {
        QPainterPath path;
        path.moveTo(8, 3);
        path.lineTo(14, 12);
        path.lineTo(2, 12);
        path.closeSubpath();
        p.drawPath(path);
        break;
    }
    case TableNavigator::Post:
        p.setPen(line);
        p.setBrush(Qt::NoBrush);
        p.drawPolyline(QPolygonF({QPointF(3, 8), QPointF(6.5, 12), QPointF(13, 4)}));
        break;
    case TableNavigator::Cancel:
        p.setPen(line);
        p.drawLine(QPointF(4, 4), QPointF(12, 12));
        p.drawLine(QPointF(12, 4), QPointF(4, 12));
        break;
    case TableNavigator::Refresh: {
        p.setPen(line);
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(3, 3, 10, 10), 90 * 16, 270 * 16);
        p.setPen(Qt::NoPen);
        p.setBrush(ink);
        QPainterPath head;
        head.moveTo(8, 0.5);
        head.lineTo(12, 3);
        head.lineTo(8, 5.5);
        head.closeSubpath();
        p.drawPath(head);
        break;
    }
    }
}

QIcon icon(TableNavigator::Button b)
{
    QIcon result;
    for (const int scale : {1, 2}) {
        QPixmap pm(16 * scale, 16 * scale);
        pm.setDevicePixelRatio(scale);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        const QColor ink = b == TableNavigator::Post     ? QColor(0, 128, 0)
                           : b == TableNavigator::Cancel ? QColor(176, 0, 0)
                                                         : QColor(0, 0, 128);
        paint(p, b, ink);
        p.end();
        result.addPixmap(pm);
    }
    return result;
}

} // namespace

TableNavigator::TableNavigator(QWidget* parent) : QWidget(parent)
{
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (int i = 0; i < kButtons; ++i) {
        auto* b = new QToolButton(this);
        b->setObjectName(QString::fromLatin1(kInfo[size_t(i)].name));
        b->setToolTip(QString::fromUtf8(kInfo[size_t(i)].hint));
        b->setIcon(icon(Button(i)));
        b->setIconSize(QSize(16, 16));
        b->setMinimumSize(24, 24);
        b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        // Taking the focus on the press makes an open grid editor hand its
        // text to the table before the button acts, so "post" posts what
        // was typed.
        b->setFocusPolicy(Qt::StrongFocus);
        connect(b, &QToolButton::clicked, this, [this, i] { click(Button(i)); });
        layout->addWidget(b);
        m_buttons[size_t(i)] = b;
    }
    updateButtons();
}

void TableNavigator::setTable(DataTable* table)
{
    if (m_connection)
        disconnect(m_connection);
    if (m_gone)
        disconnect(m_gone);
    m_table = table;
    if (table) {
        m_connection = connect(table, &DataTable::dataChanged, this, &TableNavigator::updateButtons);
        m_gone = connect(table, &QObject::destroyed, this, [this] { setTable(nullptr); });
    }
    updateButtons();
}

void TableNavigator::setButtonVisible(Button button, bool visible)
{
    m_buttons[size_t(button)]->setVisible(visible);
}

void TableNavigator::updateButtons()
{
    const bool active = m_table && m_table->isActive();
    const bool editing = active && (m_table->state() == DataTable::State::Edit ||
                                    m_table->state() == DataTable::State::Insert);
    const bool hasRecords = active && !m_table->isEmpty();
    const bool atStart = !hasRecords || (!editing && m_table->recNo() <= 1);
    const bool atEnd = !hasRecords || (!editing && m_table->recNo() >= m_table->recordCount());
    // While a record is being edited the movement buttons stay usable:
    // moving posts it, as moving the cursor always does.
    m_buttons[First]->setEnabled(hasRecords && (editing || !atStart));
    m_buttons[Prior]->setEnabled(hasRecords && (editing || !atStart));
    m_buttons[Next]->setEnabled(hasRecords && (editing || !atEnd));
    m_buttons[Last]->setEnabled(hasRecords && (editing || !atEnd));
    m_buttons[Insert]->setEnabled(active);
    m_buttons[Delete]->setEnabled(hasRecords || (active && m_table->state() == DataTable::State::Insert));
    m_buttons[Edit]->setEnabled(hasRecords && !editing);
    m_buttons[Post]->setEnabled(editing);
    m_buttons[Cancel]->setEnabled(editing);
    m_buttons[Refresh]->setEnabled(active);
}

void TableNavigator::click(Button button)
{
    if (!m_table || !m_buttons[size_t(button)]->isEnabled())
        return;
    DataTable& t = *m_table;
    switch (button) {
    case First:
        t.first();
        break;
    case Prior:
        t.prior();
        break;
    case Next:
        t.next();
        break;
    case Last:
        t.last();
        break;
    case Insert:
        t.insert();
        break;
    case Delete:
        if (!m_confirmDelete || askYesNo(QStringLiteral("Datensatz löschen?")))
            t.deleteRecord();
        break;
    case Edit:
        t.edit();
        break;
    case Post:
        t.post();
        break;
    case Cancel:
        t.cancel();
        break;
    case Refresh:
        emit refreshRequested();
        break;
    }
    updateButtons();
}

} // namespace kolvar
