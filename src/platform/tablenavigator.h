#pragma once
// The button bar that walks and edits a DataTable: first, prior, next, last,
// insert, delete, edit, post, cancel and refresh. Each button is enabled only
// when its step makes sense in the table's state, and follows every change
// of the table.
#include <QPointer>
#include <QWidget>

#include <array>

class QToolButton;

namespace kolvar {

class DataTable;

class TableNavigator : public QWidget {
    Q_OBJECT
public:
    enum Button { First, Prior, Next, Last, Insert, Delete, Edit, Post, Cancel, Refresh };
    static constexpr int kButtons = 10;

    explicit TableNavigator(QWidget* parent = nullptr);

    // nullptr detaches the bar: every button is disabled. A table that is
    // destroyed detaches itself.
    void setTable(DataTable* table);
    DataTable* table() const { return m_table; }

    void setButtonVisible(Button button, bool visible);
    QToolButton* button(Button button) const { return m_buttons[size_t(button)]; }

    // Deleting asks "Datensatz löschen?" first unless this is switched off.
    void setConfirmDelete(bool confirm) { m_confirmDelete = confirm; }

    // What a press of the button does (also when it is disabled, nothing).
    void click(Button button);

signals:
    // "Daten aktualisieren": the bound grids read the table again.
    void refreshRequested();

private:
    void updateButtons();

    QPointer<DataTable> m_table;
    std::array<QToolButton*, kButtons> m_buttons{};
    bool m_confirmDelete = true;
    QMetaObject::Connection m_connection;
    QMetaObject::Connection m_gone;
};

} // namespace kolvar
