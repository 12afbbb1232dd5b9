#include "forbiddenchars.h"

#include "deliverysymbols.h"
#include "permittedcharacters.h"

#include <algorithm>

namespace writer {

namespace {

constexpr char16_t CarriageReturn = u'\r';
constexpr char16_t LineFeed = u'\n';

// Whether the text can be checked at all; an empty text leaves out "".
bool checkable(const char16_t *text, char16_t *out, int outBytes)
{
    if (!text || !out || outBytes <= 1)
        return false;
    *out = 0;
    return *text != 0;
}

bool contains(const char16_t *units, int count, char16_t unit)
{
    return std::find(units, units + count, unit) != units + count;
}

} // namespace

int CollectForbiddenChars(const char16_t *text, char16_t *out, int outBytes, int strict,
                          const QString &folder)
{
    if (!checkable(text, out, outBytes))
        return 0;
    const auto list = PermittedCharacters::read(folder);
    if (!list)
        return 0;
    return CollectForbiddenChars(text, out, outBytes, strict, *list);
}

int CollectForbiddenChars(const char16_t *text, char16_t *out, int outBytes, int strict,
                          const PermittedCharacters &list)
{
    if (!checkable(text, out, outBytes))
        return 0;
    // Whole units only: an odd last byte is never written.
    const int units = outBytes / 2;
    std::fill(out, out + units, char16_t(0));
    const int capacity = units - 1;  // leaves the terminator
    int collected = 0;
    for (const char16_t *unit = text; *unit; ++unit) {
        if (*unit == CarriageReturn && unit[1] == LineFeed) {
            ++unit;
            continue;
        }
        if (*unit == LineFeed)
            continue;
        const bool permitted = list.contains(*unit) && !(strict && isDeliverySymbol(*unit));
        if (!permitted && collected < capacity && !contains(out, collected, *unit))
            out[collected++] = *unit;
    }
    return 1;
}

} // namespace writer
