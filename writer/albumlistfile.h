#pragma once

#include <QList>
#include <QString>
#include <QStringView>

// G_ALBUMLIST.dat: the albums the user had chosen in the host application,
// which the host leaves in the temp folder before it starts DeliveryWriter
// and the album page hands to the tree.
namespace writer {

inline constexpr QStringView AlbumListFileName = u"G_ALBUMLIST.dat";

// More albums than this cannot be chosen in the host; a larger count in
// the file is taken as no selection rather than a block of that size.
inline constexpr int MaxSelectedAlbums = 65536;

struct AlbumList
{
    QString dataDir;        // the host's data folder (DataDir)
    int selectedShelf = 0;  // SelectedBks
    // SelectedAbm: SelectedAbmNum album numbers; all zero when the block
    // is missing or was written for another count.
    QList<qint32> albums;
};

// The temp folder followed by the file name.
QString albumListPath();

// Reads section COMMON; missing keys give "", 0 and no albums.
AlbumList readAlbumList(const QString &path);

} // namespace writer
