#include "engine/numberformat.h"

#include <cfloat>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <vector>
#include <gtest/gtest.h>

namespace {

struct FormatCase {
    long double value;
    const char* pattern;
    const char* expected;
};

void checkCases(const std::vector<FormatCase>& cases)
{
    for (const FormatCase& c : cases) {
        EXPECT_EQ(kolvar::formatFloat(c.pattern, c.value), c.expected)
            << "pattern \"" << c.pattern << "\" value " << double(c.value);
    }
}

TEST(FormatFloat, DocumentedCases)
{
    checkCases({
        {123.78676L, "0.00", "123,79"},
        {0.000001L, "0.00", "0,00"},
        {1000000.0L, "0.00E-0", "1,00E6"},
        {12.0L, "000.00", "012,00"},
        {2.5L, "0.00", "2,50"},
        {-34.56744L, "0.00", "-34,57"},
    });
}

TEST(FormatFloat, GeneralForm)
{
    checkCases({
        {0.0L, "", "0"},
        {0.0001L, "", "0,0001"},
        {0.00001L, "", "1E-5"},
        {0.000015L, "", "1,5E-5"},
        {1e15L, "", "1E15"},
        {1.0L / 3.0L, "", "0,333333333333333"},
        {2.0L / 3.0L, "", "0,666666666666667"},
        {-2.5L, "", "-2,5"},
        {100.0L, "", "100"},
        {0.1L, "", "0,1"},
        {123456789012345.0L, "", "123456789012345"},
        {1234567890123456.0L, "", "1,23456789012346E15"},
        {-1.5e-300L, "", "-1,5E-300"},
        {LDBL_MAX, "", "1,18973149535723E4932"},
        // An empty section is the general form too.
        {5.25L, ";", "5,25"},
        {5.25L, ";0.0", "5,25"},
        {-5.25L, ";0.0", "5,3"},
    });
}

TEST(FormatFloat, RoundsHalfAwayFromZeroOnTheDecimalExpansion)
{
    checkCases({
        {0.125L, "0.00", "0,13"},
        {-0.125L, "0.00", "-0,13"},
        {0.5L, "0", "1"},
        {1.5L, "0", "2"},
        {2.5L, "0", "3"},
        {-2.5L, "0", "-3"},
        // Not exact in binary; the 18 significant digits still read ...5.
        {2.675L, "0.00", "2,68"},
        {1.005L, "0.00", "1,01"},
        {9.995L, "0.00", "10,00"},
        {999.9996L, "0.000", "1000,000"},
        {0.0049L, "0.00", "0,00"},
        {12345.6789L, "0", "12346"},
        // Below 1E18 the integer part is written whole.
        {999999999999999999.0L, "0", "999999999999999999"},
    });
}

TEST(FormatFloat, DigitPlaceholders)
{
    checkCases({
        {0.0L, "#.##", "0"},
        {0.4L, "#", "0"},
        {0.5L, "#.##", ",5"},
        {1.5L, "#.##", "1,5"},
        {3.0L, "#.##", "3"},
        {3.0L, "0.##", "3"},
        {3.1L, "0.0#", "3,1"},
        {3.14159L, "0.0#", "3,14"},
        {3.1L, "00.0#0", "03,100"},
        {1234.5L, "##0.######", "1234,5"},
        {5.0L, "0#0", "005"},
        {1234.0L, "00-00", "12-34"},
        {5.0L, "00-00", "00-05"},
        {0.25L, ".00", ",25"},
        {7.25L, ".00", "7,25"},
        {7.25L, "0.00.0", "7,250"},
    });
}

TEST(FormatFloat, ThousandsGrouping)
{
    checkCases({
        {1234567.891L, "#,##0.00", "1.234.567,89"},
        {123.0L, "#,##0.00", "123,00"},
        {1000.0L, "#,##0.00", "1.000,00"},
        {999999.5L, "#,##0", "1.000.000"},
        {1234.0L, "0,0", "1.234"},
        {-1234567.0L, "0.0,", "-1.234.567,0"},
        {1234.0L, "0.0','", "1234,0,"},
    });
}

TEST(FormatFloat, QuotesAndLiterals)
{
    checkCases({
        {5.0L, "0.00 'kg'", "5,00 kg"},
        {3.0L, "\"x=\"0", "x=3"},
        {2.0L, "0.0' ; '", "2,0 ; "},
        {-1.25L, "'Wert: '0.0", "-Wert: 1,3"},
        {3.0L, "'0.#E+0'0", "0.#E+03"},
        {3.0L, "0 m/s", "3 m/s"},
        {3.0L, "0'unterminated", "3unterminated"},
        {3.0L, "'x'", "x"},
    });
}

TEST(FormatFloat, Sections)
{
    checkCases({
        {5.0L, "0.00;(0.00)", "5,00"},
        {-5.0L, "0.00;(0.00)", "(5,00)"},
        {0.0L, "0.00;(0.00);'null'", "null"},
        {0.001L, "0.00;(0.00);'null'", "null"},
        {-0.001L, "0.00;(0.00);'null'", "null"},
        {-5.0L, "0.00;", "-5,00"},
        {-5.0L, "0.00;;'null'", "-5,00"},
        {0.0L, "0.00;;'null'", "null"},
        {0.0L, "0.00;-0.00;", "0,00"},
        {-0.001L, "0.00", "0,00"},
        {-0.0L, "0.00", "0,00"},
        {-0.4L, "0;(0)", "0"},
        {0.3L, "'pos';'neg';'null'", "null"},
        {3.0L, "'pos';'neg';'null'", "pos"},
        {-3.0L, "'pos';'neg';'null'", "neg"},
        {0.0L, "0.0;-0.0;0.000", "0,000"},
        {2.0L, "0;0;0;0.0", "2"},
    });
}

TEST(FormatFloat, ScientificForm)
{
    checkCases({
        {1234.5L, "0.00E+00", "1,23E+03"},
        {0.000123L, "0.00E+00", "1,23E-04"},
        {0.0L, "0.00E+00", "0,00E+00"},
        {1234.5L, "0.00E-00", "1,23E03"},
        {0.000123L, "0.00E-00", "1,23E-04"},
        {1234.5L, "0.00e+0", "1,23e+3"},
        {1234.5L, "00.0E+0", "12,3E+2"},
        {9.999L, "0.00E+00", "1,00E+01"},
        {-0.00042L, "0.000E-00", "-4,200E-04"},
        {1.5e300L, "0.0E+0000", "1,5E+0300"},
        {15.0L, "0.0E+00000", "1,5E+0001"},
        {1.5e-4000L, "0.0E-0", "1,5E-4000"},
        {1234.5L, "##0.#########E-00", "1,2345E03"},
        {1234.5L, "0E+0", "1E+3"},
        {1234.5L, ".00E+0", "1,23E+3"},
        // Huge values keep their pattern in scientific form.
        {LDBL_MAX, "0.00E+0000", "1,19E+4932"},
        {LDBL_TRUE_MIN, "0.0E+0", "3,6E-4951"},
        // "E" without a sign is an ordinary character.
        {2.0L, "0E", "2E"},
    });
}

// The pattern the engine formats query results with.
TEST(FormatFloat, EnginePattern)
{
    checkCases({
        {7.0L, "#.##e+##", "7e+0"},
        {-7.0L, "#.##e+##", "-7e+0"},
        {0.0L, "#.##e+##", "0e+0"},
        {1234.5L, "#.##e+##", "1,23e+3"},
        {12345.678L, "#.##e+##", "1,23e+4"},
        {0.000123L, "#.##e+##", "1,23e-4"},
        {2.5L, "#.##e+##", "2,5e+0"},
        {9.996L, "#.##e+##", "1e+1"},
        {1e100L, "#.##e+##", "1e+100"},
        {1.0L / 3.0L, "#.##e+##", "3,33e-1"},
    });
}

TEST(FormatFloat, FixedPatternFallsBackToGeneralFormFromE18)
{
    checkCases({
        {1e18L, "0.00", "1E18"},
        {-2.5e20L, "0.00", "-2,5E20"},
        {-2.5e20L, "0.00;(0.00)", "-2,5E20"},
        {LDBL_MAX, "#,##0", "1,18973149535723E4932"},
    });
}

TEST(FormatFloat, NonFiniteValuesGiveAText)
{
    EXPECT_EQ(kolvar::formatFloat("0.00", INFINITY), "INF");
    EXPECT_EQ(kolvar::formatFloat("0.00", -INFINITY), "-INF");
    EXPECT_EQ(kolvar::formatFloat("0.00", NAN), "NAN");
}

TEST(FormatFloat, IgnoresTheLocale)
{
    // A locale with a decimal comma must not leak into the result.
    const char* previous = std::setlocale(LC_NUMERIC, nullptr);
    const std::string saved = previous ? previous : "C";
    if (!std::setlocale(LC_NUMERIC, "de_DE.UTF-8"))
        GTEST_SKIP() << "no German locale installed";
    EXPECT_EQ(kolvar::formatFloat("0.00", 1234.5L), "1234,50");
    EXPECT_EQ(kolvar::formatFloat("", 0.25L), "0,25");
    long double v = 0;
    EXPECT_TRUE(kolvar::parseFloat("1,25", v));
    EXPECT_EQ(v, 1.25L);
    std::setlocale(LC_NUMERIC, saved.c_str());
}

TEST(ParseFloat, Reads)
{
    struct Case {
        const char* text;
        long double expected;
    };
    const Case cases[] = {
        {"1e-6", 1e-6L},
        {"0,0000004", 4e-7L},
        {"12", 12.0L},
        {" -2,5 ", -2.5L},
        {"+3", 3.0L},
        {",5", 0.5L},
        {"5,", 5.0L},
        {"1E+03", 1000.0L},
        {"1,5e2", 150.0L},
        {"-0", 0.0L},
        {"000123,4500", 123.45L},
        {"1e-99999", 0.0L},
        {"3,14159265358979323846", 3.14159265358979323846L},
    };
    for (const Case& c : cases) {
        long double v = -99;
        EXPECT_TRUE(kolvar::parseFloat(c.text, v)) << c.text;
        EXPECT_EQ(v, c.expected) << c.text;
    }
}

TEST(ParseFloat, RefusesAndLeavesValueUntouched)
{
    const char* bad[] = {"1.5", "", "   ", "+", "-", ",", "1,2,3", "1e", "1e+", "e5",
                         "--1", "1 2", "1e99999", "0x10", "inf", "nan", "1,5 kg", "\t1",
                         "1.000,5", "1e5,5"};
    for (const char* text : bad) {
        long double v = 42;
        EXPECT_FALSE(kolvar::parseFloat(text, v)) << text;
        EXPECT_EQ(v, 42.0L) << text;
    }
}

TEST(ParseFloat, ReadsBackTheGeneralForm)
{
    const long double values[] = {1.0L / 3.0L, -2.5e-300L, 6.02214076e23L, 1e15L, 0.00001L,
                                  123456.789L};
    for (long double x : values) {
        long double back = 0;
        const std::string text = kolvar::formatFloat("", x);
        ASSERT_TRUE(kolvar::parseFloat(text, back)) << text;
        EXPECT_LE(std::fabs(back - x), std::fabs(x) * 1e-14L) << text;
    }
}

// The query text's own routine against the general one. The sample holds
// values of every binary exponent (the subnormal ones too), values on and
// beside the three-digit rounding points (1,235, 9,995 ...) where the
// general routine's rounding from 18 digits decides, exact binary halves,
// powers of ten and their neighbours, and the ends of the extended range.
TEST(FormatQueryResult, GivesTheGeneralRoutinesTextForEveryKindOfValue)
{
    std::vector<long double> werte = {0.0L, -0.0L, LDBL_MAX, -LDBL_MAX, LDBL_MIN, LDBL_TRUE_MIN,
                                      2.675L, 1.005L, 0.125L, 9.995L, 999.5L, 12.2L};
    std::uint64_t zustand = 0x9E3779B97F4A7C15ull;
    auto zufall = [&zustand] {
        zustand ^= zustand << 13;
        zustand ^= zustand >> 7;
        zustand ^= zustand << 17;
        return zustand;
    };
    for (int i = 0; i < 100000; ++i) {
        const long double mantisse = std::ldexp(static_cast<long double>(zufall() | (1ull << 63)), -63);
        const int exponent = static_cast<int>(zufall() % 32830) - 16446;
        werte.push_back((i % 2 ? -1 : 1) * std::ldexp(mantisse, exponent));
    }
    for (int e = -4940; e <= 4930; e += 7) {
        const long double zehn = std::pow(10.0L, static_cast<long double>(e));
        for (int d : {100, 999, 123, 555}) {
            const long double punkt = (d + 0.5L) * zehn / 100;
            werte.push_back(zehn);
            werte.push_back(punkt);
            werte.push_back(std::nextafter(punkt, 0.0L));
            werte.push_back(std::nextafter(punkt, LDBL_MAX));
            werte.push_back(d * zehn / 100);
        }
    }
    for (int d = 100; d < 1000; ++d) {
        // Close to the half, but clearly on one side of it.
        werte.push_back((d + 0.5L - 1e-11L) / 100);
        werte.push_back((d + 0.5L + 1e-11L) * 1000);
        const long double punkt = (d + 0.5L) / 100;
        for (long double v = std::nextafter(std::nextafter(punkt, 0.0L), 0.0L), k = 0; k < 5;
             ++k, v = std::nextafter(v, 10.0L))
            werte.push_back(v);
    }
    // Halves that the binary value holds exactly, such as 6,625.
    for (int zaehler = 1; zaehler < 4000; zaehler += 2)
        for (int j = 1; j <= 12; ++j)
            werte.push_back(std::ldexp(static_cast<long double>(zaehler), -j));
    for (int k = 0; k < 64; ++k) {
        werte.push_back(std::nextafter(LDBL_MAX, 0.0L) / (1 << (k % 8)));
        werte.push_back(LDBL_TRUE_MIN * (k + 1));
        werte.push_back(std::nextafter(LDBL_MIN, LDBL_MAX * (k % 2 ? 1 : -1)));
    }
    int abweichend = 0;
    for (long double v : werte) {
        const std::string erwartet = kolvar::formatFloat("#.##e+##", v);
        if (kolvar::formatQueryResult(v) != erwartet && ++abweichend <= 10)
            ADD_FAILURE() << erwartet << " != " << kolvar::formatQueryResult(v);
    }
    EXPECT_EQ(abweichend, 0) << "of " << werte.size();
}

} // namespace
