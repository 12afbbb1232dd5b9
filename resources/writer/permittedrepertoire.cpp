#include "permittedrepertoire.h"

#include "codecdecoder.h"

#include "characterlistlayout.h"

#include <algorithm>

namespace characterlists {

namespace {

// JIS X 0208 rows and cells both run over 0x21 to 0x7E.
constexpr int JisFirst = 0x21;
constexpr int JisLast = 0x7E;
constexpr char16_t PrintableAsciiFirst = 0x20;
constexpr char16_t PrintableAsciiLast = 0x7E;

// EUC-JP holds a JIS X 0208 code with the high bit set in both bytes and
// maps it as the JIS standard does (〜 U+301C, ‖ U+2016, ...).
std::optional<char16_t> decodeEucJp(const CodecDecoder &codec, int row, int cell)
{
    return codec.decode(row | 0x80, cell | 0x80);
}

// Shift_JIS of the same code, which CP932 maps the Windows way (～ U+FF5E,
// ∥ U+2225, ...).
std::optional<char16_t> decodeShiftJis(const CodecDecoder &codec, int row, int cell)
{
    const int lead = ((row + 1) >> 1) + (row <= 0x5E ? 0x70 : 0xB0);
    const int trail = cell + ((row & 1) ? (cell >= 0x60 ? 0x20 : 0x1F) : 0x7E);
    return codec.decode(lead, trail);
}

} // namespace

std::optional<PermittedRepertoire> PermittedRepertoire::build(QString *error)
{
    const CodecDecoder jisMapping("EUC-JP");
    const CodecDecoder windowsMapping("CP932");
    if (!jisMapping.isValid() || !windowsMapping.isValid()) {
        *error = QStringLiteral("iconv has no EUC-JP or no CP932");
        return std::nullopt;
    }
    PermittedRepertoire repertoire;
    for (int row = JisFirst; row <= JisLast; ++row) {
        for (int cell = JisFirst; cell <= JisLast; ++cell) {
            const auto jis = decodeEucJp(jisMapping, row, cell);
            if (!jis)
                continue;  // a code JIS X 0208 leaves unassigned
            const auto windows = decodeShiftJis(windowsMapping, row, cell);
            if (!windows) {
                *error = QStringLiteral("CP932 lacks JIS X 0208 code %1%2")
                             .arg(row, 2, 16).arg(cell, 2, 16);
                return std::nullopt;
            }
            repertoire.jisX0208.insert(*jis);
            repertoire.jisX0208.insert(*windows);
        }
    }
    QList<char16_t> &units = repertoire.permitted;
    units = QList<char16_t>(repertoire.jisX0208.cbegin(), repertoire.jisX0208.cend());
    for (char16_t unit = PrintableAsciiFirst; unit <= PrintableAsciiLast; ++unit)
        units.append(unit);
    for (char16_t unit = writer::listlayout::HalfWidthKanaFirst;
         unit <= writer::listlayout::HalfWidthKanaLast; ++unit) {
        units.append(unit);
    }
    std::sort(units.begin(), units.end());
    units.erase(std::unique(units.begin(), units.end()), units.end());
    return repertoire;
}

} // namespace characterlists
