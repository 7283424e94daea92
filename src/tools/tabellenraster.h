#pragma once
// The two grids of a spreadsheet over its one model: the visible value grid
// (a table view) and the formula grid, which is never shown and so is no
// widget at all. Both speak in (column, row) with row 0 and column 0 the
// headers, as the sheet's rules do; the view shows those two as its own
// header bars, so they stay in place while the cells scroll.
#include "controls/formgrid.h"

#include <QObject>
#include <QTableView>

namespace kolvar {
class Tabellenmodell;
}

// The grid's selection, inclusive, in (column, row).
struct Rasterbereich {
    int Left = 1;
    int Top = 1;
    int Right = 1;
    int Bottom = 1;
};

class Tabellenraster : public QTableView, public kolvar::FormGrid {
    Q_OBJECT
public:
    Tabellenraster(kolvar::Tabellenmodell* modell, QWidget* parent = nullptr);

    kolvar::Tabellenmodell* modell() const { return m_modell; }

    QString Cells(int spalte, int zeile) const;
    void setCells(int spalte, int zeile, const QString& text);
    int RowCount() const;
    int ColCount() const;
    // Changes the size (2..1000 each, header included); cells outside it go.
    void setGroesse(int zeilen, int spalten);

    // The current cell.
    int Col() const;
    int Row() const;
    void setAktuell(int spalte, int zeile);
    // The selected rectangle, within the data cells; the current cell when
    // nothing else is selected.
    Rasterbereich Selection() const;
    void setAuswahl(const Rasterbereich& bereich);

    // Widths of columns and heights of rows in pixels, header ones included.
    // The data rows share one height.
    int ColWidths(int spalte) const;
    void setColWidths(int spalte, int breite);
    int RowHeights(int zeile) const;
    void setRowHeights(int zeile, int hoehe);

    // The cell under a point of the viewport, (-1, -1) outside the cells.
    QPoint zelleBei(const QPoint& punkt) const;
    // The in-place editor, while one is open.
    bool editorOffen() const { return state() == QAbstractItemView::EditingState; }
    // Takes what the editor holds into the cell and closes it, as moving to
    // another cell would.
    void editorSchliessen(QWidget* editor);

    int formRowCount() const override;
    int formColumnCount() const override;
    QString formCell(int row, int column) const override;
    void setFormCells(int columns, const std::vector<QStringList>& rows) override;

private:
    void kopfgroessen();

    kolvar::Tabellenmodell* m_modell;
    int m_breite0 = 30; // column 0
    int m_hoehe0 = 22;  // row 0
};

class Formelraster : public QObject, public kolvar::FormGrid {
    Q_OBJECT
public:
    explicit Formelraster(kolvar::Tabellenmodell* modell, QObject* parent = nullptr);

    QString Cells(int spalte, int zeile) const;
    void setCells(int spalte, int zeile, const QString& text);
    int RowCount() const;
    int ColCount() const;

    int formRowCount() const override;
    int formColumnCount() const override;
    QString formCell(int row, int column) const override;
    void setFormCells(int columns, const std::vector<QStringList>& rows) override;

private:
    kolvar::Tabellenmodell* m_modell;
};
