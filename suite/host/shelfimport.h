#pragma once

#include "folderalbums.h"

#include "suitedata/constructioninfo.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <functional>
#include <optional>

// Carries out DeliveryReader's G_INPUTXML.dat: a delivery's photos with
// their photo information (a standard delivery's G_PHOTO.mdb and PHOTO.XML,
// a government-building delivery's folder tree) into a new bookshelf of the
// suite's data (docs/suite-data.md), or nothing for reference only.
namespace host {

// importmode= of the settings file.
enum class ImportMode { NewShelf = 1, ReferOnly = 2 };
// type= of the settings file.
enum class AlbumMethod { ByCount = 1, ByClassification = 2, PlannedFolders = 3 };
// filename= of the settings file: 28 marks a government-building delivery of
// the 2012 edition.
enum class PhotoNaming { PhotoFileName = 1, JapaneseFileName = 2, GovernmentBuilding2012 = 28 };

struct ImportSettings
{
    ImportMode mode = ImportMode::NewShelf;
    QString shelfFolder;    // bsfolder=, Windows form; empty: the proposed one
    QString deliveryFolder; // folder=, Windows form
    AlbumMethod albums = AlbumMethod::ByCount;
    int size = 0;           // photos per album, the class depth, or the planned albums
    PhotoNaming naming = PhotoNaming::PhotoFileName;
    QList<FolderAlbumPlan> folderAlbums; // its [ALBUMn] sections, the first size of them
};

// Reads the settings file (Windows form); nothing when it is missing or
// names no delivery folder.
std::optional<ImportSettings> readImportSettings(const QString &settingsFile);

// The new bookshelf's kouji.xml taken from the bytes of the delivery's
// index file (Shift_JIS as discs carry it): its construction information,
// name, construction number and the standard code of its 適用要領基準.
// Broken bytes leave the construction information empty.
suitedata::ShelfInfo shelfInfoOfIndex(const QByteArray &indexBytes);

struct ImportSummary
{
    int shelf = -1;    // the new bookshelf's profile folder number
    QString dataFolder;
    int albums = 0;
    int photos = 0;    // imported, or referenced for reference only
    qint64 bytes = 0;  // of the photos copied
};

// Called after each photo copied with the count done and the total.
using ImportProgress = std::function<void(int done, int total)>;

// Imports into the data root (Windows form) from the photo database (a
// Windows path; KOUJIMASTER.MDB is read beside it for albums by
// classification). The bookshelf comes whole or not at all
// (shelfstaging.h), so that on failure the suite's data stays as it was;
// false with the reason in *error then. What imports killed earlier left
// is taken away first. Reference only changes nothing and counts the
// delivery's photos.
bool importDelivery(const QString &dataRoot, const ImportSettings &settings,
                    const QString &photoDatabase, ImportSummary *summary, QString *error,
                    const ImportProgress &progress = {});

} // namespace host
