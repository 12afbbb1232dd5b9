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
    const QString transformed = transformedDeliveryText(QStringView(src), strict, table);
    const qsizetype written = transformed.size();
    // The terminator needs a unit of its own.
    if (written >= dstCount)
        return transform::Failed;
    std::copy(transformed.utf16(), transformed.utf16() + written, dst);
    dst[written] = 0;

    const QStringView tag = firstDeliveryTagIn(QStringView(dst, written));
    if (tag.isEmpty())
        return transform::Done;
    std::copy(tag.utf16(), tag.utf16() + tag.size(), dst);
    dst[tag.size()] = 0;
    return transform::TagFound;
}

QString transformedDeliveryText(QStringView text, int strict, const TransformationTable &table)
{
    QString transformed;
    transformed.reserve(text.size());
    for (qsizetype at = 0; at < text.size();) {
        const char16_t unit = text[at].unicode();
        const char16_t next = at + 1 < text.size() ? text[at + 1].unicode() : u'\0';
        const int k = !strict && isDeliverySymbol(unit) ? -1 : table.sourceIndexOf(unit);
        if (k < 0) {
            transformed += QChar(unit);
            ++at;
            continue;
        }
        const int slot = combinedSlot(k, next);
        transformed += QChar(table.at(slot ? slot : k + PlainOffset));
        at += slot ? 2 : 1;
    }
    return transformed;
}

} // namespace writer
