#include "fullwidthlength.h"

#include <QChar>

namespace writer {

namespace {

// Half-width units weigh 1, all others 2; the limits count pairs of halves.
constexpr char16_t FirstFullWidthUnit = 0x0100;
constexpr int HalfWidthWeight = 1;
constexpr int FullWidthWeight = 2;

} // namespace

int FullWidthLength(const char16_t *text)
{
    if (!text)
        return 0;
    int weight = 0;
    for (const char16_t *unit = text; *unit; ++unit) {
        if (*unit < FirstFullWidthUnit) {
            weight += HalfWidthWeight;
            continue;
        }
        // A high surrogate is taken with the unit after it as one character.
        if (QChar::isHighSurrogate(*unit) && unit[1] != 0)
            ++unit;
        weight += FullWidthWeight;
    }
    return (weight + 1) / FullWidthWeight;
}

} // namespace writer
