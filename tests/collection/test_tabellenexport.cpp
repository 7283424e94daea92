// A calculation written into a spreadsheet: which cell each comment and line
// lands in, for given quantities in their own and in picked units, a sought
// quantity in its own and in a picked unit, one quantity only, and a run
// that stops early.
#include "collection/tabellenexport.h"

#include "engine/tfktbaum.h"
#include "shell/tabellenblatt.h"

#include <gtest/gtest.h>

#include <map>
#include <ostream>

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& s, std::ostream* os)
{
    *os << '"' << s.toStdString() << '"';
}
QT_END_NAMESPACE

namespace {

using kolvar::Rechengroesse;

// The cells as the sheet receives them: "A2" -> text, with a mark for
// inputs (both grids) against comments (value grid only).
class Blatt : public kolvar::Tabellenblatt {
public:
    QWidget* fenster() override { return nullptr; }
    void setZahlenformat(const QString&) override {}
    void setSpaltenbreite(int, int) override {}
    void setAnzeige(int spalte, int zeile, const QString& text) override { zellen[name(spalte, zeile)] = text; }
    void setEingabe(int spalte, int zeile, const QString& text) override
    {
        zellen[name(spalte, zeile)] = "[" + text + "]";
    }
    void alle_berechnen() override {}

    static std::string name(int spalte, int zeile)
    {
        return std::string(1, char('A' + spalte - 1)) + std::to_string(zeile);
    }
    std::map<std::string, QString> zellen;
};

Rechengroesse groesse(const char* name, const char* einheit, const char* variable, const char* wert,
                      const char* umName = nullptr, const char* modus = "1", const char* faktor = "")
{
    Rechengroesse g;
    g.groesse = QString::fromUtf8(name);
    g.nameeinhei = QString::fromUtf8(einheit);
    g.rechenvari = QString::fromUtf8(variable);
    g.Wert = QString::fromUtf8(wert);
    if (umName) {
        g.umNameeinheit = QString::fromUtf8(umName);
        g.umEinheit = QStringLiteral("x");
        g.faktormodus = QString::fromUtf8(modus);
        g.umrechfaktor = QString::fromUtf8(faktor);
    }
    return g;
}

std::map<std::string, QString> exportiere(const QString& rechnung, const std::vector<Rechengroesse>& groessen)
{
    Tfktbaum liste;
    Blatt blatt;
    kolvar::Tabellenprotokoll protokoll(blatt, int(groessen.size()));
    kolvar::Formelrechnung(liste).rechne(rechnung, groessen, QStringLiteral("0.00"), protokoll);
    return blatt.zellen;
}

TEST(Tabellenexport, CellsOfEveryKindOfStep)
{
    const Rechengroesse v = groesse("Geschwindigkeit", "Meter pro Sekunde", "V", "");
    struct Fall {
        const char* was;
        QString rechnung;
        std::vector<Rechengroesse> groessen;
        std::map<std::string, QString> zellen;
    } const faelle[] = {
        {"three given quantities in their own units",
         "V=S/T+0*U",
         {v, groesse("Weg", "Meter", "S", "100"), groesse("Zeit", "Sekunde", "T", "20"),
          groesse("Rest", "Eins", "U", "1")},
         {{"A2", ";S = Weg - Meter"},
          {"B2", "[S=100]"},
          {"A3", ";T = Zeit - Sekunde"},
          {"B3", "[T=20]"},
          {"A4", ";U = Rest - Eins"},
          {"B4", "[U=1]"},
          {"A6", ";V = Geschwindigkeit - Meter pro Sekunde"},
          {"B6", "[V=S/T+0*U]"},
          {"C6", "[V=]"}}},
        {"a given quantity in a picked unit, the result in another",
         "V=S/T",
         {groesse("Geschwindigkeit", "Meter pro Sekunde", "V", "", "Kilometer pro Stunde", "1", "0,2777"),
          groesse("Weg", "Meter", "S", "2", "Kilometer", "1", "1000"), groesse("Zeit", "Sekunde", "T", "20")},
         {{"A2", ";S1 = Weg - Kilometer"},
          {"B2", "[S1=2]"},
          {"C2", ";S = Weg - Meter"},
          {"D2", "[S=S1*1000]"},
          {"A3", ";T = Zeit - Sekunde"},
          {"B3", "[T=20]"},
          {"A6", ";V = Geschwindigkeit - Meter pro Sekunde"},
          {"B6", "[V=S/T]"},
          {"B7", "[V1=V/0,2777]"},
          {"A8", ";V1= Geschwindigkeit - Kilometer pro Stunde"},
          {"B8", "[V1=]"}}},
        {"one quantity only", "V=3", {v}, {{"A3", ";V = Geschwindigkeit - Meter pro Sekunde"}, {"B3", "[V=3]"},
                                          {"C3", "[V=]"}}},
        {"an empty value stops after the rows before it",
         "V=S/T",
         {v, groesse("Weg", "Meter", "S", "100"), groesse("Zeit", "Sekunde", "T", "")},
         {{"A2", ";S = Weg - Meter"}, {"B2", "[S=100]"}}},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(exportiere(f.rechnung, f.groessen), f.zellen) << f.was;
}

} // namespace
