// Pictures come from the user's picture folder and from any page directory:
// arbitrary bytes must give an image or a message, never a crash.
#include "platform/jpeg.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    QString error;
    const QImage image = kolvar::decodeJpeg(
        QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)), &error);
    if (image.isNull() == error.isEmpty())
        __builtin_trap(); // a failure must say why, a success must not
    return 0;
}
