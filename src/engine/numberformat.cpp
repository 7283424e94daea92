#include "engine/numberformat.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace kolvar {

namespace {

// A non-negative decimal number: value = 0.d1d2d3... * 10^point.
// Trailing zeros are stripped; an empty digit string is zero.
struct Decimal {
    std::string digits;
    int point = 0;

    bool isZero() const { return digits.empty(); }

    // The digit standing at 10^power.
    char digitAt(int power) const
    {
        const long index = long(point) - 1 - power;
        if (index < 0 || index >= long(digits.size()))
            return '0';
        return digits[std::size_t(index)];
    }
};

void stripTrailingZeros(Decimal& d)
{
    while (!d.digits.empty() && d.digits.back() == '0')
        d.digits.pop_back();
    if (d.digits.empty())
        d.point = 0;
}

// The exact binary value to 18 significant digits, the full precision of long
// double; every later rounding starts from these digits so that 2,675 rounds
// to 2,68 as a user reading the value expects.
Decimal toDecimal(long double value)
{
    Decimal d;
    if (value == 0)
        return d;
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.17Le", value);
    // Read the digits and the exponent without relying on the locale's radix.
    const char* p = buffer;
    while (*p && *p != 'e' && *p != 'E') {
        if (*p >= '0' && *p <= '9')
            d.digits.push_back(*p);
        ++p;
    }
    int exponent = 0;
    if (*p)
        exponent = std::atoi(p + 1);
    d.point = exponent + 1;
    stripTrailingZeros(d);
    return d;
}

// Keeps the first `keep` digits, rounding half away from zero.
void roundToDigits(Decimal& d, long keep)
{
    if (d.isZero() || keep >= long(d.digits.size()))
        return;
    if (keep < 0) {
        d = Decimal();
        return;
    }
    const bool up = d.digits[std::size_t(keep)] >= '5';
    d.digits.resize(std::size_t(keep));
    if (up) {
        long i = keep - 1;
        while (i >= 0 && d.digits[std::size_t(i)] == '9') {
            d.digits[std::size_t(i)] = '0';
            --i;
        }
        if (i >= 0) {
            ++d.digits[std::size_t(i)];
        } else {
            d.digits.insert(d.digits.begin(), '1');
            ++d.point;
        }
    }
    stripTrailingZeros(d);
}

void roundToDecimals(Decimal& d, int decimals)
{
    roundToDigits(d, long(d.point) + decimals);
}

std::string exponentText(long exponent, int minDigits)
{
    std::string text = std::to_string(exponent < 0 ? -exponent : exponent);
    if (int(text.size()) < minDigits)
        text.insert(0, std::size_t(minDigits) - text.size(), '0');
    return text;
}

// The general form: up to 15 significant digits, fixed notation for moderate
// exponents, else d,dddE[-]x.
std::string generalForm(long double value)
{
    std::string out;
    if (std::signbit(value) && value != 0)
        out = "-";
    Decimal d = toDecimal(std::fabs(value));
    roundToDigits(d, 15);
    if (d.isZero())
        return "0";
    const int e = d.point - 1;
    if (e > -5 && e < 15) {
        if (d.point <= 0) {
            out += "0,";
            out.append(std::size_t(-d.point), '0');
            out += d.digits;
        } else {
            for (int p = d.point - 1; p >= 0; --p)
                out += d.digitAt(p);
            if (long(d.digits.size()) > d.point) {
                out += ',';
                out += d.digits.substr(std::size_t(d.point));
            }
        }
    } else {
        out += d.digits[0];
        if (d.digits.size() > 1) {
            out += ',';
            out += d.digits.substr(1);
        }
        out += 'E';
        if (e < 0)
            out += '-';
        out += exponentText(e, 0);
    }
    return out;
}

enum class ItemKind { Literal, Placeholder, Point, Exponent };

struct Item {
    ItemKind kind;
    std::string text;     // literal text, or the exponent letter
    bool zero = false;    // placeholder is "0"
    bool plusSign = false; // exponent written with "+" when not negative
    int expDigits = 0;     // least number of exponent digits
};

// One ";"-section of a pattern, broken into the pieces that produce output.
struct Section {
    std::vector<Item> items;
    bool grouping = false;
    bool scientific = false;
    int intPlaceholders = 0;
    int intMinDigits = 0;  // from the first "0" before the point onwards
    int intZeros = 0;      // count of "0" before the point
    int decimals = 0;      // placeholders after the point
    int minDecimals = 0;   // up to the last "0" after the point
    bool hasPoint = false;

