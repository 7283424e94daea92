#pragma once
// The cells of a spreadsheet: two planes of texts over one grid, the value
// plane that the user sees (a calculated cell's formatted value, any other
// cell's text) and the formula plane that holds each cell's input as it was
// given. Row 0 and column 0 are the header row and column; their texts are
// cells like any other, so that a sheet's file keeps whatever they hold.
//
// A sheet may reach 1000 x 1000 cells, mostly empty: only cells with a text
// in either plane take memory, kept in row-major order so that the
// recalculation walks the filled cells only.
#include <QAbstractTableModel>
#include <QString>

#include <cstdint>
#include <functional>
#include <map>

namespace kolvar {

class Tabellenmodell : public QAbstractTableModel {
    Q_OBJECT
public:
    // The smallest and largest grid, the header row and column included.
    static constexpr int kMinGroesse = 2;
    static constexpr int kMaxZeilen = 1000;
    static constexpr int kMaxSpalten = 1000;

    explicit Tabellenmodell(QObject* parent = nullptr);

    int zeilen() const { return m_zeilen; }
    int spalten() const { return m_spalten; }
    // Changes the size (each count within its bounds); cells outside the new
    // size are dropped.
    void setGroesse(int zeilen, int spalten);
    bool imRaster(int spalte, int zeile) const
    {
        return spalte >= 0 && zeile >= 0 && spalte < m_spalten && zeile < m_zeilen;
    }
    bool istDatenzelle(int spalte, int zeile) const
    {
        return spalte >= 1 && zeile >= 1 && spalte < m_spalten && zeile < m_zeilen;
    }

    // The texts of a cell; empty outside the grid.
    QString wert(int spalte, int zeile) const;
    QString formel(int spalte, int zeile) const;
    // Setting a cell outside the grid does nothing. Tabs and line breaks
    // become blanks: a cell is one field of one line in every file and on
    // the clipboard, and must not break them apart.
    void setWert(int spalte, int zeile, const QString& text);
    void setFormel(int spalte, int zeile, const QString& text);
    // Both planes of a cell.
    void leeren(int spalte, int zeile);
    // Empties both planes of every data cell in the rectangle.
    void leeren(int links, int oben, int rechts, int unten);

    // Replaces one plane whole (a form-state block): every cell of rows is
    // taken, the rest of the plane emptied. The size is not changed here.
    enum class Ebene { Wert, Formel };
    void setEbene(Ebene ebene, const std::vector<QStringList>& rows);

    // Calls f(spalte, zeile) for every data cell that holds a text in
    // either plane, row by row, each row left to right. f may change texts
    // of the cell it is given, nothing else.
    void fuerGefuellte(const std::function<void(int spalte, int zeile)>& f) const;
    // Same, for the filled cells of one row from a column on.
    void fuerGefuellteInZeile(int zeile, int vonSpalte, int bisSpalte,
                              const std::function<void(int spalte)>& f) const;
    // Number of cells holding a text in either plane.
    std::size_t gefuellt() const { return m_zellen.size(); }

    // The text a person edits: the input, or the shown text where a cell has
    // no input (a comment written to the value plane only).
    QString eingabe(int spalte, int zeile) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // An edit writes the value plane, as typing into a cell does; the input
    // is taken from there when the edit is finished.
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

    // Between these two calls (they nest) cell changes are not announced one
    // by one; the end announces the whole grid once. A recalculation of
    // thousands of cells then repaints once.
    void beginSammeln() { ++m_sammeln; }
    void endSammeln();

    // True when text holds nothing but blanks and tabs: such a cell counts
    // as empty.
    static bool leer(const QString& text);

    // One line, one field: tabs and line breaks become blanks.
    static QString einzeilig(const QString& text);

private:
    struct Zelle {
        QString wert;
        QString formel;
    };
    static std::uint64_t schluessel(int spalte, int zeile)
    {
        return (std::uint64_t(std::uint32_t(zeile)) << 32) | std::uint32_t(spalte);
    }
    void setze(int spalte, int zeile, const QString& text, QString Zelle::*ebene);
    void geaendert(int spalte, int zeile);

    int m_sammeln = 0;
    bool m_gesammelt = false;
    int m_zeilen = 20;
    int m_spalten = 10;
    std::map<std::uint64_t, Zelle> m_zellen;
};

} // namespace kolvar
