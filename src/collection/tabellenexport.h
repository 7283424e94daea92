#pragma once
// A calculation written into a spreadsheet as it runs: each step's comment
// in one cell and its engine line in the cell to the right, so that the
// sheet, recalculated, computes the result again with its own list. Rows:
// the given quantities in rows 2 to Anzahl (a picked unit fills columns C
// and D with the conversion), the calculation line and the query two rows
// further down; comments go to the value grid only, lines to both grids.
#include "collection/formelrechnung.h"

namespace kolvar {

class Tabellenblatt;

class Tabellenprotokoll : public Rechenprotokoll {
public:
    // anzahl: the number of quantities of the rearrangement (Anzahl).
    Tabellenprotokoll(Tabellenblatt& blatt, int anzahl) : m_blatt(blatt), m_anzahl(anzahl) {}
    void schritt(const Rechenschritt& schritt) override;

private:
    Tabellenblatt& m_blatt;
    int m_anzahl;
};

} // namespace kolvar