    bool hasPlaceholders() const { return intPlaceholders + decimals > 0; }
};

Section parseSection(std::string_view s)
{
    Section sec;
    int firstIntZero = -1;
    std::size_t i = 0;
    while (i < s.size()) {
        const char c = s[i];
        if (c == '\'' || c == '"') {
            const std::size_t end = s.find(c, i + 1);
            const std::size_t stop = end == std::string_view::npos ? s.size() : end;
            sec.items.push_back({ItemKind::Literal, std::string(s.substr(i + 1, stop - i - 1))});
            i = stop == s.size() ? stop : stop + 1;
            continue;
        }
        if (c == '0' || c == '#') {
            Item item{ItemKind::Placeholder, {}};
            item.zero = c == '0';
            if (sec.hasPoint) {
                ++sec.decimals;
                if (item.zero)
                    sec.minDecimals = sec.decimals;
            } else {
                if (item.zero) {
                    ++sec.intZeros;
                    if (firstIntZero < 0)
                        firstIntZero = sec.intPlaceholders;
                }
                ++sec.intPlaceholders;
            }
            sec.items.push_back(item);
            ++i;
            continue;
        }
        if (c == '.') {
            if (!sec.hasPoint) {
                sec.hasPoint = true;
                sec.items.push_back({ItemKind::Point, {}});
            }
            ++i;
            continue;
        }
        if (c == ',') {
            sec.grouping = true;
            ++i;
            continue;
        }
        if ((c == 'E' || c == 'e') && i + 1 < s.size() && (s[i + 1] == '+' || s[i + 1] == '-')
            && !sec.scientific) {
            Item item{ItemKind::Exponent, std::string(1, c)};
            item.plusSign = s[i + 1] == '+';
            i += 2;
            // The run of placeholders after the sign is the exponent's field;
            // only its zeros force digits.
            while (i < s.size() && (s[i] == '0' || s[i] == '#')) {
                if (s[i] == '0' && item.expDigits < 4)
                    ++item.expDigits;
                ++i;
            }
            sec.scientific = true;
            sec.items.push_back(item);
            continue;
        }
        if (!sec.items.empty() && sec.items.back().kind == ItemKind::Literal)
            sec.items.back().text += c;
        else
            sec.items.push_back({ItemKind::Literal, std::string(1, c)});
        ++i;
    }
    if (firstIntZero >= 0)
        sec.intMinDigits = sec.intPlaceholders - firstIntZero;
    return sec;
}

// The number as the section rounds it, ready to be laid out.
struct Rounded {
    Decimal digits;     // in scientific form: the mantissa
    long exponent = 0;  // scientific form only
};

Rounded roundFor(const Section& sec, long double absValue)
{
    Rounded r;
    r.digits = toDecimal(absValue);
    if (sec.scientific) {
        const int intDigits = sec.intZeros > 0 ? sec.intZeros : 1;
        roundToDigits(r.digits, long(intDigits) + sec.decimals);
        if (!r.digits.isZero()) {
            r.exponent = long(r.digits.point) - intDigits;
            r.digits.point = intDigits;
        }
    } else {
        roundToDecimals(r.digits, sec.decimals);
    }
    return r;
}

std::string layout(const Section& sec, const Rounded& r)
{
    const Decimal& d = r.digits;
    int intDigits = 0; // digits the integer part writes
    int minInt = sec.intMinDigits;
    if (sec.scientific) {
        intDigits = sec.intZeros > 0 ? sec.intZeros : 1;
        minInt = intDigits;
    } else if (!d.isZero() && d.point > 0) {
        intDigits = d.point;
    }
    if (intDigits < minInt)
        intDigits = minInt;

    int shownDecimals = sec.minDecimals;
    for (int j = sec.decimals; j > shownDecimals; --j) {
        if (d.digitAt(-j) != '0') {
            shownDecimals = j;
            break;
        }
    }
    // A value is never shown as an empty text: a lone "0" then stands where
    // the integer part goes.
    if (intDigits == 0 && shownDecimals == 0)
        intDigits = 1;

    // Where the integer digits go when the section has no integer placeholder.
    enum class Anchor { Placeholder, Point, Exponent, None } anchor = Anchor::None;
    if (sec.intPlaceholders > 0)
        anchor = Anchor::Placeholder;
    else if (sec.hasPoint)
        anchor = Anchor::Point;
    else if (sec.scientific)
        anchor = Anchor::Exponent;

    std::string out;
    auto writeIntDigit = [&](int power) {
        out += d.digitAt(power);
        if (sec.grouping && !sec.scientific && power > 0 && power % 3 == 0)
            out += '.';
    };
    auto writeIntDigitsFrom = [&](int topPower, int lowPower) {
        for (int p = topPower; p >= lowPower; --p)
            writeIntDigit(p);
    };

    int intSeen = 0;
    int fracSeen = 0;
    for (const Item& item : sec.items) {
        switch (item.kind) {
        case ItemKind::Literal:
            out += item.text;
            break;
        case ItemKind::Placeholder:
            if (intSeen < sec.intPlaceholders) {
                // Placeholders before the point are the integer part; this
                // one stands for 10^power.
                const int power = sec.intPlaceholders - 1 - intSeen;
                if (intSeen == 0 && intDigits > power + 1)
                    writeIntDigitsFrom(intDigits - 1, power + 1);
                if (power < intDigits)
                    writeIntDigit(power);
                ++intSeen;
            } else {
                ++fracSeen;
                if (fracSeen <= shownDecimals)
                    out += d.digitAt(-fracSeen);
            }
            break;
        case ItemKind::Point:
            if (anchor == Anchor::Point)
                writeIntDigitsFrom(intDigits - 1, 0);
            if (shownDecimals > 0)
                out += ',';
            break;
        case ItemKind::Exponent:
            if (anchor == Anchor::Exponent)
                writeIntDigitsFrom(intDigits - 1, 0);
            out += item.text;
            if (r.exponent < 0)
                out += '-';
            else if (item.plusSign)
                out += '+';
            out += exponentText(r.exponent, item.expDigits);
            break;
        }
    }
    return out;
}

std::vector<std::string_view> splitSections(std::string_view pattern)
{
    std::vector<std::string_view> sections;
    std::size_t start = 0;
    char quote = 0;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        if (quote) {
            if (c == quote)
                quote = 0;
        } else if (c == '\'' || c == '"') {
            quote = c;
        } else if (c == ';') {
            sections.push_back(pattern.substr(start, i - start));
            start = i + 1;
        }
    }
    sections.push_back(pattern.substr(start));
    return sections;
}

