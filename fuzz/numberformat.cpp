// Arbitrary patterns (they come from window and project files) with values
// from the whole long double range, and arbitrary text to read as a float.
#include "engine/numberformat.h"

#include <cfloat>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    static const long double values[] = {
        0.0L, -0.0L, 1.0L, -1.0L, 0.5L, 2.5L, 123.78676L, -34.56744L, 1e-6L, 999999.5L,
        1e17L, 1e18L, -2.5e20L, 1e300L, LDBL_MAX, -LDBL_MAX, LDBL_MIN, LDBL_TRUE_MIN,
        1.0L / 3.0L, 9.9999999999999999999L,
    };
    for (long double v : values)
        kolvar::formatFloat(text, v);
    // The first 10 bytes as a value's bit pattern, the rest as the pattern.
    if (size >= 10) {
        long double v = 0;
        std::memcpy(&v, data, 10);
        if (std::isfinite(v))
            kolvar::formatFloat(text.substr(10), v);
    }

    long double parsed = 7;
    if (kolvar::parseFloat(text, parsed)) {
        if (!std::isfinite(parsed))
            std::abort();
        // What the general form writes reads back.
        long double again = 0;
        if (!kolvar::parseFloat(kolvar::formatFloat("", parsed), again))
            std::abort();
    } else if (parsed != 7) {
        std::abort();
    }
    return 0;
}
