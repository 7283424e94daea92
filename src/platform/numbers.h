#pragma once
// QString forms of the program's float formatting and reading, for the
// windows; the rules live in engine/numberformat.h. Inline so that the
// platform library itself needs nothing from the engine: whoever calls these
// links kolvar_engine.
#include "engine/numberformat.h"

#include <QByteArray>
#include <QString>

namespace kolvar {

// Formats value with pattern (German separators, whatever the locale).
inline QString formatFloat(const QString& pattern, long double value)
{
    const QByteArray utf8 = pattern.toUtf8();
    const std::string text =
        formatFloat(std::string_view(utf8.constData(), std::size_t(utf8.size())), value);
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// Reads text as a float; false (value untouched) when it is not one.
inline bool parseFloat(const QString& text, long double& value)
{
    const QByteArray utf8 = text.toUtf8();
    return parseFloat(std::string_view(utf8.constData(), std::size_t(utf8.size())), value);
}

} // namespace kolvar
