#pragma once
// Small text routines shared by the engine and the calculators: blank removal,
// spreadsheet column names and cell references, and the engine's number reader.
#include <string>
#include <string_view>

// Returns s without any blank or tab; the other characters keep their order.
std::string leerzeichenweg(std::string_view s);

// Removes every blank and tab from text in place.
void pleerzeichenweg(std::string& text);

// Letters of spreadsheet column 1..702: 1 "A", 26 "Z", 27 "AA", 702 "ZZ".
// Any other column has no name and gives "".
std::string spaltenname(int column);

// Reads a cell reference such as "AB12": one to three capital letters for the
// column (A = 1, AA = 27, AAA = 703), the rest an integer row. No range check.
bool zellbezug(int& column, int& row, std::string_view reference);

// Reads a number written with the decimal comma ("3,5", "1,5E3", ",5"). code is
// 0 on success, else the 1-based position of the first character that does
// not fit (1 for an empty text). An empty mantissa counts as 0, as the callers
// expect of this routine. A value outside the extended range does not fit
// either: it reports the last position. value is meaningful only when code is 0.
void strzuzahl(std::string_view s, long double& value, int& code);

namespace kolvar {

// strzuzahl's reading, the value returned rather than stored: the compiler's
// number reader keeps it in a register that way.
long double zahlAusText(std::string_view s, int& code);

// Number of characters (code points) of a UTF-8 text; the fixed limits of the
// engine count characters, not bytes.
std::size_t textLength(std::string_view text);

// Whether text has more than limit characters; a text of no more bytes than
// that cannot, and is not counted.
inline bool laengerAls(std::string_view text, std::size_t limit)
{
    return text.size() > limit && textLength(text) > limit;
}

// Upper case for a to z only, as every comparison of the program folds case.
inline char upperAscii(char c)
{
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

} // namespace kolvar
