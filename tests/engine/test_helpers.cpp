#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "engine/helpers.h"

TEST(Leerzeichenweg, RemovesBlanksAndTabsOnly)
{
    struct Case {
        const char* input;
        const char* expected;
    };
    const Case cases[] = {
        {"a  b\t c", "abc"},
        {"", ""},
        {" \t ", ""},
        {"F(X) = X^2 + 1", "F(X)=X^2+1"},
        {"Grö ße", "Größe"},
        {"a\nb", "a\nb"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(leerzeichenweg(c.input), c.expected) << c.input;
        std::string buffer = c.input;
        pleerzeichenweg(buffer);
        EXPECT_EQ(buffer, c.expected) << c.input;
    }
}

TEST(Spaltenname, NamesColumnsOneToSevenHundredTwo)
{
    struct Case {
        int column;
        const char* expected;
    };
    const Case cases[] = {
        {1, "A"}, {2, "B"}, {26, "Z"}, {27, "AA"}, {52, "AZ"}, {53, "BA"}, {702, "ZZ"},
        // Outside the named range there is no name rather than a wrong one.
        {0, ""}, {-5, ""}, {703, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(spaltenname(c.column), c.expected) << c.column;
}

TEST(Zellbezug, ReadsColumnLettersAndRow)
{
    struct Case {
        const char* reference;
        bool ok;
        int column;
        int row;
    };
    const Case cases[] = {
        {"B3", true, 2, 3},
        {"AB12", true, 28, 12},
        {"ZZ1", true, 702, 1},
        {"AAA7", true, 703, 7},
        {"A0", true, 1, 0},
        {"b3", false, 0, 0},
        {"ABCD1", false, 0, 0},
        {"A", false, 0, 0},
        {"A1X", false, 0, 0},
        {"12", false, 0, 0},
        {"", false, 0, 0},
        {"A 1", false, 0, 0},
        {"A+5", true, 1, 5},
        {"A-1", true, 1, -1},
        {"A+-1", false, 0, 0},
        {"A+", false, 0, 0},
        {"A99999999999", false, 0, 0},
    };
    for (const Case& c : cases) {
        int column = -1;
        int row = -1;
        EXPECT_EQ(zellbezug(column, row, c.reference), c.ok) << c.reference;
        if (c.ok) {
            EXPECT_EQ(column, c.column) << c.reference;
            EXPECT_EQ(row, c.row) << c.reference;
        }
    }
    // Every name spaltenname gives reads back as its column.
    for (int column = 1; column <= 702; ++column) {
        int readColumn = 0;
        int row = 0;
        ASSERT_TRUE(zellbezug(readColumn, row, spaltenname(column) + "5")) << column;
        EXPECT_EQ(readColumn, column);
    }
}

TEST(Strzuzahl, ReadsDecimalCommaNumbers)
{
    struct Case {
        const char* text;
        int code;
        long double value;
    };
    const Case cases[] = {
        {"3,5", 0, 3.5L},
        {"1,5E3", 0, 1500.0L},
        {"2,5E-3", 0, 0.0025L},
        {",5", 0, 0.5L},
        {",", 0, 0.0L},
        {"E2", 0, 0.0L},
        {"  -7", 0, -7.0L},
        {"+4,", 0, 4.0L},
        {"1e+2", 0, 100.0L},
        {"1E-5000", 0, 0.0L},
        {"12345678901234567890,5", 0, 12345678901234567890.5L},
        {"0,000000000000000000000000000001", 0, 1e-30L},
        {"1,5E-30", 0, 1.5e-30L},
        {"9,87654321E+300", 0, 9.87654321e300L},
        {"000000000000000000000000123,25", 0, 123.25L},
        {"", 1, 0},
        {"-", 2, 0},
        {"3.5", 2, 0},
        {"1,2,3", 4, 0},
        {"2E", 3, 0},
        {"2E+-3", 4, 0},
        {"12a", 3, 0},
        {"1 ", 2, 0},
        {"1E5000", 6, 0},
    };
    // Beyond the extended range in either direction, whatever the exponent's
    // sign says: a huge mantissa scaled down a little stays huge, a tiny one
    // scaled up a little stays tiny.
    const std::string hugeScaledDown = "1" + std::string(5000, '0') + "E-10";
    const std::string tinyScaledUp = "0," + std::string(5000, '0') + "1E+10";
    const std::string hugePlain = std::string(5000, '9');
    const Case extremes[] = {
        {hugeScaledDown.c_str(), int(hugeScaledDown.size()), 0},
        {tinyScaledUp.c_str(), 0, 0.0L},
        {hugePlain.c_str(), int(hugePlain.size()), 0},
    };
    for (const Case& c : extremes) {
        long double value = -1;
        int code = -1;
        strzuzahl(c.text, value, code);
        EXPECT_EQ(code, c.code) << std::string(c.text).substr(0, 12);
        if (c.code == 0) {
            EXPECT_EQ(value, c.value);
        }
    }
    for (const Case& c : cases) {
        long double value = -1;
        int code = -1;
        strzuzahl(c.text, value, code);
        EXPECT_EQ(code, c.code) << c.text;
        if (c.code == 0) {
            EXPECT_EQ(value, c.value) << c.text;
        }
    }
}

TEST(Strzuzahl, IsExactToExtendedPrecision)
{
    long double value = 0;
    int code = -1;
    strzuzahl("0,1", value, code);
    ASSERT_EQ(code, 0);
    EXPECT_EQ(value, 0.1L); // not the double 0.1 widened
    strzuzahl("3,14159265358979323846", value, code);
    ASSERT_EQ(code, 0);
    EXPECT_EQ(value, 3.14159265358979323846L);
}
