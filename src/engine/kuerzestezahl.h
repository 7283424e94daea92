#pragma once
// The shortest text of a value that the engine reads back as the very same
// long double. Values handed on as text (a factor defined as a project
// formula, a result carried into a value edit of limited width) must keep
// their full precision without being longer than they need to be.
#include <string>

namespace kolvar {

// The value with the decimal comma and the fewest significant digits that
// read back exactly (at most 21), in the plain form ("0,25", "1500") unless
// the exponent form ("1,5E-12") is more than three characters shorter; the
// text never exceeds 29 characters. Empty for infinities and NaN, which have
// no text the engine reads. Subnormal values have none either (the reader
// takes them as 0): they get their 21 digits.
std::string kuerzeste_zahl(long double value);

} // namespace kolvar
