#pragma once
// The texts of the formula window's example page: the formula with every
// given symbol replaced by its value and unit, the result behind it, and the
// lines of the sought and given quantities. All texts are formula markup, so
// exponents, fractions and Greek letters of the formula survive.
#include <QString>
#include <QStringList>

#include <vector>

struct Tgroessensatz;

namespace kolvar {

// One quantity of the loaded rearrangement as the example page reads it.
struct Beispielgroesse {
    QString groesse;   // name of the quantity
    QString symbol;    // its symbol in formula markup
    QString einheit;   // its own unit
    QString umEinheit; // the picked unit; empty = its own unit
    QString wert;      // the text of its value edit; not read for the sought quantity
};

// The example page's view of a formula window's quantity record, with the
// text of its value edit.
Beispielgroesse beispielgroesse(const Tgroessensatz& satz, const QString& wert);

// The unit a quantity is shown in: the picked one when it differs from the
// quantity's own unit.
QString beispieleinheit(const Beispielgroesse& g);

// One substitution step on the rest of the formula: when rest begins with
// symbol, the symbol leaves rest and wert goes to aus, in parentheses when a
// "\u(" follows so that the exponent covers value and unit alike. An empty
// symbol never matches. Returns whether it matched.
bool ersetzesymbol(QString& rest, QString& aus, const QString& symbol, const QString& wert);

// The formula with the given quantities (records 2 onward) substituted; the
// text up to its first "=" stays as it is, the sought quantity is never
// substituted. Where several symbols begin at one place the longest is
// replaced; function names (sin, arccos, ln ...) are copied whole unless a
// symbol spans the whole name.
QString beispielformel(const QString& formel, const std::vector<Beispielgroesse>& groessen);

inline const QString keinErgebnisText = QStringLiteral("Es wurde bei der Rechung kein Ergebnis berechnet");

struct Beispielseite {
    bool ok = false;
    QString formel;     // the worked formula, or the no-result text
    QStringList zeilen; // one line for each quantity in record order when ok; none otherwise
};

// The whole page. ergebnis is the text of the result edit; the page has
// content only when it and rechnung are not empty.
Beispielseite baueBeispielseite(const QString& formel, const QString& rechnung, const QString& ergebnis,
                                const std::vector<Beispielgroesse>& groessen);

} // namespace kolvar
