#include "engine/durchgaenge.h"
#include "engine/notifier.h"
#include "engine/tfktbaum.h"

#include <gtest/gtest.h>

namespace {

struct Fall {
    const char* name;
    std::vector<std::string> zeilen;
    std::vector<std::size_t> fehlgeschlagen;
    const char* abfrage; // a query line whose value tells that the chain was defined
    long double wert;
};

TEST(Durchgaenge, DefinesLinesThatUseLaterOnes)
{
    const std::vector<Fall> faelle = {
        {"in order", {"w=3", "v=w*2"}, {}, "v=", 6},
        {"one step back", {"v=w*2", "w=3"}, {}, "v=", 6},
        {"three steps back", {"a=b+1", "b=c+1", "c=d+1", "d=1"}, {}, "a=", 4},
        {"function of a later variable", {"f(x)=x*k", "k=5"}, {}, "f(2)=", 10},
        {"faulty lines stay reported", {"a=b", "d=3+", "b=2", "c=nix"}, {1, 3}, "a=", 2},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        Tfktbaum liste;
        EXPECT_EQ(kolvar::definiere_in_durchgaengen(liste, f.zeilen), f.fehlgeschlagen);
        std::string zeile = f.abfrage;
        long double y = 0;
        ASSERT_TRUE(liste.untersuche(zeile, y));
        EXPECT_EQ(y, f.wert);
    }
}

TEST(Durchgaenge, EngineMessageOnlyInTheFirstPass)
{
    int meldungen = 0;
    const auto vorher = kolvar::setEngineNotifier([&](const std::string&) { ++meldungen; });
    Tfktbaum liste;
    // The self-reference fails every pass while the chain keeps later passes going.
    const auto offen = kolvar::definiere_in_durchgaengen(
        liste, {"s=s+1", "a=b", "b=c", "c=1"});
    kolvar::setEngineNotifier(vorher);
    EXPECT_EQ(offen, std::vector<std::size_t>{0});
    EXPECT_LE(meldungen, 1);
}

// Sets of lines that use one another in every order, with replacements, a
// change of kind and faulty lines: the same lines fail and the same list
// results as when every failed line is tried in every pass.
TEST(Durchgaenge, EndsAsTryingEveryFailedLineInEveryPassWould)
{
    const char* const bausteine[] = {"A=B+1", "B=C*2", "C=3", "AB=A+B", "F(X)=X*C",
                                     "G=F(AB)", "F=7", "B=F(1)", "C=AB", "D=2+",
                                     "A=A+1", "K=G+NIX", "NIX=1", "ABC=AB*2", "E=ABC"};
    // Every failed line again in every pass, while a pass defines something.
    auto allePaesse = [](Tfktbaum& liste, const std::vector<std::string>& zeilen) {
        std::vector<std::size_t> offen;
        for (std::size_t i = 0; i < zeilen.size(); ++i)
            if (!liste.definiere(zeilen[i]))
                offen.push_back(i);
        for (bool neu = true; neu && !offen.empty();) {
            neu = false;
            std::vector<std::size_t> weiter;
            for (std::size_t i : offen) {
                if (liste.definiere(zeilen[i]))
                    neu = true;
                else
                    weiter.push_back(i);
            }
            offen.swap(weiter);
        }
        return offen;
    };
    std::uint32_t zustand = 12345;
    for (int satz = 0; satz < 400; ++satz) {
        std::vector<std::string> zeilen;
        for (int k = 0; k < 10; ++k) {
            zustand = zustand * 1664525u + 1013904223u;
            zeilen.push_back(bausteine[(zustand >> 8) % 15]);
        }
        Tfktbaum erwartet, liste;
        const auto offenErwartet = allePaesse(erwartet, zeilen);
        ASSERT_EQ(kolvar::definiere_in_durchgaengen(liste, zeilen), offenErwartet) << satz;
        ASSERT_EQ(liste.count(), erwartet.count()) << satz;
        for (int i = 0; i < liste.count(); ++i) {
            EXPECT_EQ(liste.entry(i)->definition, erwartet.entry(i)->definition) << satz;
            long double y1 = 0, y2 = 0;
            EXPECT_EQ(liste.fktberechnen(liste.entry(i)->fktname, 2, y1),
                      erwartet.fktberechnen(erwartet.entry(i)->fktname, 2, y2));
            EXPECT_EQ(y1, y2) << satz;
        }
    }
}

} // namespace
