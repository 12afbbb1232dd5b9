#pragma once

#include "albumplan.h"

#include <QString>

#include <array>
#include <span>

namespace reader {

// At most this many albums can be planned.
inline constexpr int MaxAlbums = 100;

// What the delivery root folder holds (m_nDeliveryKind).
enum DeliveryKind {
    UndeterminedDelivery = 0,
    // Carries its own XML management file and DTD; read by DNXmlRead.
    StandardDelivery = 1,
    // 営繕: read by its folder hierarchy.
    GovernmentBuildingDelivery = 2,
};

// How a standard delivery's photos are spread over albums (m_nAlbumType).
enum AlbumType {
    AlbumsByCount = 1,
    AlbumsByClassification = 2,
};

// Photos per album (m_nPhotoCount) on the album method page: 1 to 800.
inline constexpr int MinPhotosPerAlbum = 1;
inline constexpr int MaxPhotosPerAlbum = 800;
// Classification depth (m_nClassLevel): 1 写真-大分類、写真区分 ... 5 工種.
inline constexpr int MinClassLevel = 1;
inline constexpr int MaxClassLevel = 5;

// The import settings: everything DeliveryReader's pages share, and the
// source of every value written to G_INPUTXML.dat. CDeliveryReaderApp
// holds them; pages take them by reference, so they can be built without
// an application object. The names are those the whole program uses.
struct ImportSettings
{
    // Delivery root folder chosen on the root folder page (folder=).
    QString m_strDataPath;
    // DNXmlRead has read the delivery since the root folder last changed.
    bool m_bXmlRead = false;
    bool m_bPhotoListLoaded = false;
    bool m_bTreeBuilt = false;
    int m_nAlbumType = AlbumsByCount;
    // Standard delivery: photos per album; government-building delivery:
    // the photos under the ticked folders.
    int m_nPhotoCount = 200;
    int m_nClassLevel = 2;
    // Government-building editions: 平成24年版 (the default) or 平成14年.
    int m_nStd2012 = 1;
    int m_nStd2002 = 0;
    // Planned albums, the first m_nAlbumNum of m_albums (0 to MaxAlbums).
    int m_nAlbumNum = 0;
    // Drive and folder of the running program, with a trailing backslash.
    QString m_strProgramDir;
    // First line of GXTemp: the standard the delivery follows.
    QString m_strStandardName;
    int m_nImportNew = 1;
    int m_nReferOnly = 0;
    // Bookshelf creation folder as shown in its edit box.
    QString m_strShelfPath;
    // Folder proposed from the first two arguments.
    QString m_strShelfDefault;
    // Command-line arguments 1 to 3.
    QString m_strDataRoot;
    int m_nShelfNumber = 0;
    int m_nNoNewShelf = 0;
    // The proposed folder has been put into the edit box once.
    int m_bShelfDefaultSet = 0;
    std::array<AlbumPlan, MaxAlbums> m_albums;
    int m_nFileNameByPhoto = 1;
    int m_nFileNameByJapanese = 0;
    int m_nTreeError = 0;
    int m_nDeliveryKind = UndeterminedDelivery;

    // The planned albums, never more than m_albums holds.
    std::span<const AlbumPlan> plannedAlbums() const;
};

} // namespace reader
