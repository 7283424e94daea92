// The fractal arithmetic without a window: exact escape counts, the colour
// rule, the vector lanes against the plain loop, and where and in which
// order the blocks of a pass land.
#include "tools/fraktalrechnung.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <string>
#include <vector>

using namespace kolvar;

namespace {

const auto kNie = Fraktalzeichnung::Uhr::time_point::max();

struct Leinwand {
    std::vector<std::uint8_t> pixel;
    Indexbild bild;
    Leinwand(int w, int h, std::uint8_t fuellung) : pixel(std::size_t(w * h), fuellung)
    {
        bild = Indexbild{pixel.data(), w, w, h};
    }
    int at(int x, int y) const { return pixel[std::size_t(y * bild.breite + x)]; }
};

} // namespace

TEST(Fluchtzahl, ExactCountsAndColours)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Fall {
        double zre, zim, cre, cim;
        int maximum, n;
        std::uint32_t farbe;
    } const faelle[] = {
        {0, 0, 3, 0, 50, 2, 0x008000},     // c = (3, 0): the step from 3 to 12 sees 9 > 4
        {3, 0, -1.5, 0, 50, 1, 0x800000},  // a Julia start outside the limit
        {0, 0, -1, 0, 50, 50, 0x008000},   // a point of the set: 50 mod 16
        {0, 0, 2, 0, 50, 3, 0x808000},     // a squared modulus of exactly 4 does not escape
        {0, 0, 0.25, 0, 1, 1, 0x800000},   // the maximum ends the first step
        {nan, 0, 0, 0, 20, 20, 0x000080},  // NaN never exceeds the limit
    };
    for (const Fall& f : faelle) {
        const int n = fluchtzahl(f.zre, f.zim, f.cre, f.cim, 4, f.maximum);
        EXPECT_EQ(n, f.n) << f.zre << "," << f.cre;
        EXPECT_EQ(kFraktalpalette[farbindex(n)], f.farbe) << f.cre;
    }
    EXPECT_EQ(kFraktalpalette[farbindex(15)], 0xFFFFFFu);
    EXPECT_EQ(kFraktalpalette[farbindex(16)], 0x000000u);
}

TEST(Fluchtzahlen, LanesGiveTheCountsOfThePlainLoop)
{
    const double inf = std::numeric_limits<double>::infinity();
    std::vector<Startwert> punkte{{0, 0, 3, 0},   {inf, 0, 0, 0}, {0, 0, -inf, 1}, {1e200, 1e200, 0, 0},
                                  {1e-310, 0, 0, 1e-310}, {0, 0, -2, 0}, {0, 0, 0.3, 0.5}};
    std::mt19937 zufall(7);
    std::uniform_real_distribution<double> wert(-2.2, 2.2);
    for (int i = 0; i < 20000; ++i)
        punkte.push_back({i % 2 ? wert(zufall) : 0, i % 2 ? wert(zufall) : 0, wert(zufall), wert(zufall)});
    for (const bool vektoren : {true, false})
        for (const auto& [grenze, maximum] : {std::pair{4.0, 1000}, std::pair{-1.0, 50}, std::pair{1e6, 3}}) {
            std::vector<int> n(punkte.size());
            fluchtzahlen(punkte.data(), punkte.size(), grenze, maximum, n.data(), vektoren);
            for (std::size_t i = 0; i < punkte.size(); ++i) {
                const Startwert& p = punkte[i];
                ASSERT_EQ(n[i], fluchtzahl(p.zre, p.zim, p.cre, p.cim, grenze, maximum)) << i << " " << vektoren;
            }
        }
}

TEST(Fraktalzeichnung, EachPassGivesEveryPixelItsBlocksColour)
{
    // The first pass on 7 x 5 is one block of the point (0, 0); later passes
    // give each pixel the colour of the top left corner of its block.
    Fraktaleinstellung e;
    e.art = Fraktalart::Julia;
    e.breite = 7;
    e.hoehe = 5;
    e.cre = -0.8;
    e.cim = 0.156;
    e.weite = 3;
    e.hoehe_sicht = 2;
    e.maximum = 200;
    Fraktalzeichnung z(e);
    Leinwand l(7, 5, 255);
    for (int k = 10; k >= 1; --k) {
        ASSERT_EQ(z.blockgroesse(), k);
        ASSERT_TRUE(z.arbeite(l.bild, kNie));
        for (int y = 0; y < 5; ++y)
            for (int x = 0; x < 7; ++x) {
                const int px = x / k * k, py = y / k * k;
                const int n = fluchtzahl(px * (3.0 / 7) - 1.5, py * (2.0 / 5) - 1, -0.8, 0.156, 4, 200);
                ASSERT_EQ(l.at(x, y), farbindex(n)) << "k " << k << " at " << x << "," << y;
            }
    }
    EXPECT_TRUE(z.fertig());
}

TEST(Fraktalzeichnung, BlocksGoDownEachColumnAndReachOneRowFurther)
{
    Fraktaleinstellung e;
    e.breite = 7;
    e.hoehe = 5;
    Fraktalzeichnung z(e);
    Leinwand l(7, 5, 0);
    while (z.blockgroesse() > 3)
        z.arbeite(l.bild, kNie);
    std::fill(l.pixel.begin(), l.pixel.end(), 255);
    // Blocks of pass 3, one at a time: (0,0) covers rows 0 to 3, then (0,3)
    // below it, then the next column.
    const char* const erwartet[] = {
        "XXX....|XXX....|XXX....|XXX....|.......",
        "XXX....|XXX....|XXX....|XXX....|XXX....",
        "XXXXXX.|XXXXXX.|XXXXXX.|XXXXXX.|XXX....",
    };
    for (const char* bild : erwartet) {
        EXPECT_FALSE(z.arbeite(l.bild, kNie, 1));
        std::string gemalt;
        for (int y = 0; y < 5; ++y) {
            for (int x = 0; x < 7; ++x)
                gemalt += l.at(x, y) == 255 ? '.' : 'X';
            gemalt += y < 4 ? "|" : "";
        }
        EXPECT_EQ(gemalt, bild);
    }
    EXPECT_EQ(z.bloeckeGemalt(), 3);
}
