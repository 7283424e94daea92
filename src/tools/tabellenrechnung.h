#pragma once
// The calculation of a spreadsheet. Every cell that holds a number or a
// formula becomes a variable of the sheet's own definition list, named by
// the cell's reference (A1, B7, AAA3); other cells may hold sums over ranges,
// definitions of further variables and functions, or plain text. One cell is
// evaluated at a time; the whole sheet is recalculated in three passes in
// reading order (no dependency sort), so a formula that refers to a cell
// further on gets its value in a later pass.
//
// The list holds each cell's formula, so asking it for a value evaluates the
// whole chain of cells behind it, again for every cell that uses the chain:
// a column where each cell uses the previous one twice would take time
// doubling with every row. The values are therefore kept beside the list, in
// a second list where each variable is a plain number and each function its
// own definition; a cell's formula is evaluated there against the values of
// the cells it names. A value stays valid until a definition changes its
// meaning (defining a name anew does not: no existing formula refers to it
// yet); redefining a cell with the same formula, as every pass after the
// first does, changes nothing. The results are those of asking the list
// itself, except that a chain too long or too costly for one evaluation of
// the engine still gets its value.
#include <QString>

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class Tfktbaum;

namespace kolvar {

class Tabellenmodell;

class Tabellenrechnung {
public:
    // liste: the sheet's definition list; zahlenformat: the sheet's number
    // format, read at every evaluation. Both outlive this object.
    Tabellenrechnung(Tfktbaum& liste, Tabellenmodell& modell, const QString& zahlenformat);
    ~Tabellenrechnung();
    Tabellenrechnung(const Tabellenrechnung&) = delete;
    Tabellenrechnung& operator=(const Tabellenrechnung&) = delete;

    // Evaluates one cell from its input: a number, "=SUMME(X1:Y2)" (any
    // case), "=formula", "formula=", or anything else, which is handed to the
    // list as it stands (X=5, F(X)=X^2 define names other cells may use).
    void zelle_berechnen(int spalte, int zeile);
    // The sum of the shown values of a range "A1:B5", column by column; false
    // when the range is no range or a cell in it shows no number (an empty
    // cell, a text, a cell outside the grid).
    bool summe_berechnen(const QString& bereich, long double& wert) const;
    // Empties the list once, then evaluates every cell in three passes.
    void alle_berechnen();

    // Asks the list itself for every value instead of keeping values.
    void setOhneWertspeicher(bool ohne) { m_ohneWertspeicher = ohne; }

    // A cell's reference: the column's letters and the row ("A1", "AB12").
    static QString zellname(int spalte, int zeile);
    // Letters of a column from 1: A..Z, AA..ZZ, AAA.. (so that 703 is AAA,
    // as cell references read it).
    static QString spaltenbuchstaben(int spalte);
    // A cell text that reads as a number: the engine's number syntax with a
    // digit before any exponent ("E2" names a cell).
    static bool istZahl(const std::string& text);

private:
    struct Eintrag;

    // Hands a definition line to the list; keeps the index and the value
    // list in step with what the list accepted. False when the list refused
    // it or it defines nothing.
    // nummer, when given, receives the entry of the name defined.
    bool definiere(const std::string& zeile, int* nummer = nullptr);
    // The value of the variable name, entry nummer, as the query "name=" on
    // the list gives it; eintrag receives the entry when the value is the
    // kept one.
    bool frage(const std::string& name, int nummer, long double& wert, Eintrag** eintrag);
    void sicherstellen(int nummer);
    // Puts a variable into the value list: its value, or one that fails.
    void ablegen(Eintrag& e, bool ok);
    std::vector<int> benutzte_namen(const std::string& rechts, const std::string& parameter,
                                    const std::string& selbst) const;
    void vergessen();

    Tfktbaum& m_liste;
    Tabellenmodell& m_modell;
    const QString& m_zahlenformat;

    std::unique_ptr<Tfktbaum> m_werte; // the value list
    std::vector<Eintrag> m_eintraege;
    // Entry number by name: open addressing over a power of two of places,
    // at most half full, each holding the entry number plus one (0: empty).
    // The key is the entry's own name, so no name is stored twice.
    std::vector<std::uint32_t> m_index;
    std::size_t m_indexAnzahl = 0;
    int suchen(std::string_view name) const;
    void eintragen(int nummer);
    void indexUmbauen(std::size_t plaetze);
    // The walk of sicherstellen, kept so that each walk need not allocate.
    struct Schritt {
        int nummer;
        std::size_t naechster;
    };
    std::vector<Schritt> m_stapel;
    std::uint64_t m_stand = 1;         // raised when a definition changes meaning
    bool m_gestoert = false;           // the value list could not follow the list
    bool m_ohneWertspeicher = false;
};

} // namespace kolvar
