#include "collection/tabellenexport.h"

#include "shell/tabellenblatt.h"

namespace kolvar {

void Tabellenprotokoll::schritt(const Rechenschritt& s)
{
    using Art = Rechenschritt::Art;
    // Row e stays empty between the given quantities and the result.
    const int e = m_anzahl + 1;
    switch (s.art) {
    case Art::Gegeben:
        m_blatt.setAnzeige(1, s.satz, s.kommentar);
        m_blatt.setEingabe(2, s.satz, s.zeile);
        break;
    case Art::Umrechnung:
        m_blatt.setAnzeige(3, s.satz, s.kommentar);
        m_blatt.setEingabe(4, s.satz, s.zeile);
        break;
    case Art::Ergebnis:
        m_blatt.setAnzeige(1, e + 1, s.kommentar);
        m_blatt.setEingabe(2, e + 1, s.rechnung);
        m_blatt.setEingabe(3, e + 1, s.zeile);
        break;
    case Art::ErgebnisUmrechnung:
        m_blatt.setAnzeige(1, e + 2, s.kommentar);
        m_blatt.setEingabe(2, e + 2, s.rechnung);
        m_blatt.setEingabe(2, e + 3, s.zeile);
        break;
    case Art::ErgebnisAbfrage:
        m_blatt.setAnzeige(1, e + 4, s.kommentar);
        m_blatt.setEingabe(2, e + 4, s.zeile);
        break;
    }
}

} // namespace kolvar
