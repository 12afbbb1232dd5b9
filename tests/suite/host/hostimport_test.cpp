// The host's import of G_INPUTXML.dat for every album method and for
// reference only: a small standard delivery (PHOTO.XML with every item,
// G_PHOTO.mdb as DNXmlRead leaves it, KOUJIMASTER.MDB as DeliveryReader
// leaves it) and a government-building folder tree, imported into a new
// bookshelf whose albums, files and photo information are then read back.
#include "jetdaotest.h"

#include "photodb/photodbschema.h"
#include "platform/codepage.h"
#include "importalbums.h"
#include "shelfimport.h"
#include "suitedata/albuminfo.h"
#include "suitedata/constructioninfo.h"
#include "suitedata/shelfphotos.h"

#include <QDir>
#include <QDirIterator>

namespace {

struct SamplePhoto
{
    const char *fileName;
    const char *japaneseName;
    const char *levels[5];
    const char *drawing; // with its Japanese name 図<drawing>, or null
};

// Delivery order; 工種 道路土工 under two classes, 舗装工 without 種別.
constexpr SamplePhoto Photos[] = {
    {"P0000001.JPG", "着手前全景.JPG", {"施工状況写真", "着手前", "道路土工", "掘削工", "土砂掘削"}, "D0000001.JPG"},
    {"P0000002.JPG", "舗装状況.JPG", {"施工状況写真", "施工中", "舗装工", "", ""}, nullptr},
    {"P0000003.JPG", "密度試験.JPG", {"品質管理写真", "品質管理", "道路土工", "盛土工", ""}, "D0000002.JPG"},
    {"P0000004.JPG", "盛土前.JPG", {"施工状況写真", "着手前", "道路土工", "盛土工", ""}, nullptr},
};

QString text(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

QByteArray photoBytes(const QString &name)
{
    return QByteArray("\xFF\xD8 photo ") + name.toUtf8();
}

// Every item of a photo as name=value lines, drawings after.
QStringList itemsOf(const suitedata::ShelfPhoto &photo)
{
    QStringList items{
        QStringLiteral("写真ファイル名=") + photo.fileName, QStringLiteral("写真ファイル日本語名=") + photo.japaneseFileName,
        QStringLiteral("メディア番号=") + photo.mediaNumber, QStringLiteral("写真-大分類=") + photo.majorClass,
        QStringLiteral("写真区分=") + photo.category, QStringLiteral("工種=") + photo.workType, QStringLiteral("種別=") + photo.kind,
        QStringLiteral("細別=") + photo.subKind, QStringLiteral("写真タイトル=") + photo.title,
        QStringLiteral("工種区分予備=") + photo.classReserves.join(u'|'), QStringLiteral("撮影箇所=") + photo.place,
        QStringLiteral("撮影年月日=") + photo.date, QStringLiteral("代表写真=") + photo.representative,
        QStringLiteral("提出頻度写真=") + photo.frequency, QStringLiteral("施工管理値=") + photo.managementValue,
        QStringLiteral("請負者説明文=") + photo.contractorNote};
    for (const suitedata::ShelfDrawing &drawing : photo.drawings)
        items += QStringList{QStringLiteral("参考図ファイル名=") + drawing.fileName,
                             QStringLiteral("参考図ファイル日本語名=") + drawing.japaneseName,
                             QStringLiteral("参考図タイトル=") + drawing.title,
                             QStringLiteral("付加情報予備=") + drawing.reserves.join(u'|')};
    return items;
}

// What PHOTO.XML and G_PHOTO.mdb say of sample photo n (from 1), under
// the name the album gives it.
QStringList expectedItems(int n, const QString &nameInAlbum, const QString &drawingInAlbum)
{
    const SamplePhoto &sample = Photos[n - 1];
    suitedata::ShelfPhoto photo;
    photo.fileName = nameInAlbum;
    photo.japaneseFileName = text(sample.japaneseName);
    photo.mediaNumber = QStringLiteral("1");
    QString *levels[] = {&photo.majorClass, &photo.category, &photo.workType, &photo.kind,
                         &photo.subKind};
    for (int level = 0; level < 5; ++level)
        *levels[level] = text(sample.levels[level]);
    photo.title = QStringLiteral("写真%1").arg(n);
    photo.classReserves = {QStringLiteral("予備%1a").arg(n), QStringLiteral("予備%1b").arg(n)};
    photo.place = QStringLiteral("No.%1").arg(n);
    photo.date = QStringLiteral("2024-04-0%1").arg(n);
    photo.representative = QStringLiteral("1");
    photo.frequency = QStringLiteral("0");
    photo.managementValue = QStringLiteral("%1cm").arg(n);
    photo.contractorNote = QStringLiteral("説明%1").arg(n);
    if (sample.drawing)
        photo.drawings.append({drawingInAlbum, u'図' + text(sample.drawing),
                               QStringLiteral("平面図%1").arg(n), {QStringLiteral("図予備%1").arg(n)}});
    return itemsOf(photo);
}

struct ImportCase
{
    const char *name;
    const char *settings;   // the lines after folder=
    bool classificationTree; // KOUJIMASTER.MDB left beside G_PHOTO.mdb
    bool governmentBuilding;
    // Each album as "label: file, file".
    std::vector<const char *> albums;
    int standardCode;
    // Government-building photos in album order as "levels <- file in the
    // delivery".
    std::vector<const char *> folderPhotos = {};
};

const ImportCase Cases[] = {
    {"ByCount", "type=1\nsize=3\nfilename=1", true, false,
     {"アルバム1: P0000001.JPG, P0000002.JPG, P0000003.JPG", "アルバム2: P0000004.JPG"}, 25},
    {"ByCountJapaneseNames", "type=1\nsize=2\nfilename=2", false, false,
     {"アルバム1: 着手前全景.JPG, 舗装状況.JPG", "アルバム2: 密度試験.JPG, 盛土前.JPG"}, 25},
    // The tree's order, not the delivery's.
    {"ByClassLevel1InTreeOrder", "type=2\nsize=1\nfilename=1", true, false,
     {"品質管理写真 品質管理: P0000003.JPG", "施工状況写真 施工中: P0000002.JPG",
      "施工状況写真 着手前: P0000001.JPG, P0000004.JPG"},
     25},
    // Without the tree: the order of the groups' first photos; 舗装工 has no 種別.
    {"ByClassLevel3WithoutTree", "type=2\nsize=3\nfilename=1", false, false,
     {"施工状況写真 着手前 道路土工 掘削工: P0000001.JPG", "施工状況写真 施工中 舗装工: P0000002.JPG",
      "品質管理写真 品質管理 道路土工 盛土工: P0000003.JPG",
      "施工状況写真 着手前 道路土工 盛土工: P0000004.JPG"},
     25},
    {"ByWorkTypeOnly", "type=2\nsize=5\nfilename=2", true, false,
     {"道路土工: 着手前全景.JPG, 密度試験.JPG, 盛土前.JPG", "舗装工: 舗装状況.JPG"}, 25},
    // Photos by name across the album's folders; levels below the box.
    {"PlannedFolders2012", "type=3\nphotonum=5\nfilename=28\nsize=2", false, true,
     {"外部: IMG_0001.JPG, IMG_0002.JPG, IMG_0003.JPG", "電気: IMG_0001.JPG, IMG_0002.JPG"}, 28,
     {"外部/外壁 <- 01_建築/外部/外壁/IMG_0001.JPG", "外部/外壁 <- 01_建築/外部/外壁/IMG_0002.JPG",
      "外部 <- 01_建築/外部/IMG_0003.JPG", "電気/幹線 <- 02_設備/電気/幹線/IMG_0001.JPG",
      "電気 <- 02_設備/電気/IMG_0002.JPG"}},
    // No boxes: levels below the construction folder.
    {"PlannedFolders2002", "type=3\nphotonum=5\nsize=2", false, true,
     {"外部: IMG_0001.JPG, IMG_0002.JPG, IMG_0003.JPG", "電気: IMG_0001.JPG, IMG_0002.JPG"}, 4,
     {"01_建築/外部/外壁 <- 01_建築/外部/外壁/IMG_0001.JPG",
      "01_建築/外部/外壁 <- 01_建築/外部/外壁/IMG_0002.JPG", "01_建築/外部 <- 01_建築/外部/IMG_0003.JPG",
      "02_設備/電気/幹線 <- 02_設備/電気/幹線/IMG_0001.JPG",
      "02_設備/電気 <- 02_設備/電気/IMG_0002.JPG"}},
};

void PrintTo(const ImportCase &test, std::ostream *stream)
{
    *stream << test.name;
}

class HostImportTest : public JetDaoTest, public ::testing::WithParamInterface<ImportCase>
{
protected:
    void SetUp() override
    {
        JetDaoTest::SetUp();
        makeFolder(QStringLiteral("suite"));
        writeStandardDelivery();
        writeGovernmentBuildingDelivery();
    }

    void writeStandardDelivery()
    {
        QString xml = QStringLiteral(
            "<?xml version=\"1.0\" encoding=\"Shift_JIS\"?>\r\n"
            "<!DOCTYPE photodata SYSTEM \"PHOTO05.DTD\">\r\n<photodata DTD_version=\"05\">\r\n"
            "<基礎情報><写真フォルダ名>PHOTO/PIC</写真フォルダ名>"
            "<参考図フォルダ名>PHOTO/DRA</参考図フォルダ名></基礎情報>\r\n");
        QStringList rows = photodb::createTableStatements();
        for (int n = 1; n <= int(std::size(Photos)); ++n) {
            const SamplePhoto &photo = Photos[n - 1];
            const QString drawing = photo.drawing
                ? QStringLiteral("<付加情報><参考図ファイル名>%1</参考図ファイル名>"
                                 "<参考図ファイル日本語名>図%1</参考図ファイル日本語名>"
                                 "<参考図タイトル>平面図%2</参考図タイトル>"
                                 "<付加情報予備>図予備%2</付加情報予備></付加情報>")
                      .arg(text(photo.drawing))
                      .arg(n)
                : QString();
            xml += QStringLiteral(
                       "<写真情報><写真ファイル情報><シリアル番号>%1</シリアル番号>"
                       "<写真ファイル名>%2</写真ファイル名><写真ファイル日本語名>%3</写真ファイル日本語名>"
                       "<メディア番号>1</メディア番号></写真ファイル情報>"
                       "<撮影工種区分><写真-大分類>%4</写真-大分類><写真区分>%5</写真区分>"
                       "<工種>%6</工種><写真タイトル>写真%1</写真タイトル>"
                       "<工種区分予備>予備%1a</工種区分予備><工種区分予備>予備%1b</工種区分予備>"
                       "</撮影工種区分>%7"
                       "<撮影情報><撮影箇所>No.%1</撮影箇所><撮影年月日>2024-04-0%1</撮影年月日>"
                       "<代表写真>1</代表写真></撮影情報><提出頻度写真>0</提出頻度写真>"
                       "<施工管理値>%1cm</施工管理値><請負者説明文>説明%1</請負者説明文></写真情報>\r\n")
                       .arg(n)
                       .arg(text(photo.fileName), text(photo.japaneseName),
                            text(photo.levels[0]), text(photo.levels[1]), text(photo.levels[2]),
                            drawing);
            rows.append(QStringLiteral(
                            "INSERT INTO [写真情報] VALUES (%1, '%2', '%3', '%4', '%5', '%6', '%7', "
                            "'%8', '写真%1', %9, 'No.%1', '%1cm', '1', '0')")
                            .arg(n)
                            .arg(text(photo.fileName), text(photo.japaneseName),
                                 text(photo.levels[0]), text(photo.levels[1]),
                                 text(photo.levels[2]), text(photo.levels[3]),
                                 text(photo.levels[4]))
                            .arg(photo.drawing ? 1 : 0));
            writeFile(QStringLiteral("deliv/PHOTO/PIC/") + text(photo.fileName),
                      photoBytes(text(photo.fileName)));
            if (photo.drawing)
                writeFile(QStringLiteral("deliv/PHOTO/DRA/") + text(photo.drawing),
                          photoBytes(text(photo.drawing)));
        }
        xml += QStringLiteral("</photodata>\r\n");
        writeFile(QStringLiteral("deliv/PHOTO/PHOTO.XML"), win::toAnsi(xml));
        writeFile(QStringLiteral("deliv/INDEX_C.XML"),
                  win::toAnsi(QStringLiteral("<?xml version=\"1.0\" encoding=\"Shift_JIS\"?>"
                                             "<constdata><基礎情報><適用要領基準>土木200805-01</適用要領基準>"
                                             "</基礎情報><工事件名等><工事番号>R06-7</工事番号>"
                                             "<工事名称>3号 橋梁補修工事</工事名称></工事件名等></constdata>")));
        createDatabase(QStringLiteral("temp/G_PHOTO.mdb"), rows);
    }

    // As DeliveryReader builds it: ROOT, then depth first, here with
    // 品質管理写真 before 施工状況写真 and 施工中 before 着手前.
    void writeClassificationTree() const
    {
        struct Node
        {
            int id;
            const char *name;
            int child, younger, parent;
        };
        const Node nodes[] = {
            {1, "ROOT", 2, 0, 0},       {2, "品質管理写真", 3, 5, 1}, {3, "品質管理", 4, 0, 2},
            {4, "道路土工", 0, 0, 3},   {5, "施工状況写真", 6, 0, 1}, {6, "施工中", 8, 7, 5},
            {7, "着手前", 9, 0, 5},     {8, "舗装工", 0, 0, 6},     {9, "道路土工", 0, 0, 7},
        };
        QStringList rows{QStringLiteral("CREATE TABLE [KOUJIMASTER] ([項目ＩＤ] TEXT, [名称] TEXT, "
                                        "[子ＩＤ] TEXT, [弟ＩＤ] TEXT, [親ＩＤ] TEXT)")};
        for (const Node &node : nodes)
            rows.append(QStringLiteral("INSERT INTO [KOUJIMASTER] VALUES ('%1', '%2', '%3', '%4', '%5')")
                            .arg(node.id)
                            .arg(text(node.name))
                            .arg(node.child)
                            .arg(node.younger)
                            .arg(node.parent));
        createDatabase(QStringLiteral("temp/KOUJIMASTER.MDB"), rows);
    }

    void writeGovernmentBuildingDelivery() const
    {
        for (const char *file : {"01_建築/外部/IMG_0003.JPG", "01_建築/外部/外壁/IMG_0001.JPG",
                                 "01_建築/外部/外壁/IMG_0002.JPG", "02_設備/電気/IMG_0002.JPG",
                                 "02_設備/電気/幹線/IMG_0001.JPG", "02_設備/電気/幹線/memo.txt"})
            writeFile(QStringLiteral("営繕/工事Ｃ/") + text(file), photoBytes(text(file)));
    }

    // G_INPUTXML.dat as DeliveryReader writes it.
    void writeSettings(const ImportCase &test) const
    {
        QString lines = QStringLiteral("[XMLIN]\nimportmode=1\nfolder=%1\n%2\n")
                            .arg(test.governmentBuilding ? winPath(QStringLiteral("営繕\\工事Ｃ"))
                                                         : winPath(QStringLiteral("deliv")),
                                 text(test.settings));
        if (test.governmentBuilding) {
            const QString root = winPath(QStringLiteral("営繕\\工事Ｃ"));
            const bool boxed = QString::fromUtf8(test.settings).contains(QStringLiteral("=28"));
            lines += QStringLiteral(
                         "[ALBUM1]\nphotonum=3\nalbumname=外部\nszBunrui=01_建築\nszKubun=外部\n"
                         "foldernum=2\nbox=%2\nnLevel=0\n1=%1\\01_建築\\外部\n2=%1\\01_建築\\外部\\外壁\n"
                         "[ALBUM2]\nphotonum=2\nalbumname=電気\nszBunrui=02_設備\nszKubun=電気\n"
                         "foldernum=1\nbox=%3\nnLevel=0\n1=%1\\02_設備\\電気\n1HasChild=1\n")
                         .arg(root, boxed ? root + QStringLiteral("\\01_建築") : QString(),
                              boxed ? root + QStringLiteral("\\02_設備") : QString());
        }
        lines.replace(u'\n', QStringLiteral("\r\n"));
        writeFile(QStringLiteral("temp/G_INPUTXML.dat"), utf16le(lines));
    }

    bool import(host::ImportSummary *summary, QString *error) const
    {
        const std::optional<host::ImportSettings> settings =
            host::readImportSettings(tempWinPath() + QStringLiteral("G_INPUTXML.dat"));
        if (!settings)
            return *error = QStringLiteral("no settings"), false;
        return host::importDelivery(winPath(QStringLiteral("suite")), *settings,
                                    tempWinPath() + QStringLiteral("G_PHOTO.mdb"), summary, error);
    }

    // Each album of the bookshelf as "label: file, file".
    QStringList albumsOf(suitedata::ShelfPhotosReader &photos) const
    {
        QStringList albums;
        for (const suitedata::ShelfAlbum &album : photos.albums()) {
            suitedata::AlbumInfo info;
            EXPECT_TRUE(suitedata::readAlbumInfo(
                hostPath(QStringLiteral("suite/data/") + album.folder + QStringLiteral("/KOUJI.XML")), &info));
            QStringList names;
            for (const suitedata::ShelfPhoto &photo : photos.photos(album.number))
                names.append(photo.fileName);
            albums.append(info.label + QStringLiteral(": ") + names.join(QStringLiteral(", ")));
        }
        return albums;
    }

    // Every file below a folder with its bytes.
    QStringList treeOf(const QString &relative) const
    {
        QStringList files;
        QDirIterator entries(hostPath(relative), QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                             QDirIterator::Subdirectories);
        while (entries.hasNext()) {
            const QString path = entries.next();
            files.append(QDir(hostPath()).relativeFilePath(path) + u'='
                         + QString::fromLatin1(readHostFile(path).toHex()));
        }
        files.sort();
        return files;
    }
};

TEST_P(HostImportTest, MakesTheAlbumsWithEveryItemOfEachPhoto)
{
    const ImportCase &test = GetParam();
    if (test.classificationTree)
        writeClassificationTree();
    writeSettings(test);
    host::ImportSummary summary;
    QString error;
    ASSERT_TRUE(import(&summary, &error)) << error.toStdString();

    suitedata::ShelfPhotosReader photos;
    ASSERT_TRUE(photos.open(hostPath(QStringLiteral("suite/data/photos.db"))));
    QStringList expected;
    for (const char *album : test.albums)
        expected.append(text(album));
    EXPECT_EQ(albumsOf(photos), expected);
    EXPECT_EQ(summary.albums, int(expected.size()));
    EXPECT_EQ(summary.photos, test.governmentBuilding ? 5 : int(std::size(Photos)));
    EXPECT_EQ(summary.dataFolder, winPath(QStringLiteral("suite\\data")));

    suitedata::ShelfInfo shelf;
    ASSERT_TRUE(suitedata::readShelfInfo(hostPath(QStringLiteral("suite/data/kouji.xml")), &shelf));
    EXPECT_EQ(shelf.standardCode, test.standardCode);
    EXPECT_EQ(shelf.name, test.governmentBuilding ? QStringLiteral("工事Ｃ")
                                                  : QStringLiteral("3号 橋梁補修工事"));

    // Each photo's items and the bytes of its files in the album folder.
    const bool japanese = QString::fromUtf8(test.settings).contains(QStringLiteral("filename=2"));
    QStringList folderPhotos;
    for (const suitedata::ShelfAlbum &album : photos.albums()) {
        const QString folder = QStringLiteral("suite/data/") + album.folder + u'/';
        for (const suitedata::ShelfPhoto &photo : photos.photos(album.number)) {
            SCOPED_TRACE(photo.fileName.toStdString());
            if (test.governmentBuilding) {
                QStringList levels{photo.majorClass, photo.category, photo.workType, photo.kind,
                                   photo.subKind};
                levels.removeAll(QString());
                const QString source = levels.join(u'/') + QStringLiteral(" <- ");
                const QString relative = folderPhotos.size() < qsizetype(test.folderPhotos.size())
                    ? text(test.folderPhotos[folderPhotos.size()]).section(QStringLiteral(" <- "), 1)
                    : QString();
                folderPhotos.append(source + relative);
                EXPECT_EQ(readFile(folder + photo.fileName),
                          photoBytes(relative));
                EXPECT_TRUE(photo.title.isEmpty() && photo.drawings.isEmpty());
                continue;
            }
            int n = 1;
            while (text(japanese ? Photos[n - 1].japaneseName : Photos[n - 1].fileName) != photo.fileName)
                ++n;
            const SamplePhoto &sample = Photos[n - 1];
            const QString drawing = sample.drawing
                ? (japanese ? u'図' + text(sample.drawing) : text(sample.drawing))
                : QString();
            EXPECT_EQ(itemsOf(photo), expectedItems(n, photo.fileName, drawing));
            EXPECT_EQ(readFile(folder + photo.fileName), photoBytes(text(sample.fileName)));
            if (sample.drawing) {
                EXPECT_EQ(readFile(folder + drawing), photoBytes(text(sample.drawing)));
            }
        }
    }
    QStringList expectedFolderPhotos;
    for (const char *photo : test.folderPhotos)
        expectedFolderPhotos.append(text(photo));
    EXPECT_EQ(folderPhotos, expectedFolderPhotos);
}

INSTANTIATE_TEST_SUITE_P(AlbumMethods, HostImportTest, ::testing::ValuesIn(Cases),
                         [](const ::testing::TestParamInfo<ImportCase> &info) {
                             return std::string(info.param.name);
                         });

// Reference only makes and changes nothing, and tells how many photos it
// references; a delivery folder that is not there is no success.
TEST_F(HostImportTest, ReferenceOnlyLeavesTheSuitesDataAsItWas)
{
    for (const bool governmentBuilding : {false, true}) {
        SCOPED_TRACE(governmentBuilding);
        writeSettings(Cases[governmentBuilding ? 5 : 0]);
        QByteArray settings = readFile(QStringLiteral("temp/G_INPUTXML.dat"));
        settings.replace(utf16le(QStringLiteral("importmode=1"), false),
                         utf16le(QStringLiteral("importmode=2\r\nbsfolder=D:\\shelf"), false));
        writeFile(QStringLiteral("temp/G_INPUTXML.dat"), settings);
        const QStringList before = treeOf(QString());
        host::ImportSummary summary;
        QString error;
        ASSERT_TRUE(import(&summary, &error)) << error.toStdString();
        EXPECT_EQ(summary.photos, governmentBuilding ? 5 : int(std::size(Photos)));
        EXPECT_EQ(summary.shelf, -1);
        EXPECT_EQ(treeOf(QString()), before);
    }

    QDir(hostPath(QStringLiteral("営繕"))).removeRecursively();
    host::ImportSummary summary;
    QString error;
    EXPECT_FALSE(import(&summary, &error));
    EXPECT_FALSE(QFileInfo::exists(hostPath(QStringLiteral("shelf"))));
}

// Photos whose classification stops early: no 写真-大分類 at all, or no
// 工種 when grouping by 工種 alone.
TEST(ClassificationAlbums, PhotosWithoutTheLevelsGoByWhatTheyHave)
{
    const auto photo = [](const char *major, const char *category, const char *workType) {
        host::ImportPhoto photo;
        photo.item.fileName = text(major) + text(category) + text(workType);
        photo.item.majorClass = text(major);
        photo.item.category = text(category);
        photo.item.workType = text(workType);
        return photo;
    };
    const QList<host::ImportPhoto> photos{photo("", "", ""), photo("施工状況写真", "着手前", ""),
                                          photo("施工状況写真", "着手前", "舗装工")};
    const auto labels = [&photos](int level) {
        QStringList result;
        for (const host::ImportAlbum &album : host::albumsByClassification(photos, level, std::nullopt))
            result.append(album.label + u':' + QString::number(album.photos.size()));
        return result;
    };
    EXPECT_EQ(labels(1), (QStringList{QStringLiteral("（分類なし）:1"), QStringLiteral("施工状況写真 着手前:2")}));
    EXPECT_EQ(labels(host::WorkTypeOnlyLevel),
              (QStringList{QStringLiteral("（分類なし）:1"), QStringLiteral("施工状況写真 着手前:1"),
                           QStringLiteral("舗装工:1")}));
}

// A photo folder PHOTO.XML names outside the delivery is not followed:
// the photos come from the delivery's own PHOTO\PIC.
TEST_F(HostImportTest, PhotoXmlCannotLeadOutsideTheDelivery)
{
    QByteArray xml = readFile(QStringLiteral("deliv/PHOTO/PHOTO.XML"));
    xml.replace(win::toAnsi(QStringLiteral("<写真フォルダ名>PHOTO/PIC</写真フォルダ名>")),
                win::toAnsi(QStringLiteral("<写真フォルダ名>../outside</写真フォルダ名>")));
    writeFile(QStringLiteral("deliv/PHOTO/PHOTO.XML"), xml);
    for (const SamplePhoto &photo : Photos)
        writeFile(QStringLiteral("outside/") + text(photo.fileName), "not the delivery's");
    writeSettings(Cases[0]);
    host::ImportSummary summary;
    QString error;
    ASSERT_TRUE(import(&summary, &error)) << error.toStdString();
    EXPECT_EQ(readFile(QStringLiteral("suite/data/album1/P0000001.JPG")),
              photoBytes(QStringLiteral("P0000001.JPG")));
}

// The planned folders must be the delivery's own and still there.
TEST_F(HostImportTest, APlannedFolderMissingOrOutsideTheDeliveryMakesNoBookshelf)
{
    makeFolder(QStringLiteral("elsewhere"));
    writeFile(QStringLiteral("elsewhere/IMG_0009.JPG"), photoBytes(QStringLiteral("elsewhere")));
    const QString planned = winPath(QStringLiteral("営繕\\工事Ｃ\\02_設備\\電気"));
    for (const QString &folder : {winPath(QStringLiteral("営繕\\工事Ｃ\\02_設備\\ガス")),
                                  winPath(QStringLiteral("elsewhere"))}) {
        SCOPED_TRACE(folder.toStdString());
        writeSettings(Cases[5]);
        QByteArray settings = readFile(QStringLiteral("temp/G_INPUTXML.dat"));
        settings.replace(utf16le(QStringLiteral("1=") + planned, false),
                         utf16le(QStringLiteral("1=") + folder, false));
        writeFile(QStringLiteral("temp/G_INPUTXML.dat"), settings);
        host::ImportSummary summary;
        QString error;
        EXPECT_FALSE(import(&summary, &error));
        EXPECT_TRUE(error.contains(folder)) << error.toStdString();
        EXPECT_TRUE(QDir(hostPath(QStringLiteral("suite"))).isEmpty());
    }
}

} // namespace
