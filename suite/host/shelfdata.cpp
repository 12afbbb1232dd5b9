#include "shelfdata.h"

#include "platform/pathnames.h"
#include "platform/profile.h"
#include "platform/winpath.h"
#include "suitedata/constructioninfo.h"
#include "suitedata/shelfphotos.h"
#include "suitedata/suitelayout.h"

#include <QDir>

namespace host {

QString shelfDataFolder(const QString &dataRoot, int shelf)
{
    const QString profile =
        win::joinPath(win::joinPath(dataRoot, suitedata::profileFolderName(shelf)),
                      suitedata::ShelfProfileFileName.toString());
    return win::getPrivateProfileString(suitedata::CommonSection.toString(),
                                        suitedata::DataDirKey.toString(), QString(), win::MaxPath,
                                        profile);
}

int shelfStandardCode(const QString &dataFolder)
{
    const QString folder = win::toHostPath(dataFolder);
    suitedata::ShelfInfo info;
    if (folder.isEmpty()
        || !suitedata::readShelfInfo(QDir(folder).filePath(suitedata::ShelfMarkerFileName.toString()),
                                     &info))
        return 0;
    return info.standardCode;
}

QList<qint32> shelfAlbumNumbers(const QString &dataFolder)
{
    QList<qint32> numbers;
    const QString folder = win::toHostPath(dataFolder);
    suitedata::ShelfPhotosReader photos;
    if (folder.isEmpty()
        || !photos.open(QDir(folder).filePath(suitedata::ShelfPhotosFileName.toString())))
        return numbers;
    for (const suitedata::ShelfAlbum &album : photos.albums())
        numbers.append(album.number);
    return numbers;
}

} // namespace host
