#pragma once
// What another window may do with a spreadsheet it opened: the formula
// window writes a finished calculation into a new sheet and lets it
// recalculate. The sheet lives in a library above the shell and the
// collection, so those reach it through this interface only; the spreadsheet
// implements it, and the factory hands it out for a window of the kind
// Tabellenkalkulation (WindowFactory::tabellenblatt).
#include <QString>

class QWidget;

namespace kolvar {

class Tabellenblatt {
public:
    // The window itself, to show it and to notice its end.
    virtual QWidget* fenster() = 0;
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

} // namespace kolvar
