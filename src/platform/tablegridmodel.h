#pragma once
// A grid's view of a DataTable: one column per field, one row per record in
// the table's order. The grid follows the table's cursor, shows the record
// being edited or inserted as it is typed, and edits go into the table's
// edit buffer; the table posts them when its cursor leaves the record or the
// navigator posts. Whatever changes the table (a load, a close, another
// window's edit) reaches the grid through the table's change signal.
#include <QAbstractTableModel>
#include <QPointer>
#include <QStringList>

class QTableView;

namespace kolvar {

class DataTable;

class TableGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit TableGridModel(DataTable* table = nullptr, QObject* parent = nullptr);

    // nullptr detaches the grid: it shows nothing until a table is set
    // again. A table that is destroyed detaches itself.
    void setTable(DataTable* table);
    DataTable* table() const { return m_table; }

    void setReadOnly(bool readOnly) { m_readOnly = readOnly; }
    bool isReadOnly() const { return m_readOnly; }

    // The grid row of the table's cursor; -1 when the table is closed or empty.
    int currentRow() const;
    // Moves the cursor to the record shown in row (a pending edit is posted
    // by the move). False when the row shows no record.
    bool setCurrentRow(int row);

    // Puts the record of row, which must be the cursor's, into edit mode, as
    // a grid does when its cell editor opens, so that post and cancel apply
    // to what is being typed.
    bool beginEdit(int row);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // Puts the text into the record's field. A value the field refuses (too
    // long, not a number) is reported with the table's message and changes
    // nothing.
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

public slots:
    // Reads the whole table again.
    void refresh();

signals:
    // The cursor moved to another grid row (also after a reset).
    void currentRowChanged(int row);

private:
    void tableChanged();
    bool sameShape() const;
    // The text of field pos in grid row; the inserted record shows its buffer.
    QString textAt(int row, int pos) const;

    QPointer<DataTable> m_table;
    QStringList m_fields;
    int m_rows = 0;
    int m_current = -1;
    bool m_readOnly = false;
    QMetaObject::Connection m_connection;
    QMetaObject::Connection m_gone;
};

// Binds view to model: the view shows the model, its current row follows the
// table's cursor, a row the person picks in the view moves the cursor, and
// opening a cell editor starts editing the record.
void connectGrid(QTableView& view, TableGridModel& model);

} // namespace kolvar
