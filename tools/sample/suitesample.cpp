#include "suitesample.h"

#include "samplecatalog.h"
#include "samplejpeg.h"
#include "samplephotoplanner.h"

#include "netprof/namecoding.h"
#include "netprof/netprofile.h"

#include "platform/profile.h"
#include "platform/winpath.h"
#include "suitedata/albuminfo.h"
#include "suitedata/constructioninfo.h"
#include "suitedata/shelfphotos.h"
#include "suitedata/suitelayout.h"

#include <QDir>
#include <QFile>

namespace {

const QString CommonSection = QStringLiteral("COMMON");
const QString OtherInstallationId = QStringLiteral("ORBIS-7F3A-0002");

// A computer and how it is listed in a shared bookshelf's NetProf.dat.
struct Computer
{
    QString name;
    enum Listing { OwnGroup, OtherGroup, PlainUser } listing;
};

// Registered computers; keys are given with gaps, as the host application
// leaves them when computers come and go.
const QList<Computer> Computers = {
    {QStringLiteral("設計室PC"), Computer::OwnGroup},
    {QStringLiteral("GENBA-01"), Computer::OwnGroup},
    {QStringLiteral("工務課ノート"), Computer::OwnGroup},
    {QStringLiteral("事務所"), Computer::OtherGroup},
    {QStringLiteral("SITE-OFFICE-2"), Computer::OtherGroup},
    {QStringLiteral("KOUMU-PC"), Computer::PlainUser},
    {QStringLiteral("倉庫端末"), Computer::PlainUser},
};

class SampleWriter
{
public:
    explicit SampleWriter(QString *error)
        : m_error(error)
    {
    }

    bool ok() const { return m_ok; }

    void makeFolder(const QString &hostFolder)
    {
        if (m_ok && !QDir().mkpath(hostFolder))
            fail(QStringLiteral("cannot create %1").arg(hostFolder));
    }

    void writeValue(const QString &hostFile, const QString &section, const QString &key,
                    const QString &value)
    {
        if (m_ok
            && !win::writePrivateProfileString(section, key, value, windowsPath(hostFile)))
            fail(QStringLiteral("cannot write %1").arg(hostFile));
    }

    void writeText(const QString &hostFile, const QByteArray &bytes)
    {
        QFile file(hostFile);
        if (m_ok && (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()))
            fail(QStringLiteral("cannot write %1").arg(hostFile));
    }

    QString windowsPath(const QString &hostPath)
    {
        const QString path = win::toWindowsPath(QDir(hostPath).absolutePath());
        if (path.isEmpty())
            fail(QStringLiteral("no drive maps %1").arg(hostPath));
        return path;
    }

    void fail(const QString &message)
    {
        m_ok = false;
        *m_error = message;
    }

private:

