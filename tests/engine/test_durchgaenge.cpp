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

} // namespace
