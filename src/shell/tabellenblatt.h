#pragma once
// What another window may do with a spreadsheet it opened: the formula
// window writes a finished calculation into a new sheet and lets it
// recalculate. The sheet lives in a library above the shell and the
// collection, so those reach it through this interface only; the window the
// factory makes for Fensterart::Tabellenkalkulation implements it.
#include <QString>

class QWidget;

namespace kolvar {

class Tabellenblatt {
public:
    // The number format of the cell values.
    virtual void setZahlenformat(const QString& zahlenformat) = 0;
    // Width in pixels of a column (1 is A).
    virtual void setSpaltenbreite(int spalte, int breite) = 0;
    // Text the sheet shows in a cell but never calculates (a comment).
    virtual void setAnzeige(int spalte, int zeile, const QString& text) = 0;
    // A cell's input, shown as typed until the sheet calculates it.
    virtual void setEingabe(int spalte, int zeile, const QString& text) = 0;
    // Recalculates every cell.
    virtual void alle_berechnen() = 0;

protected:
    ~Tabellenblatt() = default;
};

// The sheet behind a window the factory made, or nullptr.
Tabellenblatt* alsTabellenblatt(QWidget* fenster);

} // namespace kolvar
