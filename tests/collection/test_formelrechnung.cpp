#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>
#include <vector>

#include "collection/formelrechnung.h"
#include "collection/tgroessensatz.h"
#include "engine/tfktbaum.h"

// Readable failure messages for texts and lists of texts.
void PrintTo(const QString& s, std::ostream* os)
{
    *os << '"' << s.toStdString() << '"';
}

using kolvar::Formelrechnung;
using kolvar::Rechenergebnis;
using kolvar::Rechengroesse;
using kolvar::Rechenschritt;
using Status = Rechenergebnis::Status;

namespace {

constexpr long double kKeinWert = std::numeric_limits<long double>::quiet_NaN();

Rechengroesse eigen(const char* groesse, const char* einheit, const char* variable, const char* wert = "")
{
    Rechengroesse g;
    g.groesse = QString::fromUtf8(groesse);
    g.nameeinhei = QString::fromUtf8(einheit);
    g.rechenvari = QString::fromUtf8(variable);
    g.Wert = QString::fromUtf8(wert);
    return g;
}

Rechengroesse gewaehlt(const char* groesse, const char* einheit, const char* variable, const char* wert,
                       const char* umName, const char* modus, const char* faktor)
{
    Rechengroesse g = eigen(groesse, einheit, variable, wert);
    g.umNameeinheit = QString::fromUtf8(umName);
    g.umEinheit = QStringLiteral("x"); // any symbol marks a picked unit
    g.faktormodus = QString::fromUtf8(modus);
    g.umrechfaktor = QString::fromUtf8(faktor);
    return g;
}

// Records the steps for the checks: the transcript lines, and art and
// record of each step in a short form ("G2 U2 E1") that a spreadsheet
// filled from the same steps relies on.
class Mitschrift : public kolvar::Rechenprotokoll {
public:
    void schritt(const Rechenschritt& s) override
    {
        zeilen += kolvar::protokollzeilen(s);
        static const char* const kurz[] = {"G", "U", "E", "EU", "EA"};
        folge << QString::fromLatin1(kurz[static_cast<int>(s.art)]) + QString::number(s.satz);
    }
    QStringList zeilen;
    QStringList folge;
};

struct Fall {
    const char* name;
    QString rechnung;
    std::vector<Rechengroesse> groessen;
    QString format;
    Status status;
    int satz; // where a failed run stopped
    QStringList gesendet;
    QStringList protokoll;
    QString folge;
    QString text;
    long double wert; // hand-calculated; NaN when there is none
};

const Rechengroesse kV = eigen("Geschwindigkeit", "Meter pro Sekunde", "V");

std::vector<Fall> faelle()
{
    const Rechengroesse weg = eigen("Weg", "Meter", "S", "100");
    return {
        {"eigene Einheiten, Leerzeichen in Wert und Rechnung", "V = S / T",
         {kV, weg, eigen("Zeit", "Sekunde", "T", "2 0")}, "0.000", Status::Berechnet, 0,
         {"S=100", "T=2 0", "V = S / T", "V="},
         {";S = Weg - Meter", "S=100", ";T = Zeit - Sekunde", "T=2 0", ";V = Geschwindigkeit - Meter pro Sekunde",
          "V = S / T", "V=", "5,000"},
         "G2 G3 E1", "5,000", 100.0L / 20.0L},
        {"gewählte Einheiten im Modus 1", "V=S/T",
         {gewaehlt("Geschwindigkeit", "Meter pro Sekunde", "V", "", "Zentimeter pro Sekunde", "1", "0,01"),
          gewaehlt("Weg", "Meter", "S", "2,5", "Kilometer", "1", "1000"),
          gewaehlt("Zeit", "Sekunde", "T", "5", "Minute", "1", "60")},
         "0.000", Status::Berechnet, 0,
         {"S1=2,5", "S=S1*1000", "T1=5", "T=T1*60", "V=S/T", "V1=V/0,01", "V1="},
         {";S1 = Weg - Kilometer", "S1=2,5", ";S = Weg - Meter", "S=S1*1000", ";T1 = Zeit - Minute", "T1=5",
          ";T = Zeit - Sekunde", "T=T1*60", ";V = Geschwindigkeit - Meter pro Sekunde", "V=S/T", "V1=V/0,01",
          ";V1= Geschwindigkeit - Zentimeter pro Sekunde", "V1=", "833,333"},
         "G2 U2 G3 U3 EU1 EA1", "833,333", (2.5L * 1000.0L) / (5.0L * 60.0L) / 0.01L},
        {"gewählte Einheiten im Modus -1 neben der eigenen", "V=S/T",
         {gewaehlt("Geschwindigkeit", "Meter pro Sekunde", "V", "", "Kilometer pro Stunde", "-1", "3,6"),
          gewaehlt("Weg", "Meter", "S", "2500", "Millimeter", "-1", "1000"), eigen("Zeit", "Sekunde", "T", "0,5")},
         "0.00", Status::Berechnet, 0,
         {"S1=2500", "S=S1/1000", "T=0,5", "V=S/T", "V1=V*3,6", "V1="},
         {";S1 = Weg - Millimeter", "S1=2500", ";S = Weg - Meter", "S=S1/1000", ";T = Zeit - Sekunde", "T=0,5",
          ";V = Geschwindigkeit - Meter pro Sekunde", "V=S/T", "V1=V*3,6",
          ";V1= Geschwindigkeit - Kilometer pro Stunde", "V1=", "18,00"},
         "G2 U2 G3 EU1 EA1", "18,00", 2500.0L / 1000.0L / 0.5L * 3.6L},
        {"nur eine Größe", "G=9,81", {eigen("Fallbeschleunigung", "Meter pro Sekunde²", "G")}, "0.000",
         Status::Berechnet, 0, {"G=9,81", "G="},
         {";G = Fallbeschleunigung - Meter pro Sekunde²", "G=9,81", "G=", "9,810"}, "E1", "9,810", 9.81L},
        {"Wert von 30 Zeichen wird ganz gesendet", "A=X*2",
         {eigen("a", "m", "A"), eigen("x", "m", "X", "1,0000000000000000000000000001")}, "0.0", Status::Berechnet,
         0, {"X=1,0000000000000000000000000001", "A=X*2", "A="},
         {";X = x - m", "X=1,0000000000000000000000000001", ";A = a - m", "A=X*2", "A=", "2,0"}, "G2 E1", "2,0",
         2.0L},
        {"leerer Wert in der Mitte", "F=A+B+C+D+E",
         {eigen("f", "1", "F"), eigen("a", "1", "A", "1"), eigen("b", "1", "B", "2"), eigen("c", "1", "C"),
          eigen("d", "1", "D", "4"), eigen("e", "1", "E", "5")},
         "0", Status::WerteFehlen, 4, {"A=1", "B=2"}, {";A = a - 1", "A=1", ";B = b - 1", "B=2"}, "G2 G3", "",
         kKeinWert},
        {"Wert nur aus Leerzeichen fehlt", "V=S", {kV, eigen("Weg", "Meter", "S", " \t")}, "0", Status::WerteFehlen,
         2, {}, {}, "", "", kKeinWert},
        {"abgewiesene Wertzeile", "V=S/T", {kV, eigen("Weg", "Meter", "S", "2+"), eigen("Zeit", "Sekunde", "T", "20")},
         "0", Status::Fehlerhaft, 2, {"S=2+"}, {}, "", "", kKeinWert},
        {"abgewiesene Abfrage", "V=S/T", {kV, weg, eigen("Zeit", "Sekunde", "T", "0")}, "0", Status::Fehlerhaft, 1,
         {"S=100", "T=0", "V=S/T", "V="}, {";S = Weg - Meter", "S=100", ";T = Zeit - Sekunde", "T=0"}, "G2 G3", "",
         kKeinWert},
        {"Hilfsvariablen weichen Größen und einander aus", "A=s+S1",
         {eigen("a", "m", "A"), gewaehlt("s", "m", "s", "2", "km", "1", "1000"),
          gewaehlt("s1", "m", "S1", "3", "dm", "-1", "10")},
         "0.0", Status::Berechnet, 0, {"s11=2", "s=s11*1000", "S111=3", "S1=S111/10", "A=s+S1", "A="},
         {";s11 = s - km", "s11=2", ";s = s - m", "s=s11*1000", ";S111 = s1 - dm", "S111=3", ";S1 = s1 - m",
          "S1=S111/10", ";A = a - m", "A=s+S1", "A=", "2000,3"},
         "G2 U2 G3 U3 E1", "2000,3", 2000.3L},
        {"Hilfsvariable der gesuchten Größe weicht aus", "V=V1+W",
         {gewaehlt("v", "m", "V", "", "dm", "1", "0,1"), eigen("v1", "m", "V1", "6"), eigen("w", "m", "W", "4")},
         "0", Status::Berechnet, 0, {"V1=6", "W=4", "V=V1+W", "V11=V/0,1", "V11="},
         {";V1 = v1 - m", "V1=6", ";W = w - m", "W=4", ";V = v - m", "V=V1+W", "V11=V/0,1", ";V11= v - dm", "V11=",
          "100"},
         "G2 G3 EU1 EA1", "100", 100.0L},
        {"Modus einer gegebenen Größe ist keine Zahl", "V=S/T",
         {kV, gewaehlt("Weg", "Meter", "S", "2", "Kilometer", "x", "1000"), eigen("Zeit", "Sekunde", "T", "1")}, "0",
         Status::Fehlerhaft, 2, {"S1=2"}, {";S1 = Weg - Kilometer", "S1=2"}, "G2", "", kKeinWert},
        {"Modus der gesuchten Größe ist keine Zahl", "V=S",
         {gewaehlt("Geschwindigkeit", "Meter pro Sekunde", "V", "", "km/h", "", "3,6"), weg}, "0",
         Status::Fehlerhaft, 1, {"S=100", "V=S"}, {";S = Weg - Meter", "S=100"}, "G2", "", kKeinWert},
        // 3 + 2 * 126 + 2 = 257 characters once the blanks are gone
        {"zu lange Rechnung wird nicht gekürzt", "V=S" + QString(" +S").repeated(126) + "+1", {kV, weg}, "0",
         Status::Fehlerhaft, 0, {"S=100"}, {";S = Weg - Meter", "S=100"}, "G2", "", kKeinWert},
        {"zu langer Wert wird nicht gekürzt", "A=X",
         {eigen("a", "m", "A"), eigen("x", "m", "X", "1,00000000000000000000000000001")}, "0", Status::Fehlerhaft,
         2, {}, {}, "", "", kKeinWert},
        {"ohne gesuchte Größe", "A=1", {}, "0", Status::Fehlerhaft, 0, {}, {}, "", "", kKeinWert},
    };
}

TEST(Formelrechnung, SendetDieZeilenInIhrerFolge)
{
    for (const Fall& f : faelle()) {
        SCOPED_TRACE(f.name);
        Tfktbaum liste;
        Formelrechnung rechnung(liste);
        Mitschrift mitschrift;
        const Rechenergebnis e = rechnung.rechne(f.rechnung, f.groessen, f.format, mitschrift);

        EXPECT_EQ(e.status, f.status);
        EXPECT_EQ(rechnung.gesendet(), f.gesendet);
        EXPECT_EQ(mitschrift.zeilen, f.protokoll);
        EXPECT_EQ(mitschrift.folge.join(' '), f.folge);
        EXPECT_EQ(e.text, f.text);
        if (e.berechnet()) {
            EXPECT_TRUE(e.meldung().isEmpty());
            EXPECT_NEAR(static_cast<double>(e.wert), static_cast<double>(f.wert),
                        1e-12 * std::fabs(static_cast<double>(f.wert)));
        } else {
            EXPECT_EQ(e.satz, f.satz);
            EXPECT_EQ(e.meldung(), f.status == Status::WerteFehlen ? QStringLiteral("Bitte Werte eingeben!")
                                                                   : QStringLiteral("Fehlerhafte Eingabe"));
        }
    }
}

TEST(Formelrechnung, DefinitionenBleibenInDerListe)
{
    // The quantities' variables stay defined for other windows, and a second
    // run with other values replaces them.
    Tfktbaum liste;
    Formelrechnung rechnung(liste);
    kolvar::KeinProtokoll nichts;
    std::vector<Rechengroesse> g = {kV, gewaehlt("Weg", "Meter", "S", "3", "Kilometer", "1", "1000"),
                                    eigen("Zeit", "Sekunde", "T", "10")};
    ASSERT_TRUE(rechnung.rechne("V=S/T", g, "0", nichts).berechnet());
    g[2].Wert = "100";
    const Rechenergebnis e = rechnung.rechne("V=S/T", g, "0", nichts);
    ASSERT_TRUE(e.berechnet());
    EXPECT_EQ(e.text, "30");

    long double y = 0;
    for (const char* name : {"S1", "S", "T", "V"})
        EXPECT_GE(liste.sucheeintrag(name), 0) << name;
    ASSERT_TRUE(liste.fktberechnen("S", 0, y));
    EXPECT_EQ(y, 3000.0L);
    ASSERT_TRUE(liste.fktberechnen("T", 0, y));
    EXPECT_EQ(y, 100.0L);
}

TEST(Formelrechnung, AusDenGroessensaetzen)
{
    // The window hands its quantity records over; every field must land
    // where the lines and comments take it from.
    Tgroessensatz gesucht;
    gesucht.groesse = "Geschwindigkeit";
    gesucht.nameeinhei = "Meter pro Sekunde";
    gesucht.rechenvari = "V";
    gesucht.umNameeinheit = "Kilometer pro Stunde";
    gesucht.umEinheit = "km/h";
    gesucht.faktormodus = "-1";
    gesucht.umrechfaktor = "3,6";
    Tgroessensatz weg = gesucht;
    weg.groesse = "Weg";
    weg.nameeinhei = "Meter";
    weg.rechenvari = "S";
    weg.Wert = "2";
    weg.umNameeinheit = "Kilometer";
    weg.umEinheit = "km";
    weg.faktormodus = "1";
    weg.umrechfaktor = "1000";

    Tfktbaum liste;
    Formelrechnung rechnung(liste);
    Mitschrift mitschrift;
    const Rechenergebnis e = rechnung.rechne(
        "V=S/100", {kolvar::rechengroesse(gesucht), kolvar::rechengroesse(weg)}, "0.0", mitschrift);
    EXPECT_EQ(e.text, "72,0");
    EXPECT_EQ(mitschrift.zeilen,
              QStringList({";S1 = Weg - Kilometer", "S1=2", ";S = Weg - Meter", "S=S1*1000",
                           ";V = Geschwindigkeit - Meter pro Sekunde", "V=S/100", "V1=V*3,6",
                           ";V1= Geschwindigkeit - Kilometer pro Stunde", "V1=", "72,0"}));
}

} // namespace
