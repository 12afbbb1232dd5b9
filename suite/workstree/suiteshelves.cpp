#include "suiteshelves.h"

#include "netprof/namecoding.h"
#include "netprof/netprofile.h"
#include "platform/pathnames.h"
#include "platform/profile.h"
#include "platform/winpath.h"
#include "suitedata/albuminfo.h"
#include "suitedata/shelfphotos.h"
#include "suitedata/suitelayout.h"

#include <QDir>
#include <QFileInfo>

namespace workstree {

namespace {

QString profileString(const QString &file, QStringView key)
{
    return win::getPrivateProfileString(suitedata::CommonSection.toString(), key.toString(),
                                        QString(), win::MaxPath, file);
}

QString dataRoot(const QString &dataFolder)
{
    QString root = dataFolder;
    while (root.endsWith(u'\\'))
        root.chop(1);
    // Handed a profile folder: its parent holds the profile folders.
    const QString host = win::toHostPath(root);
    if (!host.isEmpty()
        && QFileInfo::exists(QDir(host).filePath(suitedata::ShelfProfileFileName.toString())))
        root = win::folderOfPath(root);
    const QString moved =
        profileString(win::joinPath(root, suitedata::ProfileFileName.toString()),
                      suitedata::RootDirKey);
    return moved.isEmpty() ? root : moved;
}

QList<AlbumEntry> readAlbums(const ShelfEntry &shelf)
{
    QList<AlbumEntry> albums;
    suitedata::ShelfPhotosReader photos;
    if (!photos.open(QDir(shelf.hostFolder).filePath(suitedata::ShelfPhotosFileName.toString())))
        return albums;
    for (const suitedata::ShelfAlbum &album : photos.albums()) {
        AlbumEntry entry;
        entry.number = album.number;
        entry.folder = win::joinPath(shelf.dataFolder, album.folder);
        suitedata::AlbumInfo info;
        const QString file = QDir(QDir(shelf.hostFolder).filePath(album.folder))
                                 .filePath(suitedata::AlbumFileName.toString());
        if (suitedata::readAlbumInfo(file, &info)) {
            entry.label = info.label;
            entry.password = info.password;
        } else {
            // An album without its file is shown by its folder name.
            entry.label = album.folder;
        }
        albums.append(entry);
    }
    return albums;
}

} // namespace

bool usedOnAnotherComputer(const QString &netProfPath, const QString &thisComputer)
{
    for (const QLatin1String section : {netprof::UsedSection, netprof::LockSection}) {
        for (const QString &value : netprof::readSection(netProfPath, section)) {
            if (!value.isEmpty()
                && netprof::DecodeName(value).compare(thisComputer, Qt::CaseInsensitive) != 0)
                return true;
        }
    }
    return false;
}

QList<ShelfEntry> readSuiteShelves(const QString &dataFolder, const QString &thisComputer)
{
    QList<ShelfEntry> shelves;
    const QString root = dataRoot(dataFolder);
    for (int number = 0;; ++number) {
        const QString profileFolder = win::joinPath(root, suitedata::profileFolderName(number));
        const QString profileHost = win::toHostPath(profileFolder);
        if (profileHost.isEmpty() || !QFileInfo(profileHost).isDir())
            break;
        const QString profile =
            win::joinPath(profileFolder, suitedata::ShelfProfileFileName.toString());
        ShelfEntry shelf;
        shelf.profileNumber = number;
        shelf.dataFolder = profileString(profile, suitedata::DataDirKey);
        shelf.name = profileString(profile, suitedata::ShelfNameKey);
        if (!shelf.dataFolder.isEmpty())
            shelf.hostFolder = win::toHostPath(shelf.dataFolder);
        if (!shelf.hostFolder.isEmpty()) {
            shelf.hasData = suitedata::readShelfInfo(
                QDir(shelf.hostFolder).filePath(suitedata::ShelfMarkerFileName.toString()),
                &shelf.info);
        }
        if (shelf.name.isEmpty())
            shelf.name = shelf.hasData ? shelf.info.name : shelf.dataFolder;
        if (shelf.hasData) {
            shelf.usedElsewhere = usedOnAnotherComputer(
                win::joinPath(shelf.dataFolder, QString(netprof::FileName)), thisComputer);
            shelf.albums = readAlbums(shelf);
        }
        shelves.append(shelf);
    }
    return shelves;
}

bool shelfChoosable(const ShelfEntry &shelf, const ShelfEntry *selected)
{
    return selected && shelf.hasData && selected->hasData && !shelf.info.password
           && !shelf.usedElsewhere && shelf.info.standardCode == selected->info.standardCode
           && shelf.info.constructionNumber == selected->info.constructionNumber;
}

bool albumChoosable(const ShelfEntry &shelf, const AlbumEntry &album, const ShelfEntry *selected)
{
    return shelfChoosable(shelf, selected) && !album.password;
}

} // namespace workstree
