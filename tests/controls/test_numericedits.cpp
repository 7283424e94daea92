// The numeric edits driven by typed keys: what reaches the text, what beeps,
// and how values are read, clamped and shown.
#include "controls/textendedit.h"
#include "controls/tlongintedit.h"
#include "platform/seams.h"

#include <QTest>
#include <gtest/gtest.h>

namespace {

struct KeyCase {
    const char* what;
    QString start;
    int caret; // -1: select the whole text
    QString keys;
    QString expected;
    int beeps;
};

void type(QLineEdit& edit, const KeyCase& c)
{
    edit.setText(c.start);
    if (c.caret < 0)
        edit.selectAll();
    else
        edit.setCursorPosition(c.caret);
    QTest::keyClicks(&edit, c.keys);
}

TEST(TextendEdit, KeysAreScreened)
{
    const KeyCase cases[] = {
        {"period becomes comma", "", 0, "1.5", "1,5", 0},
        {"second comma beeps", "1,5", 3, ",", "1,5", 1},
        {"comma typed twice", "", 0, "1,,5", "1,5", 1},
        {"exponent letter", "1,5", 3, "e", "1,5e", 0},
        {"second exponent letter", "1,5e", 4, "E", "1,5e", 1},
        {"sign after exponent", "1,5e", 4, "-", "1,5e-", 0},
        {"sign inside mantissa", "1,5", 1, "-", "1,5", 1},
        {"sign at start", "12", 0, "-", "-12", 0},
        {"second sign at start", "-12", 0, "-", "-12", 1},
        {"sign into empty text", "", 0, "+", "+", 0},
        {"comma after exponent", "1e5", 3, ",", "1e5", 1},
        {"comma right before exponent", "1e5", 1, ",", "1e5", 1},
        {"comma at start before exponent", "1e5", 0, ",", ",1e5", 0},
        {"letters and blanks beep", "7", 1, "x Y", "7", 3},
        {"leading blanks go before the key counts", "  12", 4, "5", "125", 0},
        {"sign at start after trimming", "  12", 2, "-", "-12", 0},
    };
    for (const KeyCase& c : cases) {
        kolvar::ScriptedSeams seams;
        kolvar::SeamsGuard guard(seams);
        TextendEdit edit;
        type(edit, c);
        EXPECT_EQ(edit.text(), c.expected) << c.what;
        EXPECT_EQ(seams.beeps, c.beeps) << c.what;
    }
}

TEST(TlongintEdit, KeysAreScreened)
{
    const KeyCase cases[] = {
        {"digits", "", 0, "123", "123", 0},
        {"period beeps", "12", 2, ".", "12", 1},
        {"comma and exponent beep", "12", 2, ",e", "12", 2},
        {"sign at start", "12", 0, "-", "-12", 0},
        {"second sign at start", "-12", 0, "+", "-12", 1},
        {"sign in the middle", "12", 1, "-", "12", 1},
        {"sign into empty text", "", 0, "-", "-", 0},
        {"refused key still trims", "  7", 3, "x", "7", 1},
    };
    for (const KeyCase& c : cases) {
        kolvar::ScriptedSeams seams;
        kolvar::SeamsGuard guard(seams);
        TlongintEdit edit;
        type(edit, c);
        EXPECT_EQ(edit.text(), c.expected) << c.what;
        EXPECT_EQ(seams.beeps, c.beeps) << c.what;
    }
}

TEST(NumericEdits, EnterBeepsAndEditingKeysPass)
{
    kolvar::ScriptedSeams seams;
    kolvar::SeamsGuard guard(seams);
    TextendEdit edit;
    edit.setText("12");
    QTest::keyClick(&edit, Qt::Key_Return);
    EXPECT_EQ(seams.beeps, 1);
    QTest::keyClick(&edit, Qt::Key_Backspace);
    EXPECT_EQ(edit.text(), "1");
    edit.setCursorPosition(0);
    QTest::keyClick(&edit, Qt::Key_Delete);
    EXPECT_EQ(edit.text(), "");
    EXPECT_EQ(seams.beeps, 1);
}

TEST(TextendEdit, ValueReadsAndWrites)
{
    TextendEdit edit;
    EXPECT_EQ(edit.text(), "0");
    struct {
        const char* text;
        long double value;
    } const reads[] = {{"abc", 0}, {"-1,75", -1.75L}, {"1e-6", 1e-6L}, {"1.5", 0}, {"", 0}};
    for (const auto& r : reads) {
        edit.setText(r.text);
        EXPECT_EQ(edit.Value(), r.value) << r.text;
    }

    struct {
        const char* what;
        long double min, max;
        bool formatted;
        long double value;
        const char* shown;
    } const writes[] = {
        {"clamped to the maximum", 0, 10, false, 12, "10"},
        {"pattern shows it unclamped", 0, 10, true, 12, "012,00"},
        {"clamped to the minimum", 0, 10, false, -3, "0"},
        {"initial bounds leave it", -1E60L, 1E60L, false, 123.5L, "123,5"},
        {"equal bounds do not clamp", 5, 5, false, 12, "12"},
        {"crossed bounds do not clamp", 10, 5, false, 2, "2"},
    };
    for (const auto& w : writes) {
        edit.setFormatenabled(false);
        edit.setMinValue(w.min);
        edit.setMaxValue(w.max);
        edit.setFormatenabled(w.formatted);
        edit.setValue(w.value);
        EXPECT_EQ(edit.text(), w.shown) << w.what;
    }
}

TEST(TextendEdit, PatternChangesShowTheValueAgain)
{
    TextendEdit edit;
    edit.setValue(2.5L);
    EXPECT_EQ(edit.text(), "2,5");
    edit.setFormatenabled(true);
    EXPECT_EQ(edit.text(), "002,50");
    edit.setFormatstr("0.0");
    EXPECT_EQ(edit.text(), "2,5");
    // A bound changed later does not touch the text.
    edit.setMaxValue(1);
    EXPECT_EQ(edit.text(), "2,5");
}

TEST(TlongintEdit, ValueReadsAndClamps)
{
    TlongintEdit edit;
    struct {
        const char* text;
        std::int32_t value;
    } const reads[] = {{"abc", 0}, {"-42", -42}, {"99999999999", 0}, {"12,5", 0}, {"", 0}};
    for (const auto& r : reads) {
        edit.setText(r.text);
        EXPECT_EQ(edit.Value(), r.value) << r.text;
    }

    struct {
        std::int32_t min, max, value;
        const char* shown;
    } const writes[] = {
        {-999999, 999999, 2000000, "999999"},
        {-999999, 999999, -5000000, "-999999"},
        {7, 7, 2000000, "2000000"},
        {10, 5, 2, "10"}, // crossed bounds still raise low values
        {10, 5, 12, "5"},
    };
    for (const auto& w : writes) {
        edit.setMinValue(w.min);
        edit.setMaxValue(w.max);
        edit.setValue(w.value);
        EXPECT_EQ(edit.text(), w.shown) << w.value;
    }
}

} // namespace