// `minus` asks for the automatic leading "-"; `negative` is the value's own
// sign, which the general form always shows because a fallback drops the
// section's own decoration of negative values.
std::string formatWith(std::string_view sectionText, long double absValue, bool minus,
                       bool negative)
{
    if (sectionText.empty())
        return generalForm(negative ? -absValue : absValue);
    const Section sec = parseSection(sectionText);
    if (!sec.scientific && absValue >= 1e18L)
        return generalForm(negative ? -absValue : absValue);
    std::string text = layout(sec, roundFor(sec, absValue));
    return minus ? "-" + text : text;
}

} // namespace

std::string formatFloat(std::string_view pattern, long double value)
{
    if (std::isnan(value))
        return "NAN";
    if (std::isinf(value))
        return value < 0 ? "-INF" : "INF";
    if (pattern.empty())
        return generalForm(value);

    const std::vector<std::string_view> sections = splitSections(pattern);
    const std::string_view first = sections[0];
    const bool hasNegative = sections.size() > 1 && !sections[1].empty();
    const bool hasZero = sections.size() > 2 && !sections[2].empty();
    const bool negative = value < 0;
    const long double absValue = std::fabs(value);

    // Whether the value shows as zero is decided by the first section, so a
    // value too small to show picks the zero section and never shows as "-0".
    bool isZero = absValue == 0;
    if (!isZero && !first.empty()) {
        const Section sec = parseSection(first);
        if (!sec.scientific && absValue < 1e18L)
            isZero = roundFor(sec, absValue).digits.isZero();
    }

    if (isZero) {
        if (hasZero)
            return formatWith(sections[2], 0, false, false);
        return formatWith(first, 0, false, false);
    }
    if (negative && hasNegative)
        return formatWith(sections[1], absValue, false, true);
    return formatWith(first, absValue, negative, negative);
}

