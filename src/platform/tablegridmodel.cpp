#include "platform/tablegridmodel.h"

#include "platform/datatable.h"
#include "platform/seams.h"

#include <QItemSelectionModel>
#include <QStyledItemDelegate>
#include <QTableView>

#include <algorithm>

namespace kolvar {

TableGridModel::TableGridModel(DataTable* table, QObject* parent) : QAbstractTableModel(parent)
{
    setTable(table);
}

void TableGridModel::setTable(DataTable* table)
{
    beginResetModel();
    if (m_connection)
        disconnect(m_connection);
    if (m_gone)
        disconnect(m_gone);
    m_table = table;
    if (table) {
        m_connection = connect(table, &DataTable::dataChanged, this, &TableGridModel::tableChanged);
        m_gone = connect(table, &QObject::destroyed, this, [this] { setTable(nullptr); });
    }
    m_fields.clear();
    m_rows = 0;
    if (table && table->isActive()) {
        for (const FieldDef& f : table->fieldDefs())
            m_fields << f.name;
        m_rows = table->recordCount() + (table->state() == DataTable::State::Insert ? 1 : 0);
    }
    m_current = currentRow();
    endResetModel();
    emit currentRowChanged(m_current);
}

void TableGridModel::refresh()
{
    setTable(m_table);
}

int TableGridModel::currentRow() const
{
    if (!m_table || !m_table->isActive())
        return -1;
    if (m_table->state() != DataTable::State::Insert && m_table->isEmpty())
        return -1;
    return m_table->recNo() - 1;
}

bool TableGridModel::setCurrentRow(int row)
{
    if (!m_table || row < 0 || row >= m_rows)
        return false;
    if (row == currentRow())
        return true;
    if (m_table->state() == DataTable::State::Insert) {
        // The grid counts the inserted record; the table does not until it
        // is posted. Leaving it posts it where the grid shows it, or drops
        // it when nothing was typed, and then the rows below it move up.
        const int inserted = m_table->recNo() - 1;
        if (!m_table->isModified() && row > inserted)
            --row;
    }
    return m_table->setRecNo(row + 1);
}

bool TableGridModel::beginEdit(int row)
{
    // Only on the cursor's own row: moving here could reshape the grid (an
    // empty inserted record dropped) while the view is opening its editor.
    if (m_readOnly || !m_table || row < 0 || row != currentRow())
        return false;
    return m_table->state() != DataTable::State::Browse || m_table->edit();
}

bool TableGridModel::sameShape() const
{
    if (!m_table || !m_table->isActive())
        return m_fields.isEmpty() && m_rows == 0;
    const int rows = m_table->recordCount() + (m_table->state() == DataTable::State::Insert ? 1 : 0);
    if (rows != m_rows || m_table->fieldCount() != m_fields.size())
        return false;
    for (int i = 0; i < m_fields.size(); ++i) {
        if (m_table->fieldName(i) != m_fields[i])
            return false;
    }
    return true;
}

void TableGridModel::tableChanged()
{
    if (!sameShape()) {
        refresh();
        return;
    }
    if (m_rows > 0 && !m_fields.isEmpty())
        emit dataChanged(index(0, 0), index(m_rows - 1, int(m_fields.size()) - 1));
    if (m_rows > 0)
        emit headerDataChanged(Qt::Vertical, 0, m_rows - 1);
    const int now = currentRow();
    if (now != m_current) {
        m_current = now;
        emit currentRowChanged(now);
    }
}

QString TableGridModel::textAt(int row, int pos) const
{
    if (m_table->state() == DataTable::State::Insert) {
        const int inserted = m_table->recNo() - 1;
        if (row == inserted)
            return m_table->value(pos);
        if (row > inserted)
            --row;
    }
    return m_table->valueAt(row, pos);
}

int TableGridModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

int TableGridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_fields.size());
}

QVariant TableGridModel::data(const QModelIndex& index, int role) const
{
    if (!m_table || !index.isValid() || index.row() >= m_rows || index.column() >= m_fields.size())
        return {};
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return {};
    QString text = textAt(index.row(), index.column());
    // Floats are kept with "." in the table; people here read and type ",".
    if (m_table->fieldDefs().value(index.column()).type == FieldType::Float)
        text.replace(QLatin1Char('.'), QLatin1Char(','));
    return text;
}

QVariant TableGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal)
        return m_fields.value(section);
    // The row marker: where the cursor stands and what it is doing there.
    if (!m_table || section != currentRow())
        return QString();
    switch (m_table->state()) {
    case DataTable::State::Edit:
        return QStringLiteral("I");
    case DataTable::State::Insert:
        return QStringLiteral("*");
    default:
        return QStringLiteral("\u25B6");
    }
}

Qt::ItemFlags TableGridModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (!m_readOnly && m_table && m_table->isActive())
        f |= Qt::ItemIsEditable;
    return f;
}

bool TableGridModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole || m_readOnly || !m_table || !index.isValid() || index.row() >= m_rows)
        return false;
    const int column = index.column();
    const QString text = value.toString();
    if (text == textAt(index.row(), column))
        return true; // leaving a cell unchanged does not start an edit
    if (!setCurrentRow(index.row()))
        return false;
    if (!m_table->edit() || !m_table->setValue(column, text)) {
        showMessage(m_table->errorString(), MessageIcon::Error);
        return false;
    }
    return true;
}

namespace {

class GridDelegate : public QStyledItemDelegate {
public:
    GridDelegate(TableGridModel& model, QObject* parent) : QStyledItemDelegate(parent), m_model(model) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override
    {
        m_model.beginEdit(index.row());
        return QStyledItemDelegate::createEditor(parent, option, index);
    }

private:
    TableGridModel& m_model;
};

} // namespace

void connectGrid(QTableView& view, TableGridModel& model)
{
    view.setModel(&model);
    view.setItemDelegate(new GridDelegate(model, &view));
    QTableView* v = &view;
    auto zeigen = [v, &model](int row) {
        if (row < 0 || v->currentIndex().row() == row)
            return;
        const int column = std::max(v->currentIndex().column(), 0);
        v->selectionModel()->setCurrentIndex(model.index(row, column),
                                             QItemSelectionModel::ClearAndSelect |
                                                 QItemSelectionModel::Rows);
    };
    QObject::connect(&model, &TableGridModel::currentRowChanged, v, zeigen);
    // A newly loaded table gets columns as wide as what they show, within reason.
    QObject::connect(&model, &QAbstractItemModel::modelReset, v, [v] {
        v->resizeColumnsToContents();
        for (int c = 0; c < v->model()->columnCount(); ++c)
            v->setColumnWidth(c, std::min(v->columnWidth(c), 300));
    });
    QObject::connect(view.selectionModel(), &QItemSelectionModel::currentRowChanged, &model,
                     [&model, zeigen](const QModelIndex& now, const QModelIndex&) {
                         if (now.isValid() && now.row() != model.currentRow() &&
                             !model.setCurrentRow(now.row()))
                             zeigen(model.currentRow()); // the table stayed: so does the grid
                     });
    zeigen(model.currentRow());
}

} // namespace kolvar
