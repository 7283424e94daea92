// The calculation of a sheet without its window: every kind of cell, the
// three passes with forward references, sums, cell names past ZZ, and the
// kept values, which must give what asking the list itself gives.
#include "tools/tabellenrechnung.h"

#include "engine/helpers.h"
#include "engine/tfktbaum.h"
#include "tools/tabellenmodell.h"

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

using kolvar::Tabellenrechnung;

struct Blatt {
    kolvar::Tabellenmodell modell;
    Tfktbaum liste;
    QString format;
    Tabellenrechnung rechnung{liste, modell, format};

    explicit Blatt(const char* f = "0.000", int zeilen = 20, int spalten = 10) : format(QString::fromLatin1(f))
    {
        modell.setGroesse(zeilen, spalten);
    }

    static std::pair<int, int> ort(const char* ref)
    {
        int spalte = 0, zeile = 0;
        EXPECT_TRUE(zellbezug(spalte, zeile, ref)) << ref;
        return {spalte, zeile};
    }
    // The input as typed: both grids, as finishing an edit leaves it.
    void setze(const char* ref, const QString& text)
    {
        const auto [s, z] = ort(ref);
        modell.setWert(s, z, text);
        modell.setFormel(s, z, text);
    }
    void tippe(const char* ref, const QString& text)
    {
        setze(ref, text);
        const auto [s, z] = ort(ref);
        rechnung.zelle_berechnen(s, z);
    }
    QString zeigt(const char* ref) const
    {
        const auto [s, z] = ort(ref);
        return modell.wert(s, z);
    }
    bool definiert(const char* name) const { return liste.sucheeintrag(name) >= 0; }
};

TEST(Tabellenrechnung, EveryKindOfCell)
{
    struct Fall {
        const char* was;
        std::map<std::string, QString> zellen;
        const char* format;
        std::map<std::string, QString> erwartet;
    } const faelle[] = {
        {"number and formula", {{"A1", "2,5"}, {"B1", "=A1*2"}}, "0.000", {{"A1", "2,500"}, {"B1", "5,000"}}},
        {"a decimal point makes no number", {{"A1", "2.5"}, {"B1", "=A1*2"}}, "0.000",
         {{"A1", "2.5"}, {"B1", "=A1*2"}}},
        {"query form", {{"A1", "2,5"}, {"C1", "A1*2="}}, "0.000", {{"C1", "5,000"}}},
        {"number typed in any case", {{"A1", " 1,5e1 "}, {"B1", "=a1+1"}}, "0", {{"A1", "15"}, {"B1", "16"}}},
        {"a definition names a variable others use", {{"A1", "X=5"}, {"B1", "=X*2"}}, "0",
         {{"A1", "X=5"}, {"B1", "10"}}},
        {"a function typed into a cell", {{"A1", "f(x)=x^2+A2"}, {"A2", "1"}, {"B1", "=F(3)"}}, "0",
         {{"B1", "10"}}},
        {"E2 names a cell, not the number 0", {{"E1", "4"}, {"A1", "=E1*2"}, {"B1", "E2"}}, "0",
         {{"A1", "8"}, {"B1", "E2"}}},
        {"only blanks is empty", {{"A1", "   "}}, "0", {{"A1", "   "}}},
        {"plain text", {{"A1", "Länge in m"}}, "0", {{"A1", "Länge in m"}}},
        {"a line longer than the engine's is refused, not cut",
         {{"A1", "=" + QString("1+").repeated(130) + "1"}}, "0",
         {{"A1", "=" + QString("1+").repeated(130) + "1"}}},
    };
    for (const Fall& f : faelle) {
        Blatt b(f.format);
        for (const auto& [ref, text] : f.zellen)
            b.setze(ref.c_str(), text);
        b.rechnung.alle_berechnen();
        for (const auto& [ref, text] : f.erwartet)
            EXPECT_EQ(b.zeigt(ref.c_str()), text) << f.was << " " << ref;
    }

    Blatt b;
    b.setze("A1", "2.5");
    b.setze("B1", "E2");
    b.setze("C1", "=" + QString("1+").repeated(130) + "1");
    b.rechnung.alle_berechnen();
    EXPECT_FALSE(b.definiert("A1"));
    EXPECT_FALSE(b.definiert("B1"));
    EXPECT_FALSE(b.definiert("C1"));
    // A number is kept as the engine reads it.
    b.tippe("D1", " 1,5e1");
    EXPECT_EQ(b.modell.formel(4, 1), "1,5E1");
}

