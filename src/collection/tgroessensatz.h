#pragma once
// One quantity of the formula shown in a formula window: what the quantity
// table says about it, the unit picked for it and the value typed or
// calculated. Record 1 of a window is the sought quantity, records 2 to 9
// the given ones.
#include <QString>

struct Tgroessensatz {
    QString groesse;    // GROESSE, name of the quantity
    QString symbol;     // SYMBOL, formula markup
    QString einheit;    // EINHEIT, symbol of the quantity's own unit
    QString nameeinhei; // NAMEEINHEI, name of that unit
    QString ableitung;  // ABLEITUNG, shown after "=" behind the unit
    QString Datei;      // DATEI with ".cds": the unit table; empty = no unit choice
    QString rechenvari; // RECHENVARI, the engine variable in RECHNUNG
    QString Wert;       // KONSTANTE at loading, then the typed value or the result

    QString umNameeinheit; // STOFF of the picked unit; empty = own unit
    QString umEinheit;     // "Einheit" of the picked unit; empty = own unit
    QString faktormodus = QStringLiteral("1"); // FAKTOR of the unit table's first row
    QString umrechfaktor;  // FAKTOR of the picked unit ("-1" is kept as "1")

    // The value texts are bounded because the calculation builds its engine
    // lines from them; the value edits accept no longer text, so a value is
    // never cut into a different number. The other fields are kept whole:
    // cutting a markup text would show a different symbol or unit.
    static constexpr int maxWert = 30;
    static constexpr int maxRechenvari = 20;

    // The quantity the unit display and the combo show: the picked unit
    // when one is picked and differs from the own unit, else the own one.
    bool fremdeEinheit() const { return !umEinheit.isEmpty() && umEinheit != einheit; }
    QString angezeigteEinheit() const { return fremdeEinheit() ? umEinheit : einheit; }
    QString angezeigterName() const { return fremdeEinheit() ? umNameeinheit : nameeinhei; }
};
