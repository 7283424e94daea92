#include "engine/helpers.h"
#include "engine/kuerzestezahl.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>
#include <random>

namespace {

long double lies(const std::string& text)
{
    long double v = 0;
    int code = -1;
    strzuzahl(text, v, code);
    EXPECT_EQ(code, 0) << text;
    return v;
}

TEST(KuerzesteZahl, WritesTheFewestDigitsInTheShorterForm)
{
    const struct {
        long double wert;
        const char* text;
    } faelle[] = {
        {0, "0"},
        {0.25L, "0,25"},
        {-2.5L, "-2,5"},
        {1500, "1500"},
        {1e25L, "1E25"},
        {1.5e-12L, "1,5E-12"},
        {0.001L, "0,001"},
        {1.0L / 3.0L, "0,33333333333333333334"},
        {1e-5L, "0,00001"},
        {1e-6L, "1E-6"},
        {1e4000L, "1E4000"},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(kolvar::kuerzeste_zahl(f.wert), f.text);
    EXPECT_EQ(kolvar::kuerzeste_zahl(std::numeric_limits<long double>::infinity()), "");
    EXPECT_EQ(kolvar::kuerzeste_zahl(std::numeric_limits<long double>::quiet_NaN()), "");
}

TEST(KuerzesteZahl, ReadsBackToTheSameValueAndFitsThirtyCharacters)
{
    std::mt19937_64 zufall(7);
    std::vector<long double> werte = {LDBL_MAX, -LDBL_MAX, LDBL_MIN, 1.0L / 3.6L,
                                      std::nextafter(1.0L, 2.0L), std::nextafter(0.1L, 0.0L)};
    for (int i = 0; i < 4000; ++i) {
        const long double m = static_cast<long double>(zufall()) / 18446744073709551616.0L;
        werte.push_back((i % 2 ? -1 : 1) * std::ldexp(m, static_cast<int>(zufall() % 32000) - 16000));
    }
    for (long double w : werte) {
        const std::string text = kolvar::kuerzeste_zahl(w);
        ASSERT_LE(text.size(), 30u) << text;
        ASSERT_EQ(lies(text), w) << text;
    }
}

} // namespace