TEST(Tabellenrechnung, ForwardReferencesGetTheirValueInALaterPass)
{
    Blatt b("0");
    // One step: A1 uses A2; two steps: B1 -> C1 -> D1 ... as the rows and
    // columns are walked, each forward step needs one more pass.
    b.setze("A1", "=A2+1");
    b.setze("A2", "5");
    b.setze("A4", "=B4");
    b.setze("B4", "=C4");
    b.setze("C4", "7");
    b.setze("A5", "=B5");
    b.setze("B5", "=C5");
    b.setze("C5", "=D5");
    b.setze("D5", "1");
    b.rechnung.alle_berechnen();
    EXPECT_EQ(b.zeigt("A1"), "6");
    EXPECT_EQ(b.zeigt("A4"), "7");
    EXPECT_EQ(b.zeigt("B5"), "1");
    EXPECT_EQ(b.zeigt("C5"), "1");
    EXPECT_EQ(b.zeigt("D5"), "1");
    EXPECT_EQ(b.zeigt("A5"), "=B5");
}

TEST(Tabellenrechnung, Sums)
{
    Blatt b("0.00");
    b.setze("A1", "1");
    b.setze("A3", "2");
    b.setze("B1", "=Summe(A1:A3)");
    b.setze("B2", "=SUMME(B1:A3)");
    b.setze("B3", "=summe(A3:A1)");
    b.setze("B4", "=Summe(A1:A1000)");
    b.rechnung.alle_berechnen();
    // An empty cell in the range: no sum, and no old value either.
    EXPECT_EQ(b.zeigt("B1"), "=Summe(A1:A3)");
    EXPECT_EQ(b.zeigt("B2"), "0,00");
    EXPECT_EQ(b.zeigt("B3"), "0,00");
    EXPECT_EQ(b.zeigt("B4"), "=Summe(A1:A1000)");
    b.tippe("A2", "4,5");
    b.tippe("B1", "=Summe(A1:A3)");
    EXPECT_EQ(b.zeigt("B1"), "7,50");
    b.tippe("A2", "x");
    b.rechnung.zelle_berechnen(2, 1);
    EXPECT_EQ(b.zeigt("B1"), "=Summe(A1:A3)");

    // The sum's variable holds the value as shown, rounded by the format
    // (the cells summed show what was read in, not yet calculated).
    Blatt g("0");
    g.setze("A1", "0,4");
    g.setze("A2", "0,4");
    g.tippe("C1", "=SUMME(A1:A2)");
    g.tippe("D1", "=C1*10");
    EXPECT_EQ(g.zeigt("C1"), "1");
    EXPECT_EQ(g.zeigt("D1"), "10");
}

TEST(Tabellenrechnung, AFailingDefinitionShowsTheInputNotTheOldValue)
{
    Blatt b("0");
    b.tippe("A1", "=2+3");
    EXPECT_EQ(b.zeigt("A1"), "5");
    b.tippe("A1", "=2+");
    EXPECT_EQ(b.zeigt("A1"), "=2+");
    // Cells that refer to each other have no value.
    b.tippe("B1", "1");
    b.tippe("C1", "=B1");
    b.tippe("B1", "=C1");
    EXPECT_EQ(b.zeigt("B1"), "=C1");
    b.rechnung.zelle_berechnen(3, 1);
    EXPECT_EQ(b.zeigt("C1"), "=B1");
}

