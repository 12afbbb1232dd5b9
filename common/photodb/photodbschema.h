#pragma once

#include <QString>
#include <QStringList>

// The photo information database G_PHOTO.mdb: written by worksdata's
// DNXmlRead (import) and workstree's CreatePhotoMdb (export), read by the
// wizards' photo pages. One row per photo in every table.
namespace photodb {

inline constexpr char16_t FileName[] = u"G_PHOTO.mdb";

// Table and column names as the wizards' queries spell them.
namespace table {
inline constexpr char16_t PhotoInfo[] = u"写真情報";
inline constexpr char16_t WorkClass[] = u"撮影工種区分";
inline constexpr char16_t PhotoFile[] = u"写真ファイル情報";
inline constexpr char16_t PhotoTemp[] = u"写真情報Temp";
} // namespace table

namespace column {
inline constexpr char16_t Serial[] = u"シリアル番号";
inline constexpr char16_t FileName[] = u"写真ファイル名";
inline constexpr char16_t JapaneseFileName[] = u"写真ファイル日本語名";
inline constexpr char16_t MajorClass[] = u"写真-大分類";
inline constexpr char16_t Category[] = u"写真区分";
inline constexpr char16_t WorkType[] = u"工種";
inline constexpr char16_t Kind[] = u"種別";
inline constexpr char16_t SubKind[] = u"細別";
inline constexpr char16_t Title[] = u"写真タイトル";
inline constexpr char16_t HasDrawings[] = u"付加情報";
inline constexpr char16_t Place[] = u"撮影箇所";
inline constexpr char16_t ManagementValue[] = u"施工管理値";
inline constexpr char16_t Representative[] = u"代表写真";
inline constexpr char16_t Frequency[] = u"提出頻度写真";
inline constexpr char16_t AlbumPath[] = u"albumpath";
} // namespace column

// CREATE statements of the four tables and of the indexes the wizards'
// lookups need, in SQLite's dialect.
QStringList createTableStatements();

} // namespace photodb
