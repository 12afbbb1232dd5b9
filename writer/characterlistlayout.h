#pragma once

#include <QStringView>

// The layouts of the two character lists shipped beside DeliveryWriter,
// shared by their generator and their readers. Both files are bare
// UTF-16LE code units without a header.
namespace writer::listlayout {

inline constexpr QStringView PermittedFileName = u"unicode_list.dat";
inline constexpr QStringView TransformationFileName = u"NeedTransformation.dat";

// unicode_list.dat: the permitted units in ascending order. Readers search
// all of them, so the file holds exactly this many.
constexpr int PermittedCount = 7043;

// NeedTransformation.dat, by index.
constexpr int TransformationUnits = 354;  // what a reader takes at most
constexpr int SourceCount = 153;          // 0 to 152: the units transformed
constexpr int PlainOffset = 153;          // plain replacement of k at k + 153

// Source entries 0 to 62 are the half-width katakana U+FF61 to U+FF9F.
constexpr char16_t HalfWidthKanaFirst = 0xFF61;
constexpr char16_t HalfWidthKanaLast = 0xFF9F;
constexpr char16_t VoicedMark = 0xFF9E;      // ﾞ
constexpr char16_t SemiVoicedMark = 0xFF9F;  // ﾟ

// ｶ to ﾄ followed by ﾞ: the voiced form at k + 306. ﾅ to ﾉ (36 to 40) have
// none and are left to combine with nothing: slots 342 to 346 belong to
// the ha row.
constexpr int VoicedFirst = 21;
constexpr int VoicedLast = 35;
constexpr int VoicedOffset = 306;
// ﾊ to ﾎ followed by ﾞ or ﾟ: the voiced form at k + 301, the semi-voiced
// at k + 307.
constexpr int HaRowFirst = 41;
constexpr int HaRowLast = 45;
constexpr int HaRowVoicedOffset = 301;
constexpr int HaRowSemiVoicedOffset = 307;
// ｳ followed by ﾞ: ヴ.
constexpr int SourceU = 18;
constexpr int VoicedUSlot = 347;

} // namespace writer::listlayout
