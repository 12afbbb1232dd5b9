// The host's export of generated bookshelves: G_PHOTO.mdb built by
// workstree for the chosen albums, G_OUTPUTXML.dat as DeliveryWriter
// leaves it, carried out as tessera-host does after the wizard; the
// delivery validated against its DTDs, read back by DNXmlRead and passed
// by the delivery checker.
#include "jetdaotest.h"

#include "calssample.h"
#include "deliverychecker.h"
#include "deliveryimport.h"
#include "deliveryxml.h"
#include "dtdvalidator.h"
#include "exportrun.h"
#include "officialdtds.h"
#include "platform/codepage.h"
#include "photomdbbuilder.h"
#include "programrun.h"
#include "shelfimport.h"
#include "suitedata/albuminfo.h"
#include "suitedata/constructioninfo.h"
#include "suitedata/shelfphotos.h"
#include "suitesample.h"
#include "terminalreport.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QRandomGenerator>
#include <QSet>

#include <algorithm>
#include <QXmlStreamReader>

namespace {

constexpr int Albums = 2;
constexpr int PhotosPerAlbum = 3;
constexpr int Photos = Albums * PhotosPerAlbum;

class HostExportTest : public JetDaoTest
{
protected:
    void makeShelves(int standardCode)
    {
        SuiteSample sample;
        sample.root = hostPath(QStringLiteral("suite"));
        sample.shelves = 2;
        sample.albums = Albums;
        sample.photos = m_photosPerAlbum;
        sample.standardCode = standardCode;
        QString error;
        ASSERT_TRUE(sample.write(&error)) << error.toStdString();
        choosePhotos();
    }

    // G_PHOTO.mdb of the first bookshelf's albums, as the album page
    // leaves it (DNXmlRead of a read-back replaces it).
    void choosePhotos()
    {
        QString error;
        QList<workstree::ChosenAlbum> albums;
        for (int number = 1; number <= Albums; ++number)
            albums.append({hostPath(QStringLiteral("suite/shelves/shelf01")), number,
                           QStringLiteral("D:\\suite\\shelves\\shelf01\\album%1")
                               .arg(number, 3, 10, QLatin1Char('0'))});
        ASSERT_EQ(workstree::buildPhotoDatabase(albums, &error), Albums * m_photosPerAlbum)
            << error.toStdString();
    }

    // Photos in each generated album.
    int m_photosPerAlbum = PhotosPerAlbum;

