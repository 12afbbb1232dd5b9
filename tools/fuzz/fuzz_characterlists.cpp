// Feeds arbitrary bytes to DeliveryWriter's readers of its two character
// lists, as unicode_list.dat and as NeedTransformation.dat, in memory.
// Both take their fixed count of UTF-16LE units, zeros after a short file.
// The permitted list, given in order (the search halves), finds exactly
// what it holds, and the table's source index points at the first equal
// entry among the sources, or is -1 when none holds the unit.
#include "characterlistlayout.h"
#include "fuzzcheck.h"
#include "permittedcharacters.h"
#include "transformationtable.h"

#include <QByteArray>
#include <QtEndian>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace {

using namespace writer;

using fuzz::check;

// The units the reader is to take: the bytes' first `count` units.
std::vector<char16_t> expectedUnits(const std::uint8_t *data, std::size_t size, int count)
{
    std::vector<char16_t> units(std::size_t(count), 0);
    for (std::size_t i = 0; i < units.size() && 2 * i + 1 < size; ++i)
        units[i] = qFromLittleEndian<quint16>(data + 2 * i);
    return units;
}

// Lookups per input: each of its first units and their neighbours.
constexpr std::size_t LookedUpUnits = 256;

void checkPermitted(const std::uint8_t *data, std::size_t size)
{
    // The input's units in order, filled up with the largest unit to the
    // full count, so that the halving search applies to what was given.
    const std::size_t given = std::min(size / 2, std::size_t(listlayout::PermittedCount));
    std::vector<char16_t> units = expectedUnits(data, size, int(given));
    std::sort(units.begin(), units.end());
    units.resize(listlayout::PermittedCount, 0xFFFF);
    QByteArray bytes(qsizetype(units.size() * 2), Qt::Uninitialized);
    for (std::size_t i = 0; i < units.size(); ++i)
        qToLittleEndian<quint16>(units[i], bytes.data() + 2 * i);
    const PermittedCharacters list = PermittedCharacters::fromBytes(bytes);
    const auto lookUp = [&](char16_t unit) {
        check(list.contains(unit) == std::binary_search(units.begin(), units.end(), unit));
    };
    lookUp(0);
    const std::vector<char16_t> inputUnits =
        expectedUnits(data, size, int(std::min(given, LookedUpUnits)));
    for (const char16_t unit : inputUnits) {
        lookUp(unit);
        lookUp(char16_t(unit - 1));
        lookUp(char16_t(unit + 1));
    }
}

void checkTransformation(const std::uint8_t *data, std::size_t size)
{
    const TransformationTable table = TransformationTable::fromBytes(
        QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size)));
    const std::vector<char16_t> units =
        expectedUnits(data, size, listlayout::TransformationUnits);
    for (int index = 0; index < listlayout::TransformationUnits; ++index)
        check(table.at(index) == units[std::size_t(index)]);
    const auto sourcesEnd = units.begin() + listlayout::SourceCount;
    for (const char16_t unit : units) {
        const auto found = std::find(units.begin(), sourcesEnd, unit);
        check(table.sourceIndexOf(unit)
              == (found == sourcesEnd ? -1 : int(found - units.begin())));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    checkPermitted(data, size);
    checkTransformation(data, size);
    return 0;
}
