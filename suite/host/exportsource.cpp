#include "exportsource.h"

#include "calsdb/calsdatabase.h"
#include "calsdb/calsschema.h"
#include "jetdao/jetdao.h"
#include "photodb/photodbschema.h"
#include "platform/winpath.h"
#include "suitedata/albuminfo.h"
#include "suitedata/suitelayout.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>

#include <memory>

namespace host {

namespace {

// 写真情報Temp's album folders in serial order, as Windows paths without
// the trailing backslash.
QStringList albumFoldersBySerial(const QString &photoDatabase)
{
    using namespace photodb;
    JETDAO::CDaoDatabase database;
    database.Open(photoDatabase, false, true, QString());
    JETDAO::CDaoRecordset rows(&database);
    rows.Open(JETDAO::dbOpenDynaset,
              QStringLiteral("select * from %1 order by %2 asc")
                  .arg(QString::fromUtf16(table::PhotoTemp), QString::fromUtf16(column::Serial)),
              JETDAO::dbReadOnly);
    QStringList folders;
    for (; !rows.IsEOF(); rows.MoveNext()) {
        QString folder = rows.GetFieldValue(QString::fromUtf16(column::AlbumPath)).toString();
        while (folder.endsWith(u'\\'))
            folder.chop(1);
        folders.append(folder);
    }
    rows.Close();
    database.Close();
    return folders;
}

// One bookshelf's photos.db and its albums' photos, read once each.
class ShelfCache
{
public:
    // The photos of the album folder (host path); null after *error.
    const QList<suitedata::ShelfPhoto> *albumPhotos(const QString &albumHost, QString *error)
    {
        auto found = m_albums.constFind(albumHost);
        if (found != m_albums.constEnd())
            return &*found;
        const QFileInfo album(albumHost);
        const QString shelfHost = album.absolutePath();
        suitedata::ShelfPhotosReader reader;
        if (!reader.open(QDir(shelfHost).filePath(suitedata::ShelfPhotosFileName.toString()))) {
            *error = reader.errorText();
            return nullptr;
        }
        for (const suitedata::ShelfAlbum &shelfAlbum : reader.albums()) {
            if (shelfAlbum.folder.compare(album.fileName(), Qt::CaseInsensitive) == 0)
                return &*m_albums.insert(albumHost, reader.photos(shelfAlbum.number));
        }
        *error = QStringLiteral("%1: the album is not in its bookshelf's %2")
                     .arg(albumHost, suitedata::ShelfPhotosFileName);
        return nullptr;
    }

private:
    QHash<QString, QList<suitedata::ShelfPhoto>> m_albums;
};

} // namespace

bool readExportSource(const QString &photoDatabase, ExportSource *source, QString *error)
{
    QStringList folders;
    try {
        folders = albumFoldersBySerial(photoDatabase);
    } catch (const JETDAO::CDaoException &exception) {
        *error = exception.GetErrorMessage();
        return false;
    }
    *source = ExportSource();
    ShelfCache shelves;
    QHash<QString, qsizetype> taken;     // photos taken so far, by album
    QHash<QString, QString> labels;      // by album
    for (const QString &folder : folders) {
        const QString albumHost = win::toHostPath(folder);
        if (albumHost.isEmpty()) {
            *error = QStringLiteral("%1: no drive maps the album folder").arg(folder);
            return false;
        }
        const QList<suitedata::ShelfPhoto> *photos = shelves.albumPhotos(albumHost, error);
        if (!photos)
            return false;
        const qsizetype index = taken[albumHost]++;
        if (index >= photos->size()) {
            *error = QStringLiteral("%1: G_PHOTO.mdb lists more photos than the album holds")
                         .arg(folder);
            return false;
        }
        if (!labels.contains(albumHost)) {
            suitedata::AlbumInfo album;
            suitedata::readAlbumInfo(
                QDir(albumHost).filePath(suitedata::AlbumFileName.toString()), &album);
            labels.insert(albumHost, album.label);
        }
        source->photos.append({albumHost, labels.value(albumHost), photos->at(index)});
    }
    if (source->photos.isEmpty()) {
        *error = QStringLiteral("%1 lists no photo").arg(photoDatabase);
        return false;
    }
    const QString shelfHost = QFileInfo(source->photos.first().albumHostFolder).absolutePath();
    suitedata::ShelfInfo shelf;
    if (!suitedata::readShelfInfo(QDir(shelfHost).filePath(suitedata::ShelfMarkerFileName.toString()), &shelf, error))
        return false;
    source->construction = shelf.construction;
    return true;
}

bool readOtherData(const QString &calsFolder, ExportSource *source, QString *error)
{
    if (calsFolder.isEmpty()) {
        *error = QStringLiteral("othrsData=1, but no folder of %1 is known")
                     .arg(QString::fromUtf16(calsdb::FileName));
        return false;
    }
    QString folder = calsFolder;
    while (folder.endsWith(u'\\'))
        folder.chop(1);
    const QString database = folder + u'\\' + QString::fromUtf16(calsdb::FileName);
    if (!calsdb::readRegistrations(database, &source->registrations, error)) {
        *error = QStringLiteral("%1: %2").arg(database, *error);
        return false;
    }
    source->calsFolder = folder;
    return true;
}

} // namespace host