namespace {

constexpr std::string_view kQueryPattern = "#.##e+##";

// Powers of ten as the nearest extended values, 10^p = grob[p / 32] * fein[p % 32]
// for p from -320 to 351, enough for values from 1e-300 to 1e300; each
// product is then within a few ulps.
struct Zehnerpotenzen {
    static constexpr int kTiefste = -320;
    long double fein[32];
    long double grob[21];

    Zehnerpotenzen()
    {
        char text[16];
        for (int r = 0; r < 32; ++r) {
            std::snprintf(text, sizeof text, "1e%d", r);
            fein[r] = std::strtold(text, nullptr);
        }
        for (int q = 0; q < 21; ++q) {
            std::snprintf(text, sizeof text, "1e%d", kTiefste + 32 * q);
            grob[q] = std::strtold(text, nullptr);
        }
    }

    long double operator()(int p) const
    {
        const int index = p - kTiefste;
        return grob[index / 32] * fein[index % 32];
    }
};

// Whether a * 10^p is exactly n + 1/2: then a has four significant digits,
// which its first 18 hold exactly, and the half rounds away from zero.
// Decided in whole numbers, for the exponents where they fit.
bool genauHalb(long double a, int p, int n)
{
    if (p < 0 || p > 19)
        return false;
    // a = mantisse * 2^(exponent - 16446), read from its bits.
    struct Bits {
        std::uint64_t mantisse;
        std::uint16_t exponent;
        unsigned char rest[6]; // not part of the value
    };
    static_assert(sizeof(Bits) == sizeof(long double));
    const Bits bits = std::bit_cast<Bits>(a);
    // mantisse * 10^p * 2^(exponent - 16446 + 1) == 2n + 1
    const int shift = 16445 - (bits.exponent & 0x7FFF);
    if (shift < 0 || shift > 100)
        return false;
    std::uint64_t zehnHochP = 1;
    for (int i = 0; i < p; ++i)
        zehnHochP *= 10;
    using u128 = unsigned __int128;
    return u128(bits.mantisse) * zehnHochP == u128(2 * n + 1) << shift;
}

} // namespace

namespace {

enum class Ziffern { Fertig, Halb, Allgemein };

// The three significant digits n (100 to 999) and the decimal exponent e of
// a value between 1e-300 and 1e300 in magnitude. Scaled to three whole
// digits, the value is known here to far better than 1e-9, while the
// general routine's rounding to 18 digits first moves it by at most 5e-16:
// only a fraction within 1e-9 of one half could round otherwise there
// (Halb, with n rounded down). Everything else goes the general way. This
// calls nothing, so the compiler keeps its values in registers.
Ziffern dreiZiffern(const long double& value, const Zehnerpotenzen& zehn, int& n, int& e)
{
    const long double a = std::fabs(value);
    if (!(a >= 1e-300L && a <= 1e300L))
        return Ziffern::Allgemein;
    // The binary exponent, from the value as a double, and from it the
    // decimal exponent to within one (78913 / 2^18 is log10 2 to within
    // 1e-6); the scaling corrects it.
    const int binaer = static_cast<int>((std::bit_cast<std::uint64_t>(static_cast<double>(a)) >> 52) & 0x7FF) - 1022;
    e = ((binaer - 1) * 78913) >> 18;
    long double s = a * zehn(2 - e);
    if (s < 100) {
        --e;
        s = a * zehn(2 - e);
    } else if (s >= 1000) {
        ++e;
        s = a * zehn(2 - e);
    }
    if (s < 100 || s >= 1000)
        return Ziffern::Allgemein;
    // The whole part through a double, whose conversion needs no change of
    // the x87 rounding mode; it may come out one too high.
    n = static_cast<int>(static_cast<double>(s));
    if (n > s)
        --n;
    const long double rest = s - n;
    if (std::fabs(rest - 0.5L) < 1e-9L)
        return Ziffern::Halb;
    if (rest > 0.5L)
        ++n;
    return Ziffern::Fertig;
}

} // namespace

