#include "shelfimport.h"

#include "platform/codepage.h"
#include "platform/pathnames.h"
#include "platform/profile.h"
#include "platform/winpath.h"
#include "hostpaths.h"
#include "photocopy.h"
#include "shelfstaging.h"
#include "photodb/photoinfotable.h"
#include "suitedata/albuminfo.h"
#include "suitedata/constructioninfo.h"
#include "suitedata/shelfphotos.h"
#include "suitedata/suitelayout.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QXmlStreamReader>


namespace host {

namespace {

const QString SettingsSection = QStringLiteral("XMLIN");
const QString PhotoFolder = QStringLiteral("PHOTO");
const QString PictureFolder = QStringLiteral("PIC");
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

QString readSetting(const QString &key, const QString &file)
{
    return win::getPrivateProfileString(SettingsSection, key, QString(), win::MaxPath, file);
}

int readSettingNumber(const QString &key, const QString &file)
{
    return win::getPrivateProfileInt(SettingsSection, key, 0, file);
}

// 工事名称, 工事番号 and 適用要領基準 of the delivery's index file into
// kouji.xml's items; a missing or broken file leaves them empty.
suitedata::ShelfInfo shelfInfoOf(const QString &deliveryHostFolder)
{
    suitedata::ShelfInfo info;
    info.standardCode = DefaultStandardCode;
    QFile file(QDir(deliveryHostFolder).filePath(IndexFileName));
    if (!file.open(QIODevice::ReadOnly))
        return info;
    // Index files are Shift_JIS as discs carry them.
    QXmlStreamReader xml(win::fromAnsi(file.readAll()));
    while (xml.readNextStartElement() || !xml.atEnd()) {
        if (!xml.isStartElement())
            continue;
        const QString name = xml.name().toString();
        if (name == u"工事名称")
            info.construction.title.constructionName = xml.readElementText().trimmed();
        else if (name == u"工事番号")
            info.construction.title.constructionNumber = xml.readElementText().trimmed();
        else if (name == u"適用要領基準")
            info.construction.basic.applicableStandard = xml.readElementText().trimmed();
    }
    info.name = info.construction.title.constructionName;
    info.constructionNumber = info.construction.title.constructionNumber;
    for (const CriterionCode &entry : CriterionCodes) {
        if (info.construction.basic.applicableStandard == QStringView(entry.criterion))
            info.standardCode = entry.code;
    }
    return info;
}

// 撮影年月日 of each photo file of the delivery's PHOTO.XML, which
// G_PHOTO.mdb does not carry.
QHash<QString, QString> shootingDates(const QString &deliveryHostFolder)
{
    QHash<QString, QString> dates;
    QFile file(QDir(deliveryHostFolder).filePath(PhotoFolder + QStringLiteral("/PHOTO.XML")));
    if (!file.open(QIODevice::ReadOnly))
        return dates;
    QXmlStreamReader xml(win::fromAnsi(file.readAll()));
    QString fileName;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"写真ファイル名")
            fileName = xml.readElementText().trimmed();
        else if (xml.name() == u"撮影年月日")
            dates.insert(fileName, xml.readElementText().trimmed());
    }
    return dates;
}

suitedata::ShelfPhoto shelfPhotoOf(const photodb::PhotoInfoRecord &record, PhotoNaming naming,
                                   const QHash<QString, QString> &dates)
{
    suitedata::ShelfPhoto photo;
    photo.fileName = naming == PhotoNaming::JapaneseFileName && !record.japaneseFileName.isEmpty()
        ? record.japaneseFileName
        : record.fileName;
    photo.japaneseFileName = record.japaneseFileName;
    photo.majorClass = record.majorClass;
    photo.category = record.category;
    photo.workType = record.workType;
    photo.kind = record.kind;
    photo.subKind = record.subKind;
    photo.title = record.title;
    photo.place = record.place;
    photo.managementValue = record.managementValue;
    photo.representative = record.representative;
    photo.frequency = record.frequency;
    photo.date = dates.value(record.fileName);
    return photo;
}

// The first profile folder number the data root does not hold yet.
int nextFreeShelf(const QDir &root)
{
    int number = 0;
    while (root.exists(suitedata::profileFolderName(number)))
        ++number;
    return number;
}

