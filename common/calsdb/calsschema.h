#pragma once

// CALS.mdb, the electronic delivery support tool's registrations of the
// delivery data other than PHOTO (docs/cals-database.md): table and column
// names as the queries spell them.
namespace calsdb {

inline constexpr char16_t FileName[] = u"CALS.mdb";

namespace table {
inline constexpr char16_t Registrations[] = u"XML"; // one row per registered document
inline constexpr char16_t Meetings[] = u"MEET";     // 打合せ簿情報
inline constexpr char16_t Plans[] = u"PLAN";        // 施工計画書情報
inline constexpr char16_t Others[] = u"OTHRS";      // その他資料情報
inline constexpr char16_t Files[] = u"FILES";       // オリジナルファイル情報
} // namespace table

namespace column {
inline constexpr char16_t Id[] = u"ID";
inline constexpr char16_t Folder[] = u"FOLDER";
inline constexpr char16_t IndexFile[] = u"FILENAME";
inline constexpr char16_t Title[] = u"TITLE";
inline constexpr char16_t MeetingKind[] = u"KIND";
inline constexpr char16_t Management[] = u"MANAGEMENT";
inline constexpr char16_t Author[] = u"AUTHOR";
inline constexpr char16_t Recipient[] = u"RECIPIENT";
inline constexpr char16_t Issued[] = u"ISSUED";
inline constexpr char16_t Received[] = u"RECEIVED";
inline constexpr char16_t Completed[] = u"COMPLETED";
inline constexpr char16_t Subfolder[] = u"SUBFOLDER";
inline constexpr char16_t ContractorNote[] = u"CONTRACTORNOTE";
inline constexpr char16_t OrdererNote[] = u"ORDERERNOTE";
inline constexpr char16_t Sequence[] = u"SEQ";
inline constexpr char16_t Path[] = u"PATH";
inline constexpr char16_t JapaneseName[] = u"JAPANESENAME";
inline constexpr char16_t Software[] = u"SOFTWARE";
inline constexpr char16_t Content[] = u"CONTENT";
} // namespace column

// The delivery folders of the kinds the export makes, as FOLDER holds them.
inline constexpr char16_t MeetingFolder[] = u"MEET";
inline constexpr char16_t PlanFolder[] = u"PLAN";
inline constexpr char16_t OtherFolder[] = u"OTHRS";

} // namespace calsdb
