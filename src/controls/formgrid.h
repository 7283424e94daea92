#pragma once
// A grid whose cells go into the form-state text without being a
// QTableWidget: the spreadsheet keeps its cells in one model for up to a
// million of them, not as an item per cell, and shows them through views of
// its own. Such a grid implements this interface on a QObject and is listed
// in FormControls like any control; it writes and reads the same block as a
// string grid.
#include <QString>
#include <QStringList>

#include <vector>

namespace kolvar {

// The most rows and columns (the header row and column included) a grid of
// the form-state text may have: what a spreadsheet holds. A text asking for
// more is refused before anything is made for it.
inline constexpr int kMaxGridRows = 1000;
inline constexpr int kMaxGridColumns = 1000;

class FormGrid {
public:
    virtual ~FormGrid() = default;

    virtual int formRowCount() const = 0;
    virtual int formColumnCount() const = 0;
    virtual QString formCell(int row, int column) const = 0;

    // Takes rows x columns cells, row 0 and column 0 included; rows[r] holds
    // the texts of row r from column 0 (a shorter row leaves the rest of it
    // empty, a longer one is cut at columns). Every cell not given is empty.
    virtual void setFormCells(int columns, const std::vector<QStringList>& rows) = 0;
};

} // namespace kolvar
