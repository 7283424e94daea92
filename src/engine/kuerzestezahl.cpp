#include "engine/kuerzestezahl.h"

#include "engine/helpers.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace kolvar {

namespace {

// The value rounded to stellen significant digits: the digits without
// trailing zeros and the decimal exponent of the first one.
void runden(long double betrag, int stellen, std::string& ziffern, int& exponent)
{
    char puffer[64];
    std::snprintf(puffer, sizeof puffer, "%.*Le", stellen - 1, betrag);
    const std::string text(puffer);
    const std::size_t e = text.find('e');
    ziffern.clear();
    for (std::size_t i = 0; i < e; ++i)
        if (text[i] >= '0' && text[i] <= '9')
            ziffern.push_back(text[i]);
    while (ziffern.size() > 1 && ziffern.back() == '0')
        ziffern.pop_back();
    exponent = std::atoi(text.c_str() + e + 1);
}

std::string festform(const std::string& ziffern, int exponent)
{
    const int n = static_cast<int>(ziffern.size());
    if (exponent >= n - 1)
        return ziffern + std::string(static_cast<std::size_t>(exponent - (n - 1)), '0');
    if (exponent >= 0)
        return ziffern.substr(0, static_cast<std::size_t>(exponent + 1)) + ","
               + ziffern.substr(static_cast<std::size_t>(exponent + 1));
    return "0," + std::string(static_cast<std::size_t>(-exponent - 1), '0') + ziffern;
}

std::string exponentform(const std::string& ziffern, int exponent)
{
    std::string text = ziffern.substr(0, 1);
    if (ziffern.size() > 1)
        text += "," + ziffern.substr(1);
    return text + "E" + std::to_string(exponent);
}

} // namespace

std::string kuerzeste_zahl(long double value)
{
    if (!std::isfinite(value))
        return {};
    if (value == 0)
        return "0";
    const std::string vorzeichen = value < 0 ? "-" : "";
    const long double betrag = std::fabs(value);
    std::string ziffern;
    int exponent = 0;
    std::string text;
    // 21 significant digits tell every two long doubles apart.
    for (int stellen = 1; stellen <= 21; ++stellen) {
        runden(betrag, stellen, ziffern, exponent);
        const std::string fest = festform(ziffern, exponent);
        const std::string mitExponent = exponentform(ziffern, exponent);
        // The plain form reads more easily; it gives way when the exponent
        // form is clearly shorter, and always before it would pass 29.
        const bool plain = fest.size() <= mitExponent.size() + 3 && fest.size() <= 29;
        text = vorzeichen + (plain ? fest : mitExponent);
        long double gelesen = 0;
        int code = 0;
        strzuzahl(text, gelesen, code);
        if (code == 0 && gelesen == value)
            return text;
    }
    return text;
}

} // namespace kolvar