TEST(Tabellenrechnung, CellNames)
{
    const std::pair<int, const char*> faelle[] = {{1, "A1"},      {26, "Z1"},     {27, "AA1"},
                                                  {52, "AZ1"},    {702, "ZZ1"},   {703, "AAA1"},
                                                  {999, "ALK1"}};
    for (const auto& [spalte, name] : faelle) {
        EXPECT_EQ(Tabellenrechnung::zellname(spalte, 1), name);
        int s = 0, z = 0;
        ASSERT_TRUE(zellbezug(s, z, name));
        EXPECT_EQ(s, spalte) << name;
    }
    // A cell past ZZ calculates under its name.
    Blatt b("0", 3, 1000);
    b.tippe("ALK1", "3");
    b.tippe("ALK2", "=ALK1*2");
    EXPECT_EQ(b.zeigt("ALK2"), "6");
}

// Sheets whose values are compared between the kept values and the list.
std::vector<std::map<std::string, QString>> vergleichsblaetter()
{
    std::vector<std::map<std::string, QString>> blaetter;
    std::map<std::string, QString> kette; // each cell uses the one above twice
    kette["A1"] = "1,5";
    for (int z = 2; z <= 18; ++z)
        kette["A" + std::to_string(z)] = QString("=A%1+A%1*1,01").arg(z - 1);
    blaetter.push_back(kette);
    blaetter.push_back({{"A1", "=B2*2"}, {"B2", "=C3+1"}, {"C3", "=D4/2"}, {"D4", "3"}, {"A2", "=A1+B2+C3+D4"}});
    blaetter.push_back({{"A1", "X=2"}, {"B1", "=X*3"}, {"C1", "X=7"}, {"D1", "=X+B1"}, {"A2", "=D1-X"}});
    blaetter.push_back({{"A1", "f(t)=t*B1"}, {"B1", "4"}, {"C1", "=F(2)+F(B1)"}, {"A2", "B1=9"}, {"B2", "=C1"}});
    blaetter.push_back({{"A1", "3"}, {"A2", "=Summe(A3:A5)"}, {"A3", "=A1*2"}, {"A4", "=A5"}, {"A5", "1"},
                        {"B1", "=A3+A2"}});
    blaetter.push_back({{"A1", "=B1"}, {"B1", "=A1"}, {"C1", "=A1+1"}, {"D1", "=1/0"}, {"E1", "=D1"},
                        {"A2", "=SQRT(-1)"}, {"B2", "=FAK(5)"}, {"C2", "=SIN(0)+LN(1)"}, {"D2", "-0"}});
    return blaetter;
}

TEST(Tabellenrechnung, KeptValuesGiveWhatTheListGives)
{
    for (const auto& zellen : vergleichsblaetter()) {
        Blatt mit("0.0000000000"), ohne("0.0000000000");
        ohne.rechnung.setOhneWertspeicher(true);
        for (Blatt* b : {&mit, &ohne})
            for (const auto& [ref, text] : zellen)
                b->setze(ref.c_str(), text);
        mit.rechnung.alle_berechnen();
        ohne.rechnung.alle_berechnen();
        for (int z = 1; z < 20; ++z)
            for (int s = 1; s < 10; ++s)
                EXPECT_EQ(mit.modell.wert(s, z), ohne.modell.wert(s, z))
                    << Tabellenrechnung::zellname(s, z).toStdString();
        // Editing afterwards too: a changed cell reaches every cell using it.
        for (Blatt* b : {&mit, &ohne}) {
            b->tippe("D4", "5");
            b->tippe("B1", "=D4*3");
            b->tippe("A2", "=B1+1");
            b->tippe("A3", "=A2");
        }
        for (const char* ref : {"A1", "A2", "A3", "B1", "B2", "C1", "D1", "D4"})
            EXPECT_EQ(mit.zeigt(ref), ohne.zeigt(ref)) << ref;
    }
}

TEST(Tabellenrechnung, AChainTooCostlyForOneEvaluationStillGetsItsValue)
{
    // Each cell uses the previous one twice: asked of the list, row 30 would
    // need some 2^29 evaluations.
    Blatt b("0", 40, 3);
    b.setze("A1", "1");
    for (int z = 2; z <= 30; ++z)
        b.setze(("A" + std::to_string(z)).c_str(), QString("=A%1+A%1").arg(z - 1));
    b.rechnung.alle_berechnen();
    EXPECT_EQ(b.zeigt("A30"), "536870912");
}

} // namespace
