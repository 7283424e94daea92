// Not a reader: a target with undefined behaviour on its seed, so that the
// fuzz script can show that a run stops at the first sanitizer report and
// fails, instead of printing it and going on.
#include <climits>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size >= 2 && data[0] == 'U' && data[1] == 'B') {
        volatile int grenze = INT_MAX;
        int summe = grenze + int(size); // signed overflow
        return summe == 0;
    }
    return 0;
}
