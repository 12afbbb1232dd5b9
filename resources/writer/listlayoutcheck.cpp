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

// The slots a reader takes replacements from.
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
    const auto fault = [&](const QString &what, int index, char16_t unit) {
        faults.append(what.arg(index).arg(hex(unit)));
    };
    QSet<char16_t> sources;
    for (int k = 0; k < SourceCount; ++k) {
        const char16_t source = table.at(k);
        const char16_t kana = char16_t(HalfWidthKanaFirst + k);
        if (kana <= HalfWidthKanaLast && source != kana)
            fault(QStringLiteral("source %1 is not the half-width kana %2"), k, kana);
        if (source == 0 || sources.contains(source))
            fault(QStringLiteral("source %1 (%2) is missing or repeated"), k, source);
        if (writer::isDeliverySymbol(source))
            fault(QStringLiteral("source %1 is the delivery symbol %2"), k, source);
        if (source == table.at(k + PlainOffset))
            fault(QStringLiteral("source %1 (%2) is its own replacement"), k, source);
        sources.insert(source);
    }
    const QList<int> readSlots = replacementSlots();
    for (int slot : readSlots) {
        if (!std::binary_search(permitted.begin(), permitted.end(), table.at(slot)))
            fault(QStringLiteral("slot %1 holds %2, which is not permitted"), slot, table.at(slot));
    }
    for (int slot = SourceCount; slot < TransformationUnits; ++slot) {
        if (!readSlots.contains(slot) && table.at(slot) != 0)
            fault(QStringLiteral("unread slot %1 holds %2, not 0"), slot, table.at(slot));
    }
    return faults;
}

} // namespace characterlists
