#pragma once

#include <QList>
#include <QString>

// G_ALBUMLIST.dat as the host leaves it in the temp folder before it starts
// DeliveryWriter: section COMMON with DataDir, SelectedBks, SelectedAbmNum
// and SelectedAbm, the album numbers as a profile structure of 32-bit
// little-endian integers.
namespace host {

inline constexpr char16_t AlbumListFileName[] = u"G_ALBUMLIST.dat";

// Replaces any earlier file; false when a write failed.
bool writeAlbumList(const QString &path, const QString &dataRoot, int shelf,
                    const QList<qint32> &albums);

} // namespace host
