#include "albumlistfile.h"

#include "platform/profile.h"
#include "platform/winpath.h"
#include "settingsfile.h"

#include <QtEndian>

namespace writer {

namespace {

const QString Section = QStringLiteral("COMMON");
constexpr int AlbumNumberBytes = 4;

} // namespace

QString albumListPath()
{
    return settingsfile::tempFilePath(AlbumListFileName);
}

AlbumList readAlbumList(const QString &path)
{
    AlbumList list;
    list.dataDir = win::getPrivateProfileString(Section, QStringLiteral("DataDir"), QString(),
                                                win::MaxPath, path);
    list.selectedShelf = win::getPrivateProfileInt(Section, QStringLiteral("SelectedBks"), 0, path);
    int count = win::getPrivateProfileInt(Section, QStringLiteral("SelectedAbmNum"), 0, path);
    if (count < 0 || count > MaxSelectedAlbums)
        count = 0;
    list.albums.fill(0, count);

    QByteArray block(count * AlbumNumberBytes, '\0');
    if (count > 0
        && win::getPrivateProfileStruct(Section, QStringLiteral("SelectedAbm"), &block,
                                        int(block.size()), path)) {
        for (int i = 0; i < count; ++i)
            list.albums[i] = qFromLittleEndian<qint32>(block.constData() + i * AlbumNumberBytes);
    }
    return list;
}

} // namespace writer
