#include "engine/helpers.h"

#include <charconv>
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
    if (!rest.empty() && rest.front() == '+')
        rest.remove_prefix(1);
    if (rest.empty() || rest.front() == '+')
        return false;
    int value = 0;
    const auto [end, ec] = std::from_chars(rest.data(), rest.data() + rest.size(), value);
    if (ec != std::errc() || end != rest.data() + rest.size())
        return false;
    row = value;
    return true;
}

void strzuzahl(std::string_view s, long double& value, int& code)
{
    // The text uses "," as decimal separator; "." is not part of a number.
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
        return;
    }

    std::string canonical; // "<int>.<frac>e<exp>" for the exact conversion
    bool nonzeroInteger = false;
    const std::size_t intStart = i;
    while (i < n && isDigit(s[i])) {
        nonzeroInteger = nonzeroInteger || s[i] != '0';
        ++i;
    }
    canonical.append(s.substr(intStart, i - intStart));
    if (canonical.empty())
        canonical.push_back('0');
    canonical.push_back('.');
    std::size_t fracDigits = 0;
    if (i < n && s[i] == ',') {
        ++i;
        const std::size_t fracStart = i;
        while (i < n && isDigit(s[i]))
            ++i;
        fracDigits = i - fracStart;
        canonical.append(s.substr(fracStart, fracDigits));
    }
    if (fracDigits == 0)
        canonical.push_back('0');

    bool hasExponent = false;
    bool negativeExponent = false;
    if (i < n && (s[i] == 'E' || s[i] == 'e')) {
        hasExponent = true;
        ++i;
        canonical.push_back('e');
        if (i < n && (s[i] == '+' || s[i] == '-')) {
            negativeExponent = s[i] == '-';
            if (negativeExponent)
                canonical.push_back('-');
            ++i;
        }
        const std::size_t expStart = i;
        while (i < n && isDigit(s[i]))
            ++i;
        if (i == expStart) {
            code = static_cast<int>(i + 1);
            return;
        }
        canonical.append(s.substr(expStart, i - expStart));
    }
    if (i < n) {
        code = static_cast<int>(i + 1);
        return;
    }

    long double v = 0;
    const auto [end, ec] = std::from_chars(canonical.data(), canonical.data() + canonical.size(), v);
    (void)end;
    if (ec == std::errc::result_out_of_range) {
        // Too small to hold is zero; too large cannot be a value at all.
        const bool tooSmall = hasExponent ? negativeExponent : !nonzeroInteger;
        if (!tooSmall) {
            code = static_cast<int>(n);
            return;
        }
        v = 0;
    } else if (ec != std::errc()) {
        code = static_cast<int>(n);
        return;
    }
    value = negative ? -v : v;
    code = 0;
}

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
