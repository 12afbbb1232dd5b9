#include "shelfimport.h"

#include "classificationtree.h"
#include "deliveryphotoxml.h"
#include "filenames.h"
#include "hostmessages.h"
#include "photocopy.h"
#include "shelfstaging.h"

#include "jetdao/cdaoexception.h"
#include "photodb/koujimasterschema.h"
#include "photodb/photoinfotable.h"
#include "platform/codepage.h"
#include "platform/pathnames.h"
#include "platform/profile.h"
#include "platform/winpath.h"
#include "suitedata/albuminfo.h"
#include "suitedata/constructioninfo.h"
#include "suitedata/dataroot.h"
#include "suitedata/shelfphotos.h"
#include "suitedata/suitelayout.h"
#include "suitedata/xmlelement.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QSet>

namespace host {

namespace {

const QString SettingsSection = QStringLiteral("XMLIN");
const QString IndexFileName = QStringLiteral("INDEX_C.XML");
// The standard code a delivery's 適用要領基準 is taken back into, the code
// of each ordering body the export names it by.
struct CriterionCode
{
    const char16_t *criterion;
    int code;
};
constexpr CriterionCode CriterionCodes[] = {
    {u"土木200805-01", 25},
    {u"農村振興土木201103-01", 73},
    {u"NEXCO201207-01", 90},
};
constexpr int DefaultStandardCode = 25;
constexpr int GovernmentBuilding2002Code = 4;
constexpr int GovernmentBuilding2012Code = 28;
// DeliveryReader plans at most this many folder albums; a larger size= is
// not a plan it wrote.
constexpr int MaxPlannedAlbums = 100;

QString readSetting(const QString &key, const QString &file)
{
    return win::getPrivateProfileString(SettingsSection, key, QString(), win::MaxPath, file);
}

int readSettingNumber(const QString &key, const QString &file)
{
    return win::getPrivateProfileInt(SettingsSection, key, 0, file);
}

// The [ALBUMn] section of a planned folder album.
FolderAlbumPlan readFolderAlbumPlan(int number, const QString &file)
{
    const QString section = QStringLiteral("ALBUM%1").arg(number);
    const auto text = [&](const QString &key) {
        return win::getPrivateProfileString(section, key, QString(), win::MaxPath, file);
    };
    const auto value = [&](const QString &key) {
        return win::getPrivateProfileInt(section, key, 0, file);
    };
    FolderAlbumPlan plan;
    plan.name = text(QStringLiteral("albumname"));
    plan.box = text(QStringLiteral("box"));
    const int folders = value(QStringLiteral("foldernum"));
    for (int folder = 1; folder <= folders; ++folder)
        plan.folders.append({text(QString::number(folder)),
                             value(QStringLiteral("%1HasChild").arg(folder)) == 1});
    return plan;
}

// The construction information of the delivery's index file into
// kouji.xml; a missing or broken file leaves it empty.
suitedata::ShelfInfo shelfInfoOf(const QString &deliveryHostFolder)
{
    QFile file(QDir(deliveryHostFolder).filePath(IndexFileName));
    return shelfInfoOfIndex(file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray());
}

// A file name of the delivery's XML as a name inside its folder: whatever
// path it carries is dropped, so no file outside the folder is taken.
QString nameInFolder(const QString &name)
{
    return name.mid(qMax(name.lastIndexOf(u'/'), name.lastIndexOf(u'\\')) + 1);
}

// The photos of a standard delivery in delivery order: the items of
// G_PHOTO.mdb, the rest from PHOTO.XML, named as the settings choose.
QList<ImportPhoto> standardPhotos(const QList<photodb::PhotoInfoRecord> &records,
                                  const QString &deliveryHostFolder, PhotoNaming naming)
{
    const DeliveryPhotoXml xml = readDeliveryPhotoXml(deliveryHostFolder);
    const QDir delivery(deliveryHostFolder);
    const QDir pictures(delivery.filePath(xml.pictureFolder));
    const QDir drawings(delivery.filePath(xml.drawingFolder));
    const bool japanese = naming == PhotoNaming::JapaneseFileName;
    QList<ImportPhoto> photos;
    photos.reserve(records.size());
    for (const photodb::PhotoInfoRecord &record : records) {
        ImportPhoto photo;
        photo.item = xml.photos.value(record.fileName);
        photo.sourceHost = pictures.filePath(nameInFolder(record.fileName));
        suitedata::ShelfPhoto &item = photo.item;
        item.fileName = japanese && !record.japaneseFileName.isEmpty() ? record.japaneseFileName
                                                                       : record.fileName;
        item.japaneseFileName = record.japaneseFileName;
        item.majorClass = record.majorClass;
        item.category = record.category;
        item.workType = record.workType;
        item.kind = record.kind;
        item.subKind = record.subKind;
        item.title = record.title;
        item.place = record.place;
        item.managementValue = record.managementValue;
        item.representative = record.representative;
        item.frequency = record.frequency;
        for (suitedata::ShelfDrawing &drawing : item.drawings) {
            photo.drawingSources.append(drawings.filePath(nameInFolder(drawing.fileName)));
            if (japanese && !drawing.japaneseName.isEmpty())
                drawing.fileName = drawing.japaneseName;
        }
        photos.append(std::move(photo));
    }
    return photos;
}

// Copies a file into the album folder under a name Windows takes, kept
// apart from the names the folder already has; the name it got, or empty
// when the copy failed.
QString copyInto(const QDir &album, const QString &source, const QString &wished,
                 QSet<QString> *taken, qint64 *bytes)
{
    const QString target = uniquePath(album, windowsName(wished), taken);
    qint64 copied = 0;
    if (!copyPhotoFile(source, target, &copied))
        return {};
    *bytes += copied;
    return QFileInfo(target).fileName();
}

bool writeAlbums(const QString &dataHostFolder, const QList<ImportAlbum> &albums,
                 const ImportProgress &progress,
                 ImportSummary *summary, QString *error)
{
    suitedata::ShelfPhotosWriter photos;
    const QDir data(dataHostFolder);
    if (!photos.create(data.filePath(suitedata::ShelfPhotosFileName.toString())))
        return *error = messages::PhotosNotWritten.arg(photos.errorText()), false;
    int total = 0;
    for (const ImportAlbum &album : albums)
        total += int(album.photos.size());
    for (qsizetype index = 0; index < albums.size(); ++index) {
        const int albumNumber = int(index) + 1;
        const QString folder = QStringLiteral("album%1").arg(albumNumber);
        suitedata::AlbumInfo info;
        info.label = albums[index].label;
        QFile albumFile(QDir(data.filePath(folder)).filePath(suitedata::AlbumFileName.toString()));
        if (!data.mkdir(folder) || !albumFile.open(QIODevice::WriteOnly)
            || albumFile.write(suitedata::albumInfoXml(info)) < 0 || !albumFile.flush())
            return *error = messages::AlbumNotWritten.arg(folder), false;
        if (!photos.addAlbum({albumNumber, folder}))
            return *error = messages::PhotosNotWritten.arg(photos.errorText()), false;
        summary->albums = albumNumber;

        const QDir album(data.filePath(folder));
        QSet<QString> taken;
        for (const ImportPhoto &planned : albums[index].photos) {
            suitedata::ShelfPhoto photo = planned.item;
            photo.fileName = copyInto(album, planned.sourceHost, photo.fileName, &taken, &summary->bytes);
            if (photo.fileName.isEmpty())
                return *error = messages::PhotoNotCopied.arg(planned.sourceHost), false;
            for (qsizetype drawing = 0; drawing < photo.drawings.size(); ++drawing) {
                const QString source = planned.drawingSources.value(drawing);
                QString &name = photo.drawings[drawing].fileName;
                name = copyInto(album, source, name, &taken, &summary->bytes);
                if (name.isEmpty())
                    return *error = messages::DrawingNotCopied.arg(source), false;
            }
            if (!photos.addPhoto(albumNumber, photo))
                return *error = messages::PhotosNotWritten.arg(photos.errorText()), false;
            ++summary->photos;
            if (progress)
                progress(summary->photos, total);
        }
    }
    if (!photos.commit())
        return *error = messages::PhotosNotWritten.arg(photos.errorText()), false;
    return true;
}

// A government-building delivery has no index file: the bookshelf is named
// after the construction-name folder and follows the edition chosen.
suitedata::ShelfInfo governmentBuildingShelfInfo(const QString &deliveryHostFolder,
                                                 PhotoNaming naming)
{
    suitedata::ShelfInfo info;
    info.name = QDir(deliveryHostFolder).dirName();
    info.construction.title.constructionName = info.name;
    info.standardCode = naming == PhotoNaming::GovernmentBuilding2012 ? GovernmentBuilding2012Code
                                                                      : GovernmentBuilding2002Code;
    return info;
}

// KOUJIMASTER.MDB beside the photo database.
QString classificationTreePath(const QString &photoDatabase)
{
    const qsizetype folderEnd = qMax(photoDatabase.lastIndexOf(u'\\'), photoDatabase.lastIndexOf(u'/'));
    return photoDatabase.left(folderEnd + 1)
        + QString::fromUtf16(koujimaster::FileName);
}

// The albums the settings ask for, with their photos.
bool planAlbums(const ImportSettings &settings, const QString &deliveryHost,
                const QString &photoDatabase, QList<ImportAlbum> *albums, QString *error)
{
    if (settings.albums == AlbumMethod::PlannedFolders) {
        if (!readFolderAlbums(settings.deliveryFolder, settings.folderAlbums, albums, error))
            return *error = messages::PlannedFolderMissing.arg(*error), false;
        return true;
    }
    if (settings.albums != AlbumMethod::ByCount && settings.albums != AlbumMethod::ByClassification)
        return *error = messages::UnknownAlbumMethod.arg(QString::number(int(settings.albums))), false;
    QList<photodb::PhotoInfoRecord> records;
    try {
        records = photodb::PhotoInfoTable::readAll(photoDatabase);
    } catch (const JETDAO::CDaoException &exception) {
        return *error = messages::DatabaseUnreadable.arg(photoDatabase, exception.GetErrorMessage()),
               false;
    }
    const QList<ImportPhoto> photos = standardPhotos(records, deliveryHost, settings.naming);
    *albums = settings.albums == AlbumMethod::ByCount
        ? albumsByCount(photos, settings.size)
        : albumsByClassification(photos, settings.size,
                                 readClassificationTree(classificationTreePath(photoDatabase)));
    return true;
}

// Reference only: the delivery is looked at where it lies; nothing of the
// suite's data is made or changed.
bool referenceDelivery(const ImportSettings &settings, const QString &deliveryHost,
                       const QString &photoDatabase, ImportSummary *summary, QString *error)
{
    QList<ImportAlbum> albums;
    if (!planAlbums(settings, deliveryHost, photoDatabase, &albums, error))
        return false;
    for (const ImportAlbum &album : albums)
        summary->photos += int(album.photos.size());
    return true;
}

} // namespace

suitedata::ShelfInfo shelfInfoOfIndex(const QByteArray &indexBytes)
{
    suitedata::ShelfInfo info;
    info.standardCode = DefaultStandardCode;
    suitedata::XmlElement root;
    QString reason;
    // Index files are Shift_JIS as discs carry them.
    if (suitedata::readXmlText(win::fromAnsi(indexBytes), IndexFileName, &root, &reason))
        info.construction = suitedata::readConstructionData(root);
    info.name = info.construction.title.constructionName;
    info.constructionNumber = info.construction.title.constructionNumber;
    for (const CriterionCode &entry : CriterionCodes) {
        if (info.construction.basic.applicableStandard == QStringView(entry.criterion))
            info.standardCode = entry.code;
    }
    return info;
}

std::optional<ImportSettings> readImportSettings(const QString &settingsFile)
{
    ImportSettings settings;
    settings.deliveryFolder = readSetting(QStringLiteral("folder"), settingsFile);
    if (settings.deliveryFolder.isEmpty())
        return std::nullopt;
    settings.mode = readSettingNumber(QStringLiteral("importmode"), settingsFile)
            == int(ImportMode::ReferOnly)
        ? ImportMode::ReferOnly
        : ImportMode::NewShelf;
    settings.shelfFolder = readSetting(QStringLiteral("bsfolder"), settingsFile);
    settings.albums = AlbumMethod(readSettingNumber(QStringLiteral("type"), settingsFile));
    settings.size = readSettingNumber(QStringLiteral("size"), settingsFile);
    switch (PhotoNaming(readSettingNumber(QStringLiteral("filename"), settingsFile))) {
    case PhotoNaming::JapaneseFileName:
        settings.naming = PhotoNaming::JapaneseFileName;
        break;
    case PhotoNaming::GovernmentBuilding2012:
        settings.naming = PhotoNaming::GovernmentBuilding2012;
        break;
    default:
        settings.naming = PhotoNaming::PhotoFileName;
    }
    if (settings.albums == AlbumMethod::PlannedFolders) {
        for (int album = 1; album <= qMin(settings.size, MaxPlannedAlbums); ++album)
            settings.folderAlbums.append(readFolderAlbumPlan(album, settingsFile));
    }
    return settings;
}

bool importDelivery(const QString &dataRoot, const ImportSettings &settings,
                    const QString &photoDatabase, ImportSummary *summary, QString *error,
                    const ImportProgress &progress)
{
    *summary = ImportSummary();
    const QString deliveryHost = win::toHostPath(settings.deliveryFolder);
    if (deliveryHost.isEmpty())
        return *error = messages::NoDriveMapsFolder.arg(settings.deliveryFolder), false;
    if (!QFileInfo(deliveryHost).isDir())
        return *error = messages::NoDeliveryFolder.arg(settings.deliveryFolder), false;
    if (settings.mode == ImportMode::ReferOnly)
        return referenceDelivery(settings, deliveryHost, photoDatabase, summary, error);
    const QString rootHost = win::toHostPath(dataRoot);
    if (rootHost.isEmpty())
        return *error = messages::NoDriveMapsFolder.arg(dataRoot), false;
    QList<ImportAlbum> albums;
    if (!planAlbums(settings, deliveryHost, photoDatabase, &albums, error))
        return false;

    recoverInterruptedImports(rootHost);
    const int shelf = suitedata::nextFreeProfileFolder(rootHost);
    const QString profileName = suitedata::profileFolderName(shelf);
    const QString profileWin = win::joinPath(dataRoot, profileName);
    const QString dataWin = settings.shelfFolder.isEmpty() ? profileWin : settings.shelfFolder;
    const QString dataHost = win::toHostPath(dataWin);
    if (dataHost.isEmpty())
        return *error = messages::NoDriveMapsFolder.arg(dataWin), false;

    const suitedata::ShelfInfo info = settings.albums == AlbumMethod::PlannedFolders
        ? governmentBuildingShelfInfo(deliveryHost, settings.naming)
        : shelfInfoOf(deliveryHost);
    ShelfStaging staging(QDir(rootHost).filePath(profileName), dataHost);
    if (!staging.start(dataWin, info.name, error)
        || !writeAlbums(staging.dataScratch(), albums, progress, summary, error)
        || !suitedata::writeShelfInfo(
            QDir(staging.dataScratch()).filePath(suitedata::ShelfMarkerFileName.toString()), info,
            error)
        || !staging.commit(error))
        return false;
    summary->shelf = shelf;
    summary->dataFolder = dataWin;
    return true;
}

} // namespace host
