#include "platform/numbers.h"

#include <gtest/gtest.h>

namespace {

// The wrappers carry text through UTF-8: literals beyond ASCII must come back
// whole, and such characters never make a number.
TEST(Numbers, CarryTextBeyondAscii)
{
    EXPECT_EQ(kolvar::formatFloat(QStringLiteral("0.0 '°C'"), 21.25L), QStringLiteral("21,3 °C"));
    EXPECT_EQ(kolvar::formatFloat(QStringLiteral("0.00 µm;−0.00 µm"), -1.5L),
              QStringLiteral("−1,50 µm"));
    EXPECT_EQ(kolvar::formatFloat(QString(), 0.00001L), QStringLiteral("1E-5"));

    long double value = 3;
    EXPECT_TRUE(kolvar::parseFloat(QStringLiteral(" -2,5e1 "), value));
    EXPECT_EQ(value, -25.0L);
    value = 3;
    EXPECT_FALSE(kolvar::parseFloat(QStringLiteral("2,5 €"), value));
    EXPECT_FALSE(kolvar::parseFloat(QStringLiteral("٣"), value)); // an Arabic-Indic digit
    EXPECT_EQ(value, 3.0L);
}

} // namespace