    QString *m_error;
    bool m_ok = true;
};

const QDate FirstDay(2024, 4, 1);
const QDate LastDay(2025, 3, 31);

// How a bookshelf of a sample with albums differs from the first one, by
// its number; the others share the first one's standard and number.
enum class ShelfVariant { Same, OtherNumber, OtherStandard, Password, UsedElsewhere };

ShelfVariant variantOf(int shelf)
{
    switch (shelf) {
    case 2:
        return ShelfVariant::OtherNumber;
    case 3:
        return ShelfVariant::OtherStandard;
    case 4:
        return ShelfVariant::Password;
    case 5:
        return ShelfVariant::UsedElsewhere;
    default:
        return ShelfVariant::Same;
    }
}

QString constructionNumber(int shelf)
{
    return QStringLiteral("R06-%1").arg(shelf + 1, 4, 10, QLatin1Char('0'));
}

suitedata::ShelfInfo shelfInfo(const SuiteSample &sample, int shelf, const QString &name)
{
    suitedata::ShelfInfo info;
    info.name = name;
    info.standardCode = sample.standardCode;
    info.constructionNumber = constructionNumber(shelf);
    if (sample.albums > 0) {
        const ShelfVariant variant = variantOf(shelf);
        if (variant != ShelfVariant::OtherNumber)
            info.constructionNumber = constructionNumber(0);
        if (variant == ShelfVariant::OtherStandard)
            info.standardCode = sample.standardCode == SuiteSample::DefaultStandardCode
                                    ? SuiteSample::DefaultStandardCode + 1
                                    : SuiteSample::DefaultStandardCode;
        info.password = variant == ShelfVariant::Password;
    }
    info.otherData = shelf % 2 == 1;

    suitedata::ConstructionInfo &c = info.construction;
    c.basic.mediaNumber = QStringLiteral("1");
    c.basic.mediaCount = QStringLiteral("1");
    c.basic.photoFolder = QStringLiteral("PHOTO");
    c.title.orderYear = QString::number(FirstDay.year());
    c.title.constructionNumber = info.constructionNumber;
    c.title.constructionName = name;
    c.title.corinsVersion = QStringLiteral("5.0");
    c.title.corinsNumber = QStringLiteral("%1").arg(4000000 + shelf, 10, 10, QLatin1Char('0'));
    c.title.field = QStringLiteral("道路");
    c.title.industry = QStringLiteral("土木一式工事");
    c.title.workTypeMethods = {{{QStringLiteral("道路改良")}, {QStringLiteral("掘削工")}}};
    c.title.addresses = {{{QStringLiteral("13101")}, {QStringLiteral("東京都千代田区霞が関")}}};
    c.title.startDate = FirstDay.toString(Qt::ISODate);
    c.title.endDate = LastDay.toString(Qt::ISODate);
    c.title.content = QStringLiteral("道路改良 延長 L=%1m").arg(100 * (shelf + 1));
    c.place.geodeticSystem = QStringLiteral("01");
    c.place.waterRoutes = {{QStringLiteral("一般国道1号"), QStringLiteral("1"), {}, {},
                            {{QStringLiteral("10"), QStringLiteral("0"), QStringLiteral("25"),
                              QStringLiteral("0")}},
                            {}}};
    c.place.boundary = {QStringLiteral("1394500"), QStringLiteral("1394530"),
                        QStringLiteral("0354130"), QStringLiteral("0354100")};
    c.facilityName = QStringLiteral("霞が関地区");
    c.orderer = {QStringLiteral("国土交通省"), QStringLiteral("関東地方整備局"),
                 QStringLiteral("東京国道事務所"), QStringLiteral("20001000")};
    c.contractor = {QStringLiteral("テッセラ建設株式会社"), QStringLiteral("100200")};
    return info;
}

suitedata::ShelfPhoto shelfPhoto(const SamplePhoto &sample)
{
    suitedata::ShelfPhoto photo;
    photo.fileName = sample.fileName;
    photo.japaneseFileName = sample.japaneseName;
    photo.mediaNumber = QStringLiteral("1");
    photo.majorClass = sample.majorClass;
    photo.category = sample.category;
    photo.workType = sample.workType;
    photo.kind = sample.kind;
    photo.subKind = sample.subKind;
    photo.title = sample.title;
    for (const SamplePhoto::Drawing &drawing : sample.drawings)
        photo.drawings.append({drawing.fileName, drawing.japaneseName, drawing.title, {}});
    photo.place = sample.place;
    photo.date = sample.date.toString(Qt::ISODate);
    photo.representative = sample.representative ? QStringLiteral("1") : QStringLiteral("0");
    photo.frequency = sample.frequency ? QStringLiteral("1") : QStringLiteral("0");
    photo.managementValue = sample.managementValue;
    return photo;
}

QString albumLabel(int album)
{
    const samplecatalog::WorkClass &work =
        samplecatalog::CivilWorks[(album - 1) % samplecatalog::CivilWorkCount];
    return QStringLiteral("第%1回 %2").arg(album).arg(QString::fromUtf16(work.workType));
}

// Registered computers in USER (plain names) and the group sections, the
// using computers in the four usage sections: each section with gaps in its
// keys, one computer listed twice, and one plain USER name among the users.
void writeNetProf(SampleWriter &writer, const QString &file)
{
    const QString ownGroup = netprof::groupSection(SuiteSample::InstallationId);
    const QString otherGroup = netprof::groupSection(OtherInstallationId);
    writer.writeValue(file, netprof::VersionSection, netprof::VersionKey, QStringLiteral("13"));

    int ownKey = 0;
    int otherKey = 1;
    int userKey = 0;
    for (const Computer &computer : Computers) {
        switch (computer.listing) {
        case Computer::OwnGroup:
            writer.writeValue(file, ownGroup, QString::number(ownKey), netprof::EncodeName(computer.name));
            ownKey += 2;
            break;
        case Computer::OtherGroup:
            writer.writeValue(file, otherGroup, QString::number(otherKey),
                              netprof::EncodeName(computer.name));
            otherKey += 3;
            break;
        case Computer::PlainUser:
            writer.writeValue(file, QString(netprof::UserSection), QString::number(userKey),
                              computer.name);
            userKey += 2;
            break;
        }
    }
    writer.writeValue(file, netprof::SerialSection, QStringLiteral("0"), ownGroup);
    writer.writeValue(file, netprof::SerialSection, QStringLiteral("1"), otherGroup);

    const auto encoded = [](int computer) { return netprof::EncodeName(Computers.at(computer).name); };
    writer.writeValue(file, netprof::UsedSection, QStringLiteral("0"), encoded(0));
    writer.writeValue(file, netprof::UsedSection, QStringLiteral("2"), encoded(1));
    writer.writeValue(file, netprof::UsedSection, QStringLiteral("3"), encoded(3));
    writer.writeValue(file, netprof::UsedSection, QStringLiteral("5"), Computers.at(5).name);
    writer.writeValue(file, netprof::BackupSection, QStringLiteral("1"), encoded(4));
    writer.writeValue(file, netprof::LockSection, QStringLiteral("0"), encoded(1));
    // Another writer's upper-case digits.
    writer.writeValue(file, netprof::UsedAlbumSection, QStringLiteral("4"),
                      encoded(4).toUpper());
}

} // namespace

