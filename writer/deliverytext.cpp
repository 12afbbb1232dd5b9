#include "deliverytext.h"

#include "characterlistlayout.h"
#include "deliverysymbols.h"
#include "deliverytags.h"
#include "transformationtable.h"

#include <algorithm>

namespace writer {

namespace {

using namespace listlayout;

// The slot that replaces source entry k together with the unit after it,
// or 0 when the two do not combine.
int combinedSlot(int k, char16_t next)
{
    if (next == VoicedMark) {
        if (k >= VoicedFirst && k <= VoicedLast)
            return k + VoicedOffset;
        if (k >= HaRowFirst && k <= HaRowLast)
            return k + HaRowVoicedOffset;
        if (k == SourceU)
            return VoicedUSlot;
    } else if (next == SemiVoicedMark && k >= HaRowFirst && k <= HaRowLast) {
        return k + HaRowSemiVoicedOffset;
    }
    return 0;
}

} // namespace

int TransformDeliveryText(const char16_t *src, char16_t *dst, int dstCount, int strict,
                          const QString &folder)
{
    if (!dst || dstCount < 1)
        return transform::Failed;
    *dst = 0;
    // An empty text passes without the table.
    if (!src || !*src)
        return transform::Done;
    const auto table = TransformationTable::read(folder);
    return table ? TransformDeliveryText(src, dst, dstCount, strict, *table) : transform::Failed;
}

int TransformDeliveryText(const char16_t *src, char16_t *dst, int dstCount, int strict,
                          const TransformationTable &table)
{
    if (!dst || dstCount < 1)
        return transform::Failed;
    *dst = 0;
    if (!src)
        return transform::Done;
    int written = 0;
    for (const char16_t *unit = src; *unit;) {
        char16_t replacement = *unit;
        int consumed = 1;
        const int k = !strict && isDeliverySymbol(*unit) ? -1 : table.sourceIndexOf(*unit);
        if (k >= 0) {
            const int slot = combinedSlot(k, unit[1]);
            replacement = table.at(slot ? slot : k + PlainOffset);
            consumed = slot ? 2 : 1;
        }
        dst[written++] = replacement;
        unit += consumed;
        if (written >= dstCount) {
            *dst = 0;
            return transform::Failed;
        }
    }
    dst[written] = 0;

    const QStringView tag = firstDeliveryTagIn(QStringView(dst, written));
    if (tag.isEmpty())
        return transform::Done;
    std::copy(tag.utf16(), tag.utf16() + tag.size(), dst);
    dst[tag.size()] = 0;
    return transform::TagFound;
}

} // namespace writer
