// Feeds arbitrary UTF-16 text to FullWidthLength: n units measure between
// half of n (rounded up) and n.
#include "fullwidthlength.h"
#include "fuzzcheck.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    std::vector<char16_t> text(size / 2 + 1, 0);
    std::memcpy(text.data(), data, size / 2 * 2);
    const int units = int(std::find(text.begin(), text.end(), 0) - text.begin());
    const int length = writer::FullWidthLength(text.data());
    fuzz::check(length >= (units + 1) / 2 && length <= units);
    return 0;
}