const QString SuiteSample::InstallationId = QStringLiteral("ORBIS-7F3A-0001");
const QString SuiteSample::RegistryFileName = QStringLiteral("registry.reg");
const QString SuiteSample::OtherComputer = QStringLiteral("GENBA-01");

namespace {

// The album folders of a bookshelf, their photo files and photos.db. The
// last album of the second bookshelf is password-protected.
void writeAlbums(SampleWriter &writer, const SuiteSample &sample, int shelf,
                 const QString &dataFolder)
{
    suitedata::ShelfPhotosWriter photos;
    if (writer.ok()
        && !photos.create(QDir(dataFolder).filePath(suitedata::ShelfPhotosFileName.toString())))
        writer.fail(photos.errorText());
    const QByteArray jpeg = SampleJpeg::bytes();
    for (int album = 1; album <= sample.albums && writer.ok(); ++album) {
        const QString folderName = QStringLiteral("album%1").arg(album, 3, 10, QLatin1Char('0'));
        const QString folder = QDir(dataFolder).filePath(folderName);
        writer.makeFolder(folder);
        const bool password = shelf == 1 && album == sample.albums && album > 1;
        writer.writeText(QDir(folder).filePath(suitedata::AlbumFileName.toString()),
                         suitedata::albumInfoXml({albumLabel(album), password}));
        if (writer.ok() && !photos.addAlbum({album, folderName}))
            writer.fail(photos.errorText());
        SamplePhotoPlanner planner(quint64(shelf) * 1000 + quint64(album), FirstDay);
        for (int n = 0; n < sample.photos && writer.ok(); ++n) {
            const SamplePhoto photo = planner.next();
            if (!photos.addPhoto(album, shelfPhoto(photo)))
                writer.fail(photos.errorText());
            if (!sample.photoFiles)
                continue;
            writer.writeText(QDir(folder).filePath(photo.fileName), jpeg);
            for (const SamplePhoto::Drawing &drawing : photo.drawings)
                writer.writeText(QDir(folder).filePath(drawing.fileName), jpeg);
        }
    }
    if (writer.ok() && !photos.commit())
        writer.fail(photos.errorText());
}

// A bookshelf another computer has open: NetProf.dat lists it in USED.
void writeUsedElsewhere(SampleWriter &writer, const QString &file)
{
    writer.writeValue(file, netprof::VersionSection, netprof::VersionKey, QStringLiteral("13"));
    writer.writeValue(file, QString(netprof::UserSection), QStringLiteral("0"),
                      SuiteSample::OtherComputer);
    writer.writeValue(file, netprof::UsedSection, QStringLiteral("0"), SuiteSample::OtherComputer);
}

} // namespace