bool writeAlbums(const QString &dataHostFolder, const QString &deliveryHostFolder,
                 const ImportSettings &settings,
                 const QList<photodb::PhotoInfoRecord> &records, const ImportProgress &progress,
                 ImportSummary *summary, QString *error)
{
    suitedata::ShelfPhotosWriter photos;
    const QDir data(dataHostFolder);
    if (!photos.create(data.filePath(suitedata::ShelfPhotosFileName.toString())))
        return *error = photos.errorText(), false;
    const QDir pictures(QDir(deliveryHostFolder).filePath(PhotoFolder + u'/' + PictureFolder));
    const int perAlbum = qMax(1, settings.size);
    const QHash<QString, QString> dates = shootingDates(deliveryHostFolder);
    for (qsizetype index = 0; index < records.size(); ++index) {
        const int albumNumber = int(index / perAlbum) + 1;
        const QString folder = QStringLiteral("album%1").arg(albumNumber);
        if (index % perAlbum == 0) {
            suitedata::AlbumInfo album;
            album.label = QStringLiteral("アルバム%1").arg(albumNumber);
            QFile albumFile(QDir(data.filePath(folder)).filePath(suitedata::AlbumFileName.toString()));
            if (!data.mkdir(folder) || !albumFile.open(QIODevice::WriteOnly)
                || albumFile.write(suitedata::albumInfoXml(album)) < 0 || !albumFile.flush())
                return *error = QStringLiteral("The album %1 cannot be written.").arg(folder), false;
            if (!photos.addAlbum({albumNumber, folder}))
                return *error = photos.errorText(), false;
            summary->albums = albumNumber;
        }
        const photodb::PhotoInfoRecord &record = records[index];
        const suitedata::ShelfPhoto photo = shelfPhotoOf(record, settings.naming, dates);
        const QString source = pictures.filePath(record.fileName);
        const QString target = QDir(data.filePath(folder)).filePath(photo.fileName);
        qint64 copied = 0;
        if (!copyPhotoFile(source, target, &copied))
            return *error = QStringLiteral("The photo %1 cannot be copied.").arg(source), false;
        if (!photos.addPhoto(albumNumber, photo))
            return *error = photos.errorText(), false;
        ++summary->photos;
        summary->bytes += copied;
        if (progress)
            progress(summary->photos, int(records.size()));
    }
    if (!photos.commit())
        return *error = photos.errorText(), false;
    return true;
}

} // namespace

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
    settings.naming = readSettingNumber(QStringLiteral("filename"), settingsFile)
            == int(PhotoNaming::JapaneseFileName)
        ? PhotoNaming::JapaneseFileName
        : PhotoNaming::PhotoFileName;
    return settings;
}

bool importDelivery(const QString &dataRoot, const ImportSettings &settings,
                    const QString &photoDatabase, ImportSummary *summary, QString *error,
                    const ImportProgress &progress)
{
    *summary = ImportSummary();
    if (settings.mode == ImportMode::ReferOnly)
        return true;
    if (settings.albums != AlbumMethod::ByCount)
        return *error = QStringLiteral("Only albums by count can be imported yet."), false;
    const QString rootHost = win::toHostPath(dataRoot);
    const QString deliveryHost = win::toHostPath(settings.deliveryFolder);
    if (rootHost.isEmpty() || deliveryHost.isEmpty())
        return *error = QStringLiteral("The data root or the delivery folder has no drive."), false;
    QList<photodb::PhotoInfoRecord> records;
    try {
        records = photodb::PhotoInfoTable::readAll(photoDatabase);
    } catch (...) {
        return *error = QStringLiteral("%1 cannot be read.").arg(photoDatabase), false;
    }

    recoverInterruptedImports(rootHost);
    const int shelf = nextFreeShelf(QDir(rootHost));
    const QString profileName = suitedata::profileFolderName(shelf);
    const QString profileWin = win::joinPath(dataRoot, profileName);
    const QString dataWin = settings.shelfFolder.isEmpty() ? profileWin : settings.shelfFolder;
    const QString dataHost = win::toHostPath(dataWin);
    if (dataHost.isEmpty())
        return *error = QStringLiteral("The bookshelf folder %1 has no drive.").arg(dataWin), false;

    const suitedata::ShelfInfo info = shelfInfoOf(deliveryHost);
    ShelfStaging staging(QDir(rootHost).filePath(profileName), dataHost);
    if (!staging.start(dataWin, info.name, error)
        || !writeAlbums(staging.dataScratch(), deliveryHost, settings, records, progress, summary,
                        error)
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
