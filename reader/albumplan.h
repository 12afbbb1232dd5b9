#pragma once

#include <QString>

#include <array>

namespace reader {

// A planned album holds at most this many folders.
inline constexpr int MaxAlbumFolders = 100;
// Level names (写真-大分類 ... 細別) are kept to this many characters,
// terminator included.
inline constexpr int LevelNameBuffer = 128;

// One album planned from the ticked folders of a government-building
// delivery. The host application reads it back as an [ALBUMn] section of
// G_INPUTXML.dat; the fields are in the order of that section's record.
struct AlbumPlan
{
    int folderCount = 0;         // foldernum=
    int photoCount = 0;          // photonum=
    QString albumName;           // albumname=
    QString box;                 // box=: the box folder of the 2012 edition, else empty
    int level = 0;               // nLevel=: never set by the planning
    QString bunrui;              // szBunrui=: 写真-大分類
    QString kubun;               // szKubun=: 写真区分
    QString kousyu;              // szKousyu=: 工種
    QString syubetu;             // szSyubetu=: 種別
    QString saibetu;             // szSaibetu=: 細別
    // Full folder paths, the first folderCount of them used.
    std::array<QString, MaxAlbumFolders> folders;
    // 1: the folder's subfolders, which the tree does not show, belong to
    // the album too.
    std::array<int, MaxAlbumFolders> hasChild{};

    // The used folder paths, never more than the record holds.
    int usedFolderCount() const;
};

} // namespace reader
