#include "photomdbbuilder.h"

#include "photodb/photodatabasewriter.h"
#include "photodb/photodbschema.h"
#include "platform/fileops.h"
#include "platform/winpath.h"
#include "suitedata/shelfphotos.h"

#include <QCoreApplication>
#include <QDir>

namespace workstree {

namespace {

// Writes every photo into the scratch database at scratchHost.
int writeRows(const QList<ChosenAlbum> &albums, const QString &scratchHost, QString *error)
{
    PhotoDatabaseWriter writer;
    if (!writer.create(scratchHost)) {
        *error = writer.errorText();
        return -1;
    }
    suitedata::ShelfPhotosReader shelf;
    QString openShelf;
    int serial = 0;
    for (const ChosenAlbum &album : albums) {
        // Albums of one bookshelf come one after another: open it once.
        if (album.shelfHostFolder != openShelf) {
            openShelf = album.shelfHostFolder;
            if (!shelf.open(QDir(openShelf).filePath(suitedata::ShelfPhotosFileName.toString()))) {
                *error = shelf.errorText();
                return -1;
            }
        }
        QString albumPath = album.folder;
        if (!albumPath.endsWith(u'\\'))
            albumPath += u'\\';
        const std::string albumPathUtf8 = albumPath.toStdString();
        const bool read = shelf.forEachPhoto(album.number, [&](PhotoRecord &photo) {
            photo.serial = ++serial;
            return writer.add(photo, albumPathUtf8);
        });
        if (!read) {
            *error = writer.errorText().isEmpty() ? shelf.errorText() : writer.errorText();
            return -1;
        }
    }
    if (!writer.commit()) {
        *error = writer.errorText();
        return -1;
    }
    return serial;
}

} // namespace

int buildPhotoDatabase(const QList<ChosenAlbum> &albums, QString *error)
{
    const QString temp = win::tempPath();
    if (temp.isEmpty()) {
        *error = QStringLiteral("no temp folder");
        return -1;
    }
    const QString databasePath = temp + QString::fromUtf16(photodb::FileName);
    // One scratch name per process, so that two builds never share it.
    const QString scratchPath =
        temp + QStringLiteral("~G_PHOTO.%1.workstree.tmp").arg(QCoreApplication::applicationPid());
    const QString scratchHost = win::toHostPath(scratchPath);
    win::deleteFile(scratchPath); // left over by a process that died
    win::deleteFile(databasePath);
    if (scratchHost.isEmpty()) {
        *error = QStringLiteral("the temp folder %1 cannot be reached").arg(temp);
        return -1;
    }
    const int photos = writeRows(albums, scratchHost, error);
    if (photos < 0 || !win::moveFileReplace(scratchPath, databasePath)) {
        if (photos >= 0)
            *error = QStringLiteral("%1 cannot be written").arg(databasePath);
        win::deleteFile(scratchPath);
        return -1;
    }
    return photos;
}

} // namespace workstree
