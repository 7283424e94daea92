#pragma once
// The program's float formatting with a pattern and its text-to-float reading,
// with the German separators ("," decimal, "." thousands) whatever the locale.
// Plain C++ so that the engine, which knows no Qt, can format its results too.
#include <string>
#include <string_view>

namespace kolvar {

// Formats value with a pattern of up to three ";"-separated sections
// (positive; negative; zero) of 0 # . , E+ E- e+ e- 'text' "text".
// An empty pattern gives the general form (15 significant digits).
std::string formatFloat(std::string_view pattern, long double value);

// The text a query of the line protocol leaves in its line: value formatted
// with "#.##e+##", exactly as formatFloat gives it, but without working
// through the pattern and the value's full decimal expansion each time.
std::string formatQueryResult(long double value);

// Reads optional blanks, an optional sign, digits with at most one ","
// and an optional exponent. Returns false (value untouched) on anything else.
bool parseFloat(std::string_view text, long double& value);

} // namespace kolvar