std::string formatQueryResult(long double value)
{
    // Three significant digits, rounded half away from zero from the value's
    // first 18 digits, as the general routine does for this pattern.
    static const Zehnerpotenzen zehn;
    int n = 0;
    int e = 0;
    switch (dreiZiffern(value, zehn, n, e)) {
    case Ziffern::Fertig:
        break;
    case Ziffern::Halb:
        // Exactly the half rounds up; anything merely close to it is left
        // to the general routine.
        if (!genauHalb(std::fabs(value), 2 - e, n))
            return formatFloat(kQueryPattern, value);
        ++n;
        break;
    case Ziffern::Allgemein:
        return formatFloat(kQueryPattern, value);
    }
    if (n == 1000) {
        n = 100;
        ++e;
    }

    char text[16];
    std::size_t len = 0;
    if (value < 0)
        text[len++] = '-';
    text[len++] = char('0' + n / 100);
    const int zehner = n / 10 % 10;
    const int einer = n % 10;
    if (zehner != 0 || einer != 0) {
        text[len++] = ',';
        text[len++] = char('0' + zehner);
        if (einer != 0)
            text[len++] = char('0' + einer);
    }
    text[len++] = 'e';
    text[len++] = e < 0 ? '-' : '+';
    char ziffern[8];
    int k = 0;
    for (int rest10 = e < 0 ? -e : e; k == 0 || rest10 > 0; rest10 /= 10)
        ziffern[k++] = char('0' + rest10 % 10);
    while (k > 0)
        text[len++] = ziffern[--k];
    return std::string(text, len);
}

bool parseFloat(std::string_view text, long double& value)
{
    std::size_t i = 0;
    std::size_t end = text.size();
    while (i < end && text[i] == ' ')
        ++i;
    while (end > i && text[end - 1] == ' ')
        --end;

    std::string number;
    if (i < end && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-')
            number += '-';
        ++i;
    }
    std::string mantissa;
    long fractionDigits = 0;
    bool comma = false;
    for (; i < end; ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9') {
            mantissa += c;
            if (comma)
                ++fractionDigits;
        } else if (c == ',' && !comma) {
            comma = true;
        } else {
            break;
        }
    }
    if (mantissa.empty())
        return false;

    long exponent = 0;
    if (i < end && (text[i] == 'E' || text[i] == 'e')) {
        ++i;
        bool expNegative = false;
        if (i < end && (text[i] == '+' || text[i] == '-')) {
            expNegative = text[i] == '-';
            ++i;
        }
        bool any = false;
        for (; i < end && text[i] >= '0' && text[i] <= '9'; ++i) {
            any = true;
            // Far beyond the range of long double either way; saturate
            // rather than overflow.
            if (exponent < 1000000)
                exponent = exponent * 10 + (text[i] - '0');
        }
        if (!any)
            return false;
        if (expNegative)
            exponent = -exponent;
    }
    if (i != end)
        return false;

    // Without a radix character strtold reads the same in every locale.
    number += mantissa;
    number += 'e';
    number += std::to_string(exponent - fractionDigits);
    const long double result = std::strtold(number.c_str(), nullptr);
    if (std::isinf(result) || std::isnan(result))
        return false;
    value = result;
    return true;
}

} // namespace kolvar