    // G_OUTPUTXML.dat as the wizard writes it, with options added to OPTION.
    void writeSettings(int standardCode, const QStringList &options)
    {
        const QStringList lines = QStringList{
            QStringLiteral("[XMLOUT]"), QStringLiteral("foldertype=%1").arg(standardCode),
            QStringLiteral("phototype=1"), QStringLiteral("type=1"),
            QStringLiteral("folder=D:\\out"), QStringLiteral("size=650"),
            QStringLiteral("[OPTION]"), QStringLiteral("media=1"), QStringLiteral("photo=0")}
            + options
            + QStringList{QStringLiteral("KOUJICHANGE=0"), QStringLiteral("EXECCOOPERATIONHELP=-1"),
                          QStringLiteral("BROWSER=0")};
        writeFile(QStringLiteral("temp/G_OUTPUTXML.dat"),
                  utf16le(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")));
    }

    int carryOut() const
    {
        return host::carryOutExport(tempWinPath() + QStringLiteral("G_OUTPUTXML.dat"),
                                    tempWinPath() + QStringLiteral("G_PHOTO.mdb"),
                                    winPath(QStringLiteral("cals")));
    }

    // CALS.mdb in D:\cals with registrations of the three kinds and their
    // files.
    QList<calsdb::Registration> registerOtherData(int registrations) const
    {
        const CalsSample sample{hostPath(QStringLiteral("cals")), winPath(QStringLiteral("cals")),
                                registrations};
        QString error;
        EXPECT_TRUE(sample.write(&error)) << error.toStdString();
        return sample.planned();
    }

    // One medium: valid against both DTDs, read back by DNXmlRead with its
    // photos, passed by the checker.
    void expectSoundDelivery(const QString &relative, int photos) const
    {
        for (const QString &document : {QStringLiteral("/INDEX_C.XML"),
                                        QStringLiteral("/PHOTO/PHOTO.XML")}) {
            const DtdValidator::Result result =
                DtdValidator::validateFile(hostPath(relative + document));
            EXPECT_TRUE(result.isValid()) << document.toStdString() << ": "
                                          << result.describe().toStdString();
        }
        DeliveryImport import(winPath(relative), 0);
        ASSERT_TRUE(import.run()) << import.errorText().toStdString();
        EXPECT_EQ(engineValue(QStringLiteral("temp/G_PHOTO.mdb"),
                              QStringLiteral("select count(*) from 写真情報"))
                      .toInt(),
                  photos);

        deliverycheck::DeliveryChecker::Options options;
        options.characterListFolder = characterListFolder();
        const deliverycheck::CheckReport report =
            deliverycheck::DeliveryChecker(options).check(winPath(relative));
        EXPECT_EQ(report.outcome(), deliverycheck::CheckReport::Outcome::Passed)
            << deliverycheck::TerminalReport::text(report).toStdString();
    }

    // The shipped unicode_list.dat, from the build's program folder.
    QString characterListFolder() const
    {
        const QString list = QStringLiteral("unicode_list.dat");
        if (QFileInfo::exists(hostPath(QStringLiteral("lists/") + list)))
            return winPath(QStringLiteral("lists"));
        makeFolder(QStringLiteral("lists"));
        const QString shipped = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("../bin/") + list);
        EXPECT_TRUE(QFile::copy(shipped, hostPath(QStringLiteral("lists/") + list)))
            << shipped.toStdString();
        return winPath(QStringLiteral("lists"));
    }

    QString photoXml(const QString &relative = QStringLiteral("out")) const
    {
        return win::fromAnsi(readFile(relative + QStringLiteral("/PHOTO/PHOTO.XML")));
    }

    // Every file below a folder, relative to it, with its bytes.
    QStringList treeOf(const QString &relative) const
    {
        QStringList tree;
        QDirIterator entries(hostPath(relative), QDir::Files, QDirIterator::Subdirectories);
        while (entries.hasNext()) {
            const QString path = entries.next();
            tree.append(QDir(hostPath(relative)).relativeFilePath(path) + u'='
                        + QString::fromLatin1(QCryptographicHash::hash(readHostFile(path),
                                                                       QCryptographicHash::Sha1)
                                                  .toHex()));
        }
        tree.sort();
        return tree;
    }

    QStringList files(const QString &relative) const
    {
        return QDir(hostPath(relative)).entryList(QDir::Files, QDir::Name);
    }
};

class HostExportCodeTest : public HostExportTest, public ::testing::WithParamInterface<int>
{
};

TEST_P(HostExportCodeTest, ExportsAValidDeliveryThatReadsBackAndPassesTheCheck)
{
    makeShelves(GetParam());
    writeSettings(GetParam(), {QStringLiteral("jname=0"), QStringLiteral("xml=0")});
    ASSERT_EQ(carryOut(), 0);

    expectSoundDelivery(QStringLiteral("out"), Photos);
    QStringList expected;
    for (int serial = 1; serial <= Photos; ++serial)
        expected.append(QStringLiteral("P%1.JPG").arg(serial, 7, 10, QLatin1Char('0')));
    EXPECT_EQ(files(QStringLiteral("out/PHOTO/PIC")), expected);

    // As discs carry them: Shift_JIS declared, CR LF, the official DTDs.
    const QByteArray index = readFile(QStringLiteral("out/INDEX_C.XML"));
    const QByteArray head =
        win::toAnsi(QStringLiteral("<?xml version=\"1.0\" encoding=\"Shift_JIS\"?>\r\n"
                                   "<!DOCTYPE constdata SYSTEM \"INDE_C04.DTD\">\r\n"
                                   "<constdata DTD_version=\"04\">\r\n\t<基礎情報>\r\n"));
    EXPECT_EQ(index.left(head.size()).toStdString(), head.toStdString());
    EXPECT_EQ(index.count("\n"), index.count("\r\n"));
    EXPECT_EQ(readFile(QStringLiteral("out/PHOTO/PHOTO05.DTD")),
              host::discText(QString::fromUtf16(officialdtds::Photo05)));
    EXPECT_EQ(readFile(QStringLiteral("out/INDE_C04.DTD")),
              host::discText(QString::fromUtf16(officialdtds::IndexC04)));
    EXPECT_FALSE(photoXml().contains(QStringLiteral("写真ファイル日本語名")));
}

// MLIT, MAFF and NEXCO.
INSTANTIATE_TEST_SUITE_P(Codes, HostExportCodeTest, ::testing::Values(25, 73, 90));

TEST_F(HostExportTest, XmlOnlyWritesNoImagesAndJapaneseNamesAreFilled)
{
    makeShelves(25);
    writeSettings(25, {QStringLiteral("jname=1"), QStringLiteral("xml=1")});
    ASSERT_EQ(carryOut(), 0);

    EXPECT_FALSE(QFileInfo::exists(hostPath(QStringLiteral("out/PHOTO/PIC"))));
    EXPECT_FALSE(QFileInfo::exists(hostPath(QStringLiteral("out/PHOTO/DRA"))));
    EXPECT_EQ(photoXml().count(QStringLiteral("<写真ファイル日本語名>")), Photos);
    const DtdValidator::Result result =
        DtdValidator::validateFile(hostPath(QStringLiteral("out/PHOTO/PHOTO.XML")));
    EXPECT_TRUE(result.isValid()) << result.describe().toStdString();
}

// sheet 1-3: PHOTO05.XSL beside PHOTO.XML, named by it, well-formed, in
// its format; the delivery stays valid and passes the check.
TEST_F(HostExportTest, StylesheetsInTheThreeFormatsAreNamedByPhotoXml)
{
    makeShelves(25);
    for (const int sheet : {1, 2, 3}) {
        SCOPED_TRACE(sheet);
        QDir(hostPath(QStringLiteral("out"))).removeRecursively();
        choosePhotos();
        writeSettings(25, {QStringLiteral("sheet=%1").arg(sheet), QStringLiteral("jname=0"),
                           QStringLiteral("xml=0")});
        ASSERT_EQ(carryOut(), 0);
        EXPECT_TRUE(photoXml().contains(
            QStringLiteral("<?xml-stylesheet type=\"text/xsl\" href=\"PHOTO05.XSL\"?>")));
        const QString xsl = win::fromAnsi(readFile(QStringLiteral("out/PHOTO/PHOTO05.XSL")));
        QXmlStreamReader reader(xsl);
        while (!reader.atEnd())
            reader.readNext();
        EXPECT_FALSE(reader.hasError()) << reader.errorString().toStdString();
        EXPECT_EQ(xsl.contains(QStringLiteral("href=\"#p{")), sheet == 2);
        EXPECT_EQ(xsl.contains(QStringLiteral("function filterPhotos()")), sheet == 3);
        expectSoundDelivery(QStringLiteral("out"), Photos);
    }
    choosePhotos();
    writeSettings(25, {QStringLiteral("jname=0"), QStringLiteral("xml=0")});
    QDir(hostPath(QStringLiteral("out"))).removeRecursively();
    ASSERT_EQ(carryOut(), 0);
    EXPECT_FALSE(QFileInfo::exists(hostPath(QStringLiteral("out/PHOTO/PHOTO05.XSL"))));
    EXPECT_FALSE(photoXml().contains(QStringLiteral("xml-stylesheet")));
}

TEST_F(HostExportTest, SplitsIntoMediaOfAtMostTheSplitSizeNumberedFromTheStartMedium)
{
    makeShelves(25);
    // Photos of about 400 KB each: a few MB in all.
    QImage noise(640, 640, QImage::Format_RGB32);
    QRandomGenerator random(14);
    for (int y = 0; y < noise.height(); ++y) {
        for (int x = 0; x < noise.width(); ++x)
            noise.setPixel(x, y, random.generate());
    }
    qint64 total = 0;
    for (int album = 1; album <= Albums; ++album) {
        const QDir folder(hostPath(
            QStringLiteral("suite/shelves/shelf01/album%1").arg(album, 3, 10, QLatin1Char('0'))));
        for (const QString &name : folder.entryList({QStringLiteral("*.JPG")}, QDir::Files)) {
            ASSERT_TRUE(noise.save(folder.filePath(name), "JPEG", 90));
            total += QFileInfo(folder.filePath(name)).size();
        }
    }
    ASSERT_GT(total, 2 * 1024 * 1024);
    registerOtherData(3);
    writeSettings(25, {QStringLiteral("jname=0"), QStringLiteral("xml=0"),
                       QStringLiteral("othrsData=1")});
    QByteArray settings = readFile(QStringLiteral("temp/G_OUTPUTXML.dat"));
    settings.replace(utf16le(QStringLiteral("size=650"), false), utf16le(QStringLiteral("size=1"), false));
    settings.replace(utf16le(QStringLiteral("media=1"), false), utf16le(QStringLiteral("media=3"), false));
    writeFile(QStringLiteral("temp/G_OUTPUTXML.dat"), settings);
    ASSERT_EQ(carryOut(), 0);

    const QStringList media = QDir(hostPath(QStringLiteral("out"))).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    ASSERT_GE(media.size(), 3);
    int photos = 0;
    for (qsizetype i = 0; i < media.size(); ++i) {
        const int number = int(3 + i);
        const QString medium = QStringLiteral("out/MEDIA%1").arg(number, 2, 10, QLatin1Char('0'));
        EXPECT_EQ(QStringLiteral("out/") + media[i], medium);
        const QStringList pictures = files(medium + QStringLiteral("/PHOTO/PIC"));
        qint64 bytes = 0;
        for (const QString &picture : pictures)
            bytes += QFileInfo(hostPath(medium + QStringLiteral("/PHOTO/PIC/") + picture)).size();
        EXPECT_TRUE(pictures.size() == 1 || bytes <= 1024 * 1024) << medium.toStdString();
        expectSoundDelivery(medium, int(pictures.size()));
        const QString index = win::fromAnsi(readFile(medium + QStringLiteral("/INDEX_C.XML")));
        EXPECT_TRUE(index.contains(QStringLiteral("<メディア番号>%1</メディア番号>").arg(number)));
        EXPECT_TRUE(index.contains(
            QStringLiteral("<メディア総枚数>%1</メディア総枚数>").arg(2 + media.size())));
        EXPECT_EQ(photoXml(medium).count(QStringLiteral("<メディア番号>%1</メディア番号>").arg(number)),
                  pictures.size());
        // The other delivery data is on the first medium only.
        for (const QString &folder :
             {QStringLiteral("/MEET"), QStringLiteral("/PLAN"), QStringLiteral("/OTHRS")})
            EXPECT_EQ(QFileInfo::exists(hostPath(medium + folder)), i == 0) << medium.toStdString();
        photos += int(pictures.size());
    }
    EXPECT_EQ(photos, Photos);
}

// Government-building codes: folder\album label\levels…\photo, serial
// names for phototype=1 and the kept Japanese names for 2, no XML.
TEST_F(HostExportTest, GovernmentBuildingCodesWriteTheFolderTreeOfAlbumsAndLevels)
{
    for (const int photoType : {1, 2}) {
        SCOPED_TRACE(photoType);
        for (const QString &folder : {QStringLiteral("out"), QStringLiteral("suite")})
            QDir(hostPath(folder)).removeRecursively();
        makeShelves(28);
        writeSettings(28, {QStringLiteral("jname=0"), QStringLiteral("xml=0")});
        QByteArray settings = readFile(QStringLiteral("temp/G_OUTPUTXML.dat"));
        settings.replace(utf16le(QStringLiteral("phototype=1"), false),
                         utf16le(QStringLiteral("phototype=%1").arg(photoType), false));
        writeFile(QStringLiteral("temp/G_OUTPUTXML.dat"), settings);
        ASSERT_EQ(carryOut(), 0);

        QStringList expected;
        int serial = 0;
        for (int album = 1; album <= Albums; ++album) {
            const QString albumFolder =
                QStringLiteral("suite/shelves/shelf01/album%1").arg(album, 3, 10, QLatin1Char('0'));
            suitedata::AlbumInfo info;
            ASSERT_TRUE(suitedata::readAlbumInfo(hostPath(albumFolder + QStringLiteral("/KOUJI.XML")),
                                                 &info));
            suitedata::ShelfPhotosReader reader;
            ASSERT_TRUE(reader.open(hostPath(QStringLiteral("suite/shelves/shelf01/photos.db"))));
            for (const suitedata::ShelfPhoto &photo : reader.photos(album)) {
                QStringList levels{info.label};
                for (const QString &level : {photo.majorClass, photo.category, photo.workType}) {
                    if (level.isEmpty())
                        break;
                    levels.append(level);
                }
                const QString name = photoType == 1
                    ? QStringLiteral("P%1.JPG").arg(++serial, 7, 10, QLatin1Char('0'))
                    : photo.japaneseFileName;
                const QString target = QStringLiteral("out/") + levels.join(u'/') + u'/' + name;
                expected.append(target);
                EXPECT_EQ(readFile(target), readFile(albumFolder + u'/' + photo.fileName))
                    << target.toStdString();
            }
        }
        QStringList written;
        QDirIterator files(hostPath(QStringLiteral("out")), QDir::Files, QDirIterator::Subdirectories);
        while (files.hasNext())
            written.append(QDir(hostPath()).relativeFilePath(files.next()));
        written.sort();
        expected.sort();
        EXPECT_EQ(written, expected);
    }
}

// othrsData=1: CALS.mdb's registrations as MEET, PLAN and OTHRS beside
// PHOTO, each document with its official DTD and valid against it, the
// files byte for byte under the names the standard gives them, the folders
// named by the index file; othrsData=0 writes none of it.
TEST_F(HostExportTest, OtherDeliveryDataRegisteredInCalsMdbIsWrittenWhenChosen)
{
    makeShelves(25);
    const QList<calsdb::Registration> registrations = registerOtherData(8);
    writeSettings(25, {QStringLiteral("jname=1"), QStringLiteral("xml=0"),
                       QStringLiteral("othrsData=1"), QStringLiteral("folder=1"),
                       QStringLiteral("othrsDataCreateFlag=00000")});
    ASSERT_EQ(carryOut(), 0);
    expectSoundDelivery(QStringLiteral("out"), Photos);

    const struct
    {
        QString document;
        QString dtd;
        const char16_t *dtdText;
        QString root;
    } documents[] = {
        {QStringLiteral("MEET/MEET.XML"), QStringLiteral("MEET/MEET04.DTD"), officialdtds::Meet04,
         QStringLiteral("meetdata")},
        {QStringLiteral("PLAN/PLAN.XML"), QStringLiteral("PLAN/PLAN04.DTD"), officialdtds::Plan04,
         QStringLiteral("plandata")},
        {QStringLiteral("OTHRS/OTHRS.XML"), QStringLiteral("OTHRS/OTHRS04.DTD"),
         officialdtds::Othrs04, QStringLiteral("othrsdata")},
    };
    for (const auto &document : documents) {
        SCOPED_TRACE(document.document.toStdString());
        const DtdValidator::Result result =
            DtdValidator::validateFile(hostPath(QStringLiteral("out/") + document.document));
        EXPECT_TRUE(result.isValid()) << result.describe().toStdString();
        EXPECT_EQ(readFile(QStringLiteral("out/") + document.dtd),
                  host::discText(QString::fromUtf16(document.dtdText)));
        const QByteArray bytes = readFile(QStringLiteral("out/") + document.document);
        const QByteArray head = win::toAnsi(
            QStringLiteral("<?xml version=\"1.0\" encoding=\"Shift_JIS\"?>\r\n<!DOCTYPE %1 SYSTEM ")
                .arg(document.root));
        EXPECT_EQ(bytes.left(head.size()).toStdString(), head.toStdString());
        EXPECT_EQ(bytes.count("\n"), bytes.count("\r\n"));
    }

    // MTGnnnmm and PLNnnnmm by serial and file number, OTHnnnnn by the
    // file's serial in ORGnnn, one per subfolder name.
    QStringList expected;
    int meetings = 0;
    int plans = 0;
    int otherFiles = 0;
    QStringList subfolders;
    for (const calsdb::Registration &registration : registrations) {
        const int serial = registration.kind == calsdb::Kind::Meeting ? ++meetings
            : registration.kind == calsdb::Kind::Plan                 ? ++plans
                                                                      : 0;
        if (registration.kind == calsdb::Kind::Other && !subfolders.contains(registration.subfolder))
            subfolders.append(registration.subfolder);
        for (qsizetype index = 0; index < registration.files.size(); ++index) {
            QString source = registration.files[index].path;
            source.replace(u'\\', u'/');
            const QString suffix = QFileInfo(source).suffix().toUpper();
            const QString number = QStringLiteral("%1%2").arg(serial, 3, 10, QLatin1Char('0'))
                                       .arg(index + 1, 2, 10, QLatin1Char('0'));
            QString target;
            switch (registration.kind) {
            case calsdb::Kind::Meeting:
                target = QStringLiteral("MEET/ORG/MTG") + number;
                break;
            case calsdb::Kind::Plan:
                target = QStringLiteral("PLAN/ORG/PLN") + number;
                break;
            case calsdb::Kind::Other:
                target = QStringLiteral("OTHRS/ORG%1/OTH%2")
                             .arg(subfolders.indexOf(registration.subfolder) + 1, 3, 10,
                                  QLatin1Char('0'))
                             .arg(++otherFiles, 5, 10, QLatin1Char('0'));
                break;
            }
            target += u'.' + suffix;
            expected.append(target);
            EXPECT_EQ(readFile(QStringLiteral("out/") + target),
                      readFile(QStringLiteral("cals/") + source))
                << target.toStdString();
        }
    }
    ASSERT_EQ(meetings, 3);
    ASSERT_EQ(subfolders.size(), 2);
    QStringList written;
    for (const QString &folder : {QStringLiteral("MEET"), QStringLiteral("PLAN"), QStringLiteral("OTHRS")}) {
        QDirIterator it(hostPath(QStringLiteral("out/") + folder), QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString file = QDir(hostPath(QStringLiteral("out"))).relativeFilePath(it.next());
            if (file.count(u'/') == 2)
                written.append(file);
        }
    }
    written.sort();
    expected.sort();
    EXPECT_EQ(written, expected);

    const QString index = win::fromAnsi(readFile(QStringLiteral("out/INDEX_C.XML")));
    for (const QString &item :
         {QStringLiteral("<打合せ簿フォルダ名>MEET<"), QStringLiteral("<打合せ簿オリジナルファイルフォルダ名>MEET/ORG<"),
          QStringLiteral("<施工計画書フォルダ名>PLAN<"), QStringLiteral("<施工計画書オリジナルファイルフォルダ名>PLAN/ORG<"),
          QStringLiteral("<その他フォルダ名>OTHRS<"),
          QStringLiteral("<その他オリジナルファイルフォルダ名>OTHRS/ORG002<"),
          QStringLiteral("<その他オリジナルファイルフォルダ日本語名>%1<").arg(subfolders[1])})
        EXPECT_TRUE(index.contains(item)) << item.toStdString();
    const QString meet = win::fromAnsi(readFile(QStringLiteral("out/MEET/MEET.XML")));
    EXPECT_TRUE(meet.contains(QStringLiteral("<打合せ簿オリジナルファイル日本語名>打合せ簿01.pdf<")));
    EXPECT_TRUE(meet.contains(QStringLiteral("<打合せ簿名称>%1<").arg(registrations[0].title)));

    QDir(hostPath(QStringLiteral("out"))).removeRecursively();
    choosePhotos();
    writeSettings(25, {QStringLiteral("jname=0"), QStringLiteral("xml=0"),
                       QStringLiteral("othrsData=0"), QStringLiteral("folder=0")});
    ASSERT_EQ(carryOut(), 0);
    for (const QString &folder : {QStringLiteral("MEET"), QStringLiteral("PLAN"), QStringLiteral("OTHRS")})
        EXPECT_FALSE(QFileInfo::exists(hostPath(QStringLiteral("out/") + folder))) << folder.toStdString();
    EXPECT_FALSE(win::fromAnsi(readFile(QStringLiteral("out/INDEX_C.XML"))).contains(QStringLiteral("MEET")));
}

TEST_F(HostExportTest, ChosenOtherDataThatCannotBeReadFailsTheExport)
{
    makeShelves(25);
    writeSettings(25, {QStringLiteral("jname=0"), QStringLiteral("xml=0"),
                       QStringLiteral("othrsData=1")});
    EXPECT_NE(carryOut(), 0); // no CALS.mdb

    const QList<calsdb::Registration> registrations = registerOtherData(2);
    ASSERT_EQ(carryOut(), 0);
    QString missing = registrations[1].files[0].path;
    ASSERT_TRUE(QFile::remove(hostPath(QStringLiteral("cals/") + missing.replace(u'\\', u'/'))));
    EXPECT_NE(carryOut(), 0);
}

TEST_F(HostExportTest, MissingSettingsOrPhotoFilesFailWithoutAFalseSuccess)
{
    makeShelves(25);
    EXPECT_NE(carryOut(), 0); // no G_OUTPUTXML.dat

    writeSettings(25, {QStringLiteral("jname=0"), QStringLiteral("xml=0")});
    QDir(hostPath(QStringLiteral("suite/shelves/shelf01/album002"))).removeRecursively();
    EXPECT_NE(carryOut(), 0);

    // The database's failure is reported, not thrown past the host: a missing
    // G_PHOTO.mdb and one that is no database.
    QDir(hostPath(QStringLiteral("out"))).removeRecursively();
    ASSERT_TRUE(QFile::remove(tempHostPath(QStringLiteral("G_PHOTO.mdb"))));
    EXPECT_NE(carryOut(), 0);
    EXPECT_FALSE(QFileInfo::exists(hostPath(QStringLiteral("out/PHOTO/PHOTO.XML"))));
    writeFile(QStringLiteral("temp/G_PHOTO.mdb"), "not a database");
    EXPECT_NE(carryOut(), 0);
}

} // namespace

// Code 25 with photos enough to have reference drawings, with and without
// the Japanese names: the delivery read as DeliveryReader reads it,
// imported by count under either file name, exported again gives the same
// PHOTO.XML and the same photo and drawing files.
TEST_F(HostExportTest, AnExportImportedIntoANewBookshelfExportsTheSamePhotos)
{
    m_photosPerAlbum = 12;
    const int photoCount = Albums * m_photosPerAlbum;
    struct Round
    {
        const char *japaneseNames; // jname=
        host::PhotoNaming naming;
    };
    for (const Round round : {Round{"0", host::PhotoNaming::PhotoFileName},
                              Round{"1", host::PhotoNaming::JapaneseFileName}}) {
        SCOPED_TRACE(round.japaneseNames);
        for (const QString &folder : {QStringLiteral("out"), QStringLiteral("first"),
                                      QStringLiteral("suite"), QStringLiteral("imported")})
            QDir(hostPath(folder)).removeRecursively();
        makeShelves(25);
        writeSettings(25, {QStringLiteral("jname=") + QLatin1String(round.japaneseNames),
                           QStringLiteral("xml=0")});
        ASSERT_EQ(carryOut(), 0);
        const QString first = photoXml();
        ASSERT_TRUE(first.contains(QStringLiteral("<参考図ファイル名>")));

        DeliveryImport read(winPath(QStringLiteral("out")), 0);
        ASSERT_TRUE(read.run()) << read.errorText().toStdString();
        host::ImportSettings settings;
        settings.deliveryFolder = winPath(QStringLiteral("out"));
        settings.shelfFolder = winPath(QStringLiteral("imported"));
        settings.size = m_photosPerAlbum;
        settings.naming = round.naming;
        host::ImportSummary summary;
        QString error;
        ASSERT_TRUE(host::importDelivery(winPath(QStringLiteral("suite")), settings,
                                         tempWinPath() + QStringLiteral("G_PHOTO.mdb"), &summary,
                                         &error))
            << error.toStdString();
        EXPECT_EQ(summary.photos, photoCount);
        EXPECT_EQ(summary.albums, Albums);
        EXPECT_EQ(summary.dataFolder, winPath(QStringLiteral("imported")));
        suitedata::ShelfInfo imported;
        ASSERT_TRUE(suitedata::readShelfInfo(hostPath(QStringLiteral("imported/kouji.xml")), &imported));
        suitedata::ShelfInfo exported;
        ASSERT_TRUE(suitedata::readShelfInfo(
            hostPath(QStringLiteral("suite/shelves/shelf01/kouji.xml")), &exported));
        EXPECT_EQ(imported.name, exported.name);
        EXPECT_EQ(imported.constructionNumber, exported.constructionNumber);

        suitedata::ShelfPhotosReader photos;
        ASSERT_TRUE(photos.open(hostPath(QStringLiteral("imported/photos.db"))));
        const QList<suitedata::ShelfAlbum> albums = photos.albums();
        ASSERT_EQ(albums.size(), Albums);
        QList<workstree::ChosenAlbum> chosen;
        for (const suitedata::ShelfAlbum &album : albums)
            chosen.append({hostPath(QStringLiteral("imported")), album.number,
                           winPath(QStringLiteral("imported/") + album.folder)});
        QString buildError;
        ASSERT_EQ(workstree::buildPhotoDatabase(chosen, &buildError), photoCount)
            << buildError.toStdString();
        ASSERT_TRUE(QDir().rename(hostPath(QStringLiteral("out")), hostPath(QStringLiteral("first"))));
        ASSERT_EQ(carryOut(), 0);
        EXPECT_EQ(photoXml(), first);
        EXPECT_EQ(treeOf(QStringLiteral("out")), treeOf(QStringLiteral("first")));
    }
}

// Code 28: the folder tree read back through DeliveryReader's
// government-building route (the album folders ticked, the class folders
// below them not), imported into a new bookshelf and exported again gives
// the same tree of photos, byte for byte, for both naming choices.
TEST_F(HostExportTest, AGovernmentBuildingExportReadBackByTheWizardExportsTheSameTree)
{
    for (const int photoType : {1, 2}) {
        SCOPED_TRACE(photoType);
        for (const QString &folder : {QStringLiteral("out"), QStringLiteral("first"),
                                      QStringLiteral("suite")})
            QDir(hostPath(folder)).removeRecursively();
        makeShelves(28);
        writeSettings(28, {QStringLiteral("jname=0"), QStringLiteral("xml=0")});
        QByteArray outputSettings = readFile(QStringLiteral("temp/G_OUTPUTXML.dat"));
        outputSettings.replace(utf16le(QStringLiteral("phototype=1"), false),
                               utf16le(QStringLiteral("phototype=%1").arg(photoType), false));
        writeFile(QStringLiteral("temp/G_OUTPUTXML.dat"), outputSettings);
        ASSERT_EQ(carryOut(), 0);
        const QStringList first = treeOf(QStringLiteral("out"));

        QByteArray script("text 1001 D:\\out\nnext\nexpect-page 142\nnext\nexpect-page 138\n");
        const QDir out(hostPath(QStringLiteral("out")));
        for (const QString &label : out.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
            for (const QString &major : QDir(out.filePath(label)).entryList(QDir::Dirs | QDir::NoDotAndDotDot))
                script += (QStringLiteral("tick 1024 D:\\out\\%1\\%2\n").arg(label, major)).toUtf8();
        }
        script += "next\nexpect-page 133\nnext\nexpect-page 141\nfinish\n";
        QByteArray output;
        ASSERT_EQ(runScripted(programPath(QStringLiteral("DeliveryReader")),
                              {QStringLiteral("D:\\suite"), QStringLiteral("0"), QStringLiteral("0")},
                              script, &output),
                  1)
            << output.toStdString();

        const std::optional<host::ImportSettings> settings =
            host::readImportSettings(tempWinPath() + QStringLiteral("G_INPUTXML.dat"));
        ASSERT_TRUE(settings);
        EXPECT_EQ(settings->albums, host::AlbumMethod::PlannedFolders);
        host::ImportSummary summary;
        QString error;
        ASSERT_TRUE(host::importDelivery(winPath(QStringLiteral("suite")), *settings,
                                         tempWinPath() + QStringLiteral("G_PHOTO.mdb"), &summary,
                                         &error))
            << error.toStdString();
        EXPECT_EQ(summary.photos, Photos);
        EXPECT_EQ(summary.albums, Albums);

        const QString imported = hostPath(QStringLiteral("suite/data2"));
        suitedata::ShelfPhotosReader photos;
        ASSERT_TRUE(photos.open(imported + QStringLiteral("/photos.db")));
        QList<workstree::ChosenAlbum> chosen;
        for (const suitedata::ShelfAlbum &album : photos.albums())
            chosen.append({imported, album.number, winPath(QStringLiteral("suite/data2/") + album.folder)});
        QString buildError;
        ASSERT_EQ(workstree::buildPhotoDatabase(chosen, &buildError), Photos)
            << buildError.toStdString();
        ASSERT_TRUE(QDir().rename(hostPath(QStringLiteral("out")), hostPath(QStringLiteral("first"))));
        ASSERT_EQ(carryOut(), 0);
        EXPECT_EQ(treeOf(QStringLiteral("out")), first);
    }
}

// Albums by classification from the tree the real wizard leaves: the
// delivery read along the standard route, 写真-大分類, 写真区分 and 工種
// chosen on the album method page. One album per group, in the tree's
// (ascending) order, each holding exactly the photos of its group.
TEST_F(HostExportTest, ClassificationAlbumsFollowTheTreeTheWizardLeaves)
{
    m_photosPerAlbum = 12;
    makeShelves(25);
    writeSettings(25, {QStringLiteral("jname=0"), QStringLiteral("xml=0")});
    ASSERT_EQ(carryOut(), 0);
    QByteArray output;
    ASSERT_EQ(runScripted(programPath(QStringLiteral("DeliveryReader")),
                          {QStringLiteral("D:\\suite"), QStringLiteral("0"), QStringLiteral("0")},
                          "text 1001 D:\\out\nnext\nexpect-page 130\nnext\nexpect-page 136\n"
                          "next\nexpect-page 134\nclick 1010\nclick 1021\nnext\nexpect-page 133\n"
                          "next\nexpect-page 141\nfinish\n",
                          &output),
              1)
        << output.toStdString();
    ASSERT_TRUE(QFileInfo::exists(tempHostPath(QStringLiteral("KOUJIMASTER.MDB"))));

    const std::optional<host::ImportSettings> settings =
        host::readImportSettings(tempWinPath() + QStringLiteral("G_INPUTXML.dat"));
    ASSERT_TRUE(settings);
    ASSERT_EQ(settings->albums, host::AlbumMethod::ByClassification);
    ASSERT_EQ(settings->size, 2);
    host::ImportSummary summary;
    QString error;
    ASSERT_TRUE(host::importDelivery(winPath(QStringLiteral("suite")), *settings,
                                     tempWinPath() + QStringLiteral("G_PHOTO.mdb"), &summary, &error))
        << error.toStdString();
    EXPECT_EQ(summary.photos, Albums * m_photosPerAlbum);

    suitedata::ShelfPhotosReader photos;
    ASSERT_TRUE(photos.open(hostPath(QStringLiteral("suite/data2/photos.db"))));
    QList<QStringList> groups;
    for (const suitedata::ShelfAlbum &album : photos.albums()) {
        suitedata::AlbumInfo info;
        ASSERT_TRUE(suitedata::readAlbumInfo(
            hostPath(QStringLiteral("suite/data2/") + album.folder + QStringLiteral("/KOUJI.XML")), &info));
        const QList<suitedata::ShelfPhoto> held = photos.photos(album.number);
        ASSERT_FALSE(held.isEmpty());
        for (const suitedata::ShelfPhoto &photo : held) {
            QStringList group{photo.majorClass, photo.category, photo.workType};
            group.removeAll(QString());
            EXPECT_EQ(group.join(u' '), info.label) << photo.fileName.toStdString();
        }
        groups.append(info.label.split(u' '));
    }
    QList<QStringList> sorted = groups;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(groups, sorted);
    EXPECT_GT(groups.size(), 2);
    EXPECT_EQ(QSet<QStringList>(groups.begin(), groups.end()).size(), groups.size());
}
