#include "platform/symbolfont.h"

#include <gtest/gtest.h>

#include <QFontMetrics>

using namespace kolvar;

TEST(SymbolFont, MapsTheCodesFormulasUse)
{
    const struct {
        unsigned char code;
        char16_t unicode;
    } cases[] = {
        // Greek letters in the order of the Greek-letter table: small, capital.
        {'a', u'\u03B1'}, {'A', u'\u0391'}, {'b', u'\u03B2'}, {'B', u'\u0392'},
        {'g', u'\u03B3'}, {'G', u'\u0393'}, {'d', u'\u03B4'}, {'D', u'\u0394'},
        {'e', u'\u03B5'}, {'E', u'\u0395'}, {'z', u'\u03B6'}, {'Z', u'\u0396'},
        {'h', u'\u03B7'}, {'H', u'\u0397'}, {'q', u'\u03B8'}, {'Q', u'\u0398'},
        {'i', u'\u03B9'}, {'I', u'\u0399'}, {'k', u'\u03BA'}, {'K', u'\u039A'},
        {'l', u'\u03BB'}, {'L', u'\u039B'}, {'m', u'\u03BC'}, {'M', u'\u039C'},
        {'n', u'\u03BD'}, {'N', u'\u039D'}, {'x', u'\u03BE'}, {'X', u'\u039E'},
        {'o', u'\u03BF'}, {'O', u'\u039F'}, {'p', u'\u03C0'}, {'P', u'\u03A0'},
        {'r', u'\u03C1'}, {'R', u'\u03A1'}, {'s', u'\u03C3'}, {'S', u'\u03A3'},
        {'t', u'\u03C4'}, {'T', u'\u03A4'}, {'u', u'\u03C5'}, {'U', u'\u03A5'},
        {'f', u'\u03C6'}, {'F', u'\u03A6'}, {'c', u'\u03C7'}, {'C', u'\u03A7'},
        {'y', u'\u03C8'}, {'Y', u'\u03A8'}, {'w', u'\u03C9'}, {'W', u'\u03A9'},
        // Variant letters and the signs of the markup commands.
        {'j', u'\u03D5'}, {'J', u'\u03D1'}, {'v', u'\u03D6'}, {'V', u'\u03C2'},
        {0xD6, u'\u221A'}, {0xAE, u'\u2192'}, {0xF2, u'\u222B'}, {0xE5, u'\u2211'},
        {0xB4, u'\u00D7'}, {0xD7, u'\u22C5'}, {0xB6, u'\u2202'}, {0xA5, u'\u221E'},
        {'-', u'\u2212'}, {'@', u'\u2245'}, {0xFE, u'\u23AD'},
        // Digits and punctuation stay; empty codes come back as they are.
        {'1', u'1'}, {'(', u'('}, {' ', u' '}, {0x7F, 0x7F}, {0x80, 0x80}, {0x9F, 0x9F},
        {0xF0, 0xF0}, {0xFF, 0xFF}, {0x0A, 0x0A},
    };
    for (const auto& c : cases)
        EXPECT_EQ(int(symbolCodeToUnicode(c.code)), int(c.unicode)) << "code " << int(c.code);
}

TEST(SymbolFont, TranslatesTextAndKeepsCharactersBeyondTheEncoding)
{
    EXPECT_EQ(symbolToUnicode(u"2pr"), QString::fromUtf8("2πρ"));
    EXPECT_EQ(symbolToUnicode(u"\u00D6x"), QString::fromUtf8("√ξ"));
    EXPECT_EQ(symbolToUnicode(u"a\u20AC\u03B1"), QString::fromUtf8("α€α"));
    EXPECT_EQ(symbolToUnicode(u""), QString());
}

TEST(SymbolFont, DrawsEveryLetterAndSignWithTheSubstituteFont)
{
    QFont like;
    like.setPointSize(13);
    like.setBold(true);
    const QFont font = symbolFont(like);
    EXPECT_EQ(font.pointSize(), 13);
    EXPECT_TRUE(font.bold());

    const QFontMetrics metrics(font);
    const QString shown = symbolToUnicode(u"abgdezhqiklmnxoprstufcywjABGDEZHQIKLMNXOPRSTUFCYW\u00D6\u00AE\u00F2\u00E5");
    for (const QChar c : shown)
        EXPECT_TRUE(metrics.inFont(c)) << "U+" << QString::number(c.unicode(), 16).toStdString();
}
