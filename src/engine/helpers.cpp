#include "engine/helpers.h"

#include <array>
#include <charconv>
#include <cstdint>
#include <climits>

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Powers of ten that an extended value holds exactly (5^27 < 2^64).
constexpr int kMaxExactPower = 27;

constexpr auto makePowersOfTen()
{
    std::array<long double, kMaxExactPower + 1> powers{};
    long double p = 1;
    for (long double& entry : powers) {
        entry = p;
        p *= 10;
    }
    return powers;
}

constexpr auto kPowersOfTen = makePowersOfTen();

} // namespace

std::string leerzeichenweg(std::string_view s)
{
    std::string result;
    result.reserve(s.size());
    for (char c : s)
        if (!isBlank(c))
            result.push_back(c);
    return result;
}

void pleerzeichenweg(std::string& text)
{
    std::size_t out = 0;
    for (char c : text)
        if (!isBlank(c))
            text[out++] = c;
    text.resize(out);
}

std::string spaltenname(int column)
{
    if (column < 1 || column > 702)
        return {};
    std::string name;
    const int q = (column - 1) / 26;
    if (q > 0) {
        name.push_back(static_cast<char>('A' + q - 1));
        column -= 26 * q;
    }
    name.push_back(static_cast<char>('A' + column - 1));
    return name;
}

bool zellbezug(int& column, int& row, std::string_view reference)
{
    std::size_t letters = 0;
    while (letters < reference.size() && reference[letters] >= 'A' && reference[letters] <= 'Z')
        ++letters;
    if (letters == 0 || letters > 3)
        return false;
    int col = 0;
    for (std::size_t i = 0; i < letters; ++i)
        col = col * 26 + (reference[i] - 'A' + 1);
    column = col;

    // The row is the rest as a whole: an optional sign and digits, nothing else.
    std::string_view rest = reference.substr(letters);
    if (!rest.empty() && rest.front() == '+') {
        rest.remove_prefix(1);
        // One sign only: from_chars would still take the "-" of "+-1".
        if (rest.empty() || !isDigit(rest.front()))
            return false;
    }
    int value = 0;
    const auto [end, ec] = std::from_chars(rest.data(), rest.data() + rest.size(), value);
    if (ec != std::errc() || end != rest.data() + rest.size())
        return false;
    row = value;
    return true;
}

void strzuzahl(std::string_view s, long double& value, int& code)
{
    const long double v = kolvar::zahlAusText(s, code);
    if (code == 0)
        value = v;
}

namespace kolvar {

long double zahlAusText(std::string_view s, int& code)
{
    // The text uses "," as decimal separator; "." never belongs to a number.
    // Positions below are 0-based; the code reports them 1-based.
    const std::size_t n = s.size();
    std::size_t i = 0;
    while (i < n && s[i] == ' ')
        ++i;
    bool negative = false;
    if (i < n && (s[i] == '+' || s[i] == '-')) {
        negative = s[i] == '-';
        ++i;
    }
    if (i >= n) {
        code = static_cast<int>(i + 1);
        return 0;
    }

    // Up to 19 significant digits fit a 64-bit integer exactly; the decimal
    // scale is applied below.
    std::uint64_t mantissa = 0;
    int significant = 0;
    bool exactMantissa = true;
    auto addDigit = [&](char c) {
        if (mantissa == 0 && c == '0')
            return;
        if (significant == 19) {
            exactMantissa = false;
            return;
        }
        mantissa = mantissa * 10 + static_cast<std::uint64_t>(c - '0');
        ++significant;
    };

    const std::size_t intStart = i;
    while (i < n && isDigit(s[i]))
        addDigit(s[i++]);
    const std::string_view intDigits = s.substr(intStart, i - intStart);
    std::string_view fracDigits;
    if (i < n && s[i] == ',') {
        const std::size_t fracStart = ++i;
        while (i < n && isDigit(s[i]))
            addDigit(s[i++]);
        fracDigits = s.substr(fracStart, i - fracStart);
    }

    bool hasExponent = false;
    bool negativeExponent = false;
    std::string_view expDigits;
    long exponent = 0;
    if (i < n && (s[i] == 'E' || s[i] == 'e')) {
        hasExponent = true;
        ++i;
        if (i < n && (s[i] == '+' || s[i] == '-')) {
            negativeExponent = s[i] == '-';
            ++i;
        }
        const std::size_t expStart = i;
        while (i < n && isDigit(s[i])) {
            if (exponent < 1000000)
                exponent = exponent * 10 + (s[i] - '0');
            ++i;
        }
        if (i == expStart) {
            code = static_cast<int>(i + 1);
            return 0;
        }
        expDigits = s.substr(expStart, i - expStart);
        if (negativeExponent)
            exponent = -exponent;
    }
    if (i < n) {
        code = static_cast<int>(i + 1);
        return 0;
    }

    long double v = 0;
    const long scale = exponent - static_cast<long>(fracDigits.size());
    if (mantissa == 0 && exactMantissa) {
        v = 0;
    } else if (exactMantissa && scale >= -kMaxExactPower && scale <= kMaxExactPower) {
        // Both operands are exact, so the one rounding of the division or
        // product gives the correctly rounded value of the decimal text.
        const long double power = kPowersOfTen[scale < 0 ? -scale : scale];
        v = scale < 0 ? static_cast<long double>(mantissa) / power
                      : static_cast<long double>(mantissa) * power;
    } else {
        std::string canonical; // "<int>.<frac>e<exp>" for the exact conversion
        canonical.append(intDigits.empty() ? std::string_view("0") : intDigits);
        canonical.push_back('.');
        canonical.append(fracDigits.empty() ? std::string_view("0") : fracDigits);
        if (hasExponent) {
            canonical.append(negativeExponent ? "e-" : "e");
            canonical.append(expDigits);
        }
        const auto [end, ec] =
            std::from_chars(canonical.data(), canonical.data() + canonical.size(), v);
        (void)end;
        if (ec == std::errc::result_out_of_range) {
            // Too small to hold is zero; too large cannot be a value at all.
            // Which one it is follows from the power of ten of the first
            // significant digit, not from the exponent's sign alone: a long
            // run of digits before "E-10" is still far too large.
            long lead = 0;
            const std::size_t firstInt = intDigits.find_first_not_of('0');
            if (firstInt != std::string_view::npos)
                lead = exponent + static_cast<long>(intDigits.size() - firstInt) - 1;
            else
                lead = exponent - static_cast<long>(fracDigits.find_first_not_of('0')) - 1;
            const bool tooSmall = lead < 0;
            if (!tooSmall) {
                code = static_cast<int>(n);
                return 0;
            }
            v = 0;
        } else if (ec != std::errc()) {
            code = static_cast<int>(n);
            return 0;
        }
    }
    code = 0;
    return negative ? -v : v;
}

} // namespace kolvar

namespace kolvar {

std::size_t textLength(std::string_view text)
{
    std::size_t count = 0;
    for (unsigned char c : text)
        if ((c & 0xC0) != 0x80)
            ++count;
    return count;
}

} // namespace kolvar