bool SuiteSample::write(QString *error) const
{
    SampleWriter writer(error);
    const QDir rootDir(root);
    writer.makeFolder(root);

    // activebks names the second bookshelf when there is one.
    const int active = shelves > 1 ? 1 : 0;
    writer.writeValue(rootDir.filePath(QStringLiteral("Profile.dat")), CommonSection,
                      QStringLiteral("activebks"), QString::number(active));

    for (int n = 0; n < shelves; ++n) {
        const QString profileFolder =
            rootDir.filePath(suitedata::profileFolderName(n));
        const QString dataFolder =
            rootDir.filePath(QStringLiteral("shelves/shelf%1").arg(n + 1, 2, 10, QLatin1Char('0')));
        const QString name = QStringLiteral("%1号 道路改良工事").arg(n + 1);
        writer.makeFolder(profileFolder);
        writer.makeFolder(dataFolder);
        const QString bksprof = QDir(profileFolder).filePath(QStringLiteral("BKSPROF.DAT"));
        writer.writeValue(bksprof, CommonSection, QStringLiteral("DataDir"),
                          writer.windowsPath(dataFolder));
        writer.writeValue(bksprof, CommonSection, QStringLiteral("bksname"), name);

        // The last of several bookshelves has lost its data.
        if (shelves > 1 && n == shelves - 1)
            continue;
        writer.writeText(QDir(dataFolder).filePath(suitedata::ShelfMarkerFileName.toString()),
                         suitedata::shelfInfoXml(shelfInfo(*this, n, name)));
        const QString netProf = QDir(dataFolder).filePath(netprof::FileName);
        if (shared)
            writeNetProf(writer, netProf);
        else if (albums > 0 && variantOf(n) == ShelfVariant::UsedElsewhere)
            writeUsedElsewhere(writer, netProf);
        if (albums > 0)
            writeAlbums(writer, *this, n, dataFolder);
    }

    // A profile folder after a gap in the numbers: the suite never reaches it.
    const QString strayFolder = rootDir.filePath(QStringLiteral("data%1").arg(shelves + 1));
    writer.makeFolder(strayFolder);
    writer.writeValue(QDir(strayFolder).filePath(QStringLiteral("BKSPROF.DAT")), CommonSection,
                      QStringLiteral("DataDir"),
                      writer.windowsPath(rootDir.filePath(QStringLiteral("shelves/stray"))));

    writer.writeText(rootDir.filePath(RegistryFileName),
                     QStringLiteral("REGEDIT4\r\n\r\n"
                                    "[HKEY_LOCAL_MACHINE\\SOFTWARE\\ＭＥＲＩＤＯＮ\\ORBIS\\13.0]\r\n"
                                    "\"InstallId\"=\"%1\"\r\n")
                         .arg(InstallationId)
                         .toUtf8());
    return writer.ok();
}
