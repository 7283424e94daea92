#pragma once
// QString forms of the program's float formatting and reading, for the
// windows; the rules live in engine/numberformat.h.
#include <QString>

namespace kolvar {

// Formats value with pattern (German separators, whatever the locale).
QString formatFloat(const QString& pattern, long double value);

// Reads text as a float; false (value untouched) when it is not one.
bool parseFloat(const QString& text, long double& value);

} // namespace kolvar
