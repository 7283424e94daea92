#include "tools/tabellenraster.h"

#include "tools/tabellenmodell.h"

#include <QHeaderView>
#include <QItemSelectionModel>

#include <algorithm>

using kolvar::Tabellenmodell;

Tabellenraster::Tabellenraster(Tabellenmodell* modell, QWidget* parent) : QTableView(parent), m_modell(modell)
{
    setModel(modell);
    // Row 0 and column 0 hold the header texts; the header bars show them.
    setRowHidden(0, true);
    setColumnHidden(0, true);
    horizontalHeader()->setSectionsClickable(false);
    verticalHeader()->setSectionsClickable(false);
    horizontalHeader()->setHighlightSections(false);
    verticalHeader()->setHighlightSections(false);
    horizontalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setMinimumSectionSize(1);
    horizontalHeader()->setDefaultSectionSize(100);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    // Columns are sized by the user; all rows keep one height.
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(22);
    verticalHeader()->setDefaultAlignment(Qt::AlignCenter);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::AnyKeyPressed);
    setTabKeyNavigation(true);
    setWordWrap(false);
    // A long text is cut at the cell's edge, not shortened with an ellipsis.
    setTextElideMode(Qt::ElideNone);
    kopfgroessen();

    // A grid made larger shows its new header row and column as headers too.
    connect(modell, &QAbstractItemModel::rowsInserted, this, [this] { setRowHidden(0, true); });
    connect(modell, &QAbstractItemModel::columnsInserted, this, [this] { setColumnHidden(0, true); });
}

void Tabellenraster::kopfgroessen()
{
    verticalHeader()->setFixedWidth(m_breite0);
    horizontalHeader()->setFixedHeight(m_hoehe0);
}

QString Tabellenraster::Cells(int spalte, int zeile) const
{
    return m_modell->wert(spalte, zeile);
}

void Tabellenraster::setCells(int spalte, int zeile, const QString& text)
{
    m_modell->setWert(spalte, zeile, text);
}

int Tabellenraster::RowCount() const
{
    return m_modell->zeilen();
}

int Tabellenraster::ColCount() const
{
    return m_modell->spalten();
}

void Tabellenraster::setGroesse(int zeilen, int spalten)
{
    m_modell->setGroesse(zeilen, spalten);
}

int Tabellenraster::Col() const
{
    const QModelIndex i = currentIndex();
    return i.isValid() ? i.column() : 1;
}

int Tabellenraster::Row() const
{
    const QModelIndex i = currentIndex();
    return i.isValid() ? i.row() : 1;
}

void Tabellenraster::setAktuell(int spalte, int zeile)
{
    if (m_modell->istDatenzelle(spalte, zeile))
        setCurrentIndex(m_modell->index(zeile, spalte));
}

Rasterbereich Tabellenraster::Selection() const
{
    Rasterbereich b{Col(), Row(), Col(), Row()};
    const QItemSelection auswahl = selectionModel() ? selectionModel()->selection() : QItemSelection();
    bool erster = true;
    for (const QItemSelectionRange& r : auswahl) {
        if (erster) {
            b = {r.left(), r.top(), r.right(), r.bottom()};
            erster = false;
        } else {
            b.Left = std::min(b.Left, r.left());
            b.Top = std::min(b.Top, r.top());
            b.Right = std::max(b.Right, r.right());
            b.Bottom = std::max(b.Bottom, r.bottom());
        }
    }
    b.Left = std::clamp(b.Left, 1, ColCount() - 1);
    b.Right = std::clamp(b.Right, 1, ColCount() - 1);
    b.Top = std::clamp(b.Top, 1, RowCount() - 1);
    b.Bottom = std::clamp(b.Bottom, 1, RowCount() - 1);
    return b;
}

void Tabellenraster::setAuswahl(const Rasterbereich& b)
{
    if (!selectionModel())
        return;
    const QItemSelection auswahl(m_modell->index(std::min(b.Top, b.Bottom), std::min(b.Left, b.Right)),
                                 m_modell->index(std::max(b.Top, b.Bottom), std::max(b.Left, b.Right)));
    selectionModel()->select(auswahl, QItemSelectionModel::ClearAndSelect);
}

int Tabellenraster::ColWidths(int spalte) const
{
    return spalte == 0 ? m_breite0 : columnWidth(spalte);
}

void Tabellenraster::setColWidths(int spalte, int breite)
{
    breite = std::max(breite, 1);
    if (spalte == 0) {
        m_breite0 = breite;
        kopfgroessen();
    } else if (spalte > 0 && spalte < ColCount()) {
        setColumnWidth(spalte, breite);
    }
}

int Tabellenraster::RowHeights(int zeile) const
{
    return zeile == 0 ? m_hoehe0 : verticalHeader()->defaultSectionSize();
}

void Tabellenraster::setRowHeights(int zeile, int hoehe)
{
    hoehe = std::max(hoehe, 1);
    if (zeile == 0) {
        m_hoehe0 = hoehe;
        kopfgroessen();
    } else {
        verticalHeader()->setDefaultSectionSize(hoehe);
    }
}

void Tabellenraster::editorSchliessen(QWidget* editor)
{
    if (!editor)
        return;
    commitData(editor);
    closeEditor(editor, QAbstractItemDelegate::NoHint);
}

QPoint Tabellenraster::zelleBei(const QPoint& punkt) const
{
    const QModelIndex i = indexAt(punkt);
    return i.isValid() ? QPoint(i.column(), i.row()) : QPoint(-1, -1);
}

int Tabellenraster::formRowCount() const
{
    return RowCount();
}

int Tabellenraster::formColumnCount() const
{
    return ColCount();
}

QString Tabellenraster::formCell(int row, int column) const
{
    return m_modell->wert(column, row);
}

void Tabellenraster::setFormCells(int columns, const std::vector<QStringList>& rows)
{
    m_modell->setGroesse(int(rows.size()), columns);
    m_modell->setEbene(Tabellenmodell::Ebene::Wert, rows);
}

Formelraster::Formelraster(Tabellenmodell* modell, QObject* parent) : QObject(parent), m_modell(modell) {}

QString Formelraster::Cells(int spalte, int zeile) const
{
    return m_modell->formel(spalte, zeile);
}

void Formelraster::setCells(int spalte, int zeile, const QString& text)
{
    m_modell->setFormel(spalte, zeile, text);
}

int Formelraster::RowCount() const
{
    return m_modell->zeilen();
}

int Formelraster::ColCount() const
{
    return m_modell->spalten();
}

int Formelraster::formRowCount() const
{
    return RowCount();
}

int Formelraster::formColumnCount() const
{
    return ColCount();
}

QString Formelraster::formCell(int row, int column) const
{
    return m_modell->formel(column, row);
}

void Formelraster::setFormCells(int columns, const std::vector<QStringList>& rows)
{
    m_modell->setGroesse(int(rows.size()), columns);
    m_modell->setEbene(Tabellenmodell::Ebene::Formel, rows);
}
