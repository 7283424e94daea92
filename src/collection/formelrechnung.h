#pragma once
// The calculation of a loaded formula: every given value becomes a definition
// line of the formula language, the formula's own calculation line follows,
// and the sought quantity is asked for, each converted to and from a picked
// unit. All lines go to one definition list (the project formulas in the
// program); the steps that succeeded are reported to a protocol, which may
// write them into a calculation window, fill a spreadsheet or do nothing.
// Kept out of the formula window so that the lines can be checked
// without showing it.
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

class Tfktbaum;
struct Tgroessensatz;

namespace kolvar {

// One quantity of the loaded rearrangement as the calculation reads it; the
// fields carry the names of the formula window's quantity records.
struct Rechengroesse {
    QString groesse;       // name of the quantity, for the comment lines
    QString nameeinhei;    // name of its own unit
    QString rechenvari;    // the engine variable that stands for it in the calculation line
    QString Wert;          // the typed value, sent exactly as it stands
    QString umNameeinheit; // name of the picked unit
    QString umEinheit;     // symbol of the picked unit; empty = its own unit
    QString faktormodus = QStringLiteral("1"); // 1: a picked unit is umrechfaktor own units
    QString umrechfaktor;  // factor of the picked unit, inserted as text
};

// The calculation's view of a formula window's quantity record.
Rechengroesse rechengroesse(const Tgroessensatz& satz);

// One step of a run that the engine accepted. Record 1 is the sought
// quantity, records 2 to 9 the given ones.
struct Rechenschritt {
    enum class Art {
        Gegeben,            // the value of a given quantity (its auxiliary variable when a unit is picked)
        Umrechnung,         // a given quantity converted from its picked unit
        Ergebnis,           // the sought quantity in its own unit, asked for
        ErgebnisUmrechnung, // the sought quantity converted into its picked unit
        ErgebnisAbfrage,    // the converted sought quantity, asked for
    };
    Art art = Art::Gegeben;
    int satz = 0;
    QString kommentar; // a comment line, beginning with ";"
    QString rechnung;  // the calculation line as sent (Ergebnis, ErgebnisUmrechnung)
    QString zeile;     // the value, conversion or query line as sent
    QString ergebnis;  // the formatted result (Ergebnis, ErgebnisAbfrage)
};

// The lines a calculation window shows for a step, in their order.
QStringList protokollzeilen(const Rechenschritt& schritt);

// Receives the steps of a run as they succeed.
class Rechenprotokoll {
public:
    virtual ~Rechenprotokoll() = default;
    virtual void schritt(const Rechenschritt& schritt) = 0;
};

// The plain calculation: no transcript.
class KeinProtokoll : public Rechenprotokoll {
public:
    void schritt(const Rechenschritt&) override {}
};

// A transcript: hands every line of every step to a writer, such as the
// add-line operation of a calculation window's memo.
class Zeilenprotokoll : public Rechenprotokoll {
public:
    explicit Zeilenprotokoll(std::function<void(const QString&)> schreibe);
    void schritt(const Rechenschritt& schritt) override;

private:
    std::function<void(const QString&)> m_schreibe;
};

struct Rechenergebnis {
    enum class Status {
        Berechnet,   // the query succeeded; text may still be empty
        WerteFehlen, // a given value is empty
        Fehlerhaft,  // the engine refused a line, or a line could not be built
    };
    Status status = Status::Fehlerhaft;
    int satz = 0;       // the quantity record the run stopped at; 0 when not at one
    QString text;       // the result formatted with the window's number format
    long double wert = 0;

    bool berechnet() const { return status == Status::Berechnet; }
    // "Bitte Werte eingeben!", "Fehlerhafte Eingabe", or empty after success.
    QString meldung() const;
};

class Formelrechnung {
public:
    // What a typed value may hold: the value edits take no more.
    static constexpr int maxWert = 30;

    explicit Formelrechnung(Tfktbaum& liste) : m_liste(liste) {}

    // Runs the calculation of a rearrangement. groessen holds its quantities
    // in record order (the sought quantity first); zahlenformat is the
    // window's number format for the result.
    Rechenergebnis rechne(const QString& rechnung, const std::vector<Rechengroesse>& groessen,
                          const QString& zahlenformat, Rechenprotokoll& protokoll);

    // The lines handed to the engine by the last run, as built (blanks and
    // all), in order, the refused one included.
    const QStringList& gesendet() const { return m_gesendet; }

    // The auxiliary variable that holds a value in its picked unit: the
    // variable with "1" appended, and further "1"s while that name is taken
    // (compared as the engine compares names).
    static QString hilfsvariable(const QString& variable, const QStringList& belegt);

private:
    bool sende(const QString& zeile, long double& y, QString* puffer = nullptr);

    Tfktbaum& m_liste;
    QStringList m_gesendet;
};

} // namespace kolvar
