#pragma once

#include <QString>

#include <functional>
#include <optional>

// Carries out DeliveryReader's G_INPUTXML.dat: a standard delivery's photos
// with their photo information (G_PHOTO.mdb) into a new bookshelf of the
// suite's data (docs/suite-data.md).
namespace host {

// importmode= of the settings file.
enum class ImportMode { NewShelf = 1, ReferOnly = 2 };
// type= of the settings file.
enum class AlbumMethod { ByCount = 1, ByClassification = 2, PlannedFolders = 3 };
// filename= of the settings file.
enum class PhotoNaming { PhotoFileName = 1, JapaneseFileName = 2 };

struct ImportSettings
{
    ImportMode mode = ImportMode::NewShelf;
    QString shelfFolder;    // bsfolder=, Windows form; empty: the proposed one
    QString deliveryFolder; // folder=, Windows form
    AlbumMethod albums = AlbumMethod::ByCount;
    int size = 0;           // photos per album, or the class depth
    PhotoNaming naming = PhotoNaming::PhotoFileName;
};

// Reads the settings file (Windows form); nothing when it is missing or
// names no delivery folder.
std::optional<ImportSettings> readImportSettings(const QString &settingsFile);

struct ImportSummary
{
    int shelf = -1;    // the new bookshelf's profile folder number
    QString dataFolder;
    int albums = 0;
    int photos = 0;
    qint64 bytes = 0;  // of the photos copied
};

// Called after each photo copied with the count done and the total.
using ImportProgress = std::function<void(int done, int total)>;

// Imports into the data root (Windows form) from the photo database at a
// host path. The bookshelf comes whole or not at all (shelfstaging.h), so
// that on failure the suite's data stays as it was; false with the reason
// in *error then. What imports killed earlier left is taken away first.
bool importDelivery(const QString &dataRoot, const ImportSettings &settings,
                    const QString &photoDatabase, ImportSummary *summary, QString *error,
                    const ImportProgress &progress = {});

} // namespace host
