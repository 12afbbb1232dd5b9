#include "listlayoutcheck.h"

#include "characterlistlayout.h"
#include "deliverysymbols.h"

#include <QSet>
#include <QString>

#include <algorithm>

namespace characterlists {

namespace {

using namespace writer::listlayout;

QString hex(char16_t unit)
{
    return QStringLiteral("U+%1").arg(int(unit), 4, 16, QLatin1Char('0')).toUpper();
}

// The readSlots a reader takes replacements from.
QList<int> replacementSlots()
{
    QList<int> readSlots;
    for (int k = 0; k < SourceCount; ++k)
        readSlots.append(k + PlainOffset);
    for (int k = VoicedFirst; k <= VoicedLast; ++k)
        readSlots.append(k + VoicedOffset);
    for (int k = HaRowFirst; k <= HaRowLast; ++k)
        readSlots << k + HaRowVoicedOffset << k + HaRowSemiVoicedOffset;
    readSlots.append(VoicedUSlot);
    return readSlots;
}

} // namespace

QStringList permittedListFaults(const QList<char16_t> &permitted)
{
    QStringList faults;
    if (permitted.size() != PermittedCount) {
        faults.append(QStringLiteral("unicode_list.dat has %1 units, not %2")
                          .arg(permitted.size()).arg(PermittedCount));
    }
    if (std::adjacent_find(permitted.begin(), permitted.end(), std::greater_equal<char16_t>())
        != permitted.end()) {
        faults.append(QStringLiteral("unicode_list.dat is not strictly ascending"));
    }
    return faults;
}

QStringList transformationTableFaults(const QList<char16_t> &table,
                                      const QList<char16_t> &permitted)
{
    QStringList faults;
    if (table.size() != TransformationUnits) {
        return {QStringLiteral("NeedTransformation.dat has %1 units, not %2")
                    .arg(table.size()).arg(TransformationUnits)};
    }
    const auto isPermitted = [&](char16_t unit) {
        return std::binary_search(permitted.begin(), permitted.end(), unit);
    };
    QSet<char16_t> sources;
    for (int k = 0; k < SourceCount; ++k) {
        const char16_t source = table.at(k);
        if (k <= HalfWidthKanaLast - HalfWidthKanaFirst && source != HalfWidthKanaFirst + k)
            faults.append(QStringLiteral("source %1 is not the half-width kana %2").arg(k).arg(hex(char16_t(HalfWidthKanaFirst + k))));
        if (source == 0 || sources.contains(source))
            faults.append(QStringLiteral("source %1 is missing or repeated").arg(k));
        if (writer::isDeliverySymbol(source))
            faults.append(QStringLiteral("source %1 is the delivery symbol %2").arg(k).arg(hex(source)));
        if (source == table.at(k + PlainOffset))
            faults.append(QStringLiteral("source %1 is its own replacement").arg(k));
        sources.insert(source);
    }
    const QList<int> readSlots = replacementSlots();
    for (int slot : readSlots) {
        if (!isPermitted(table.at(slot)))
            faults.append(QStringLiteral("slot %1 holds %2, which is not permitted").arg(slot).arg(hex(table.at(slot))));
    }
    for (int slot = SourceCount; slot < TransformationUnits; ++slot) {
        if (!readSlots.contains(slot) && table.at(slot) != 0)
            faults.append(QStringLiteral("unread slot %1 is not 0").arg(slot));
    }
    return faults;
}

} // namespace characterlists
