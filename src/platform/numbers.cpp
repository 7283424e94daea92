#include "platform/numbers.h"

#include "engine/numberformat.h"

#include <QByteArray>

namespace kolvar {

QString formatFloat(const QString& pattern, long double value)
{
    const QByteArray utf8 = pattern.toUtf8();
    const std::string text =
        formatFloat(std::string_view(utf8.constData(), std::size_t(utf8.size())), value);
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

bool parseFloat(const QString& text, long double& value)
{
    const QByteArray utf8 = text.toUtf8();
    return parseFloat(std::string_view(utf8.constData(), std::size_t(utf8.size())), value);
}

} // namespace kolvar
