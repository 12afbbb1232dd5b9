#include "workspacetest.h"

#include "suitedata/constructioninfo.h"

using namespace suitedata;

namespace {

// Every item filled, every repeated item twice, so a field the writer or
// the reader forgets shows as a difference.
ShelfInfo filledShelf()
{
    ShelfInfo shelf;
    shelf.name = QStringLiteral("1号 道路改良工事");
    shelf.standardCode = 25;
    shelf.constructionNumber = QStringLiteral("R06-0123");
    shelf.otherData = true;
    shelf.password = true;
    ConstructionInfo &info = shelf.construction;
    info.basic = {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("土木202303-01"),
                  QStringLiteral("DRAWING"), QStringLiteral("SPEC"), QStringLiteral("MEET"),
                  QStringLiteral("MEET/ORG"), QStringLiteral("PLAN"), QStringLiteral("PLAN/ORG"),
                  QStringLiteral("DRAWINGF"), QStringLiteral("PHOTO"), QStringLiteral("BORING"),
                  QStringLiteral("OTHRS"),
                  {{QStringLiteral("ORG001"), QStringLiteral("その他資料")},
                   {QStringLiteral("ORG002"), QStringLiteral("補足 & <注記>")}}};
    info.title.orderYear = QStringLiteral("2024");
    info.title.constructionNumber = QStringLiteral("R06-0123");
    info.title.constructionName = QStringLiteral("国道１号 道路改良工事");
    info.title.corinsVersion = QStringLiteral("5.0");
    info.title.corinsNumber = QStringLiteral("1234567890");
    info.title.field = QStringLiteral("道路");
    info.title.industry = QStringLiteral("土木一式工事");
    info.title.workTypeMethods = {{{QStringLiteral("道路改良"), QStringLiteral("舗装")},
                                   {QStringLiteral("掘削工")}},
                                  {{QStringLiteral("排水構造物")}, {QStringLiteral("側溝工")}}};
    info.title.addresses = {{{QStringLiteral("13101")}, {QStringLiteral("東京都千代田区")}},
                            {{QStringLiteral("13102"), QStringLiteral("13103")},
                             {QStringLiteral("東京都中央区"), QStringLiteral("東京都港区")}}};
    info.title.startDate = QStringLiteral("2024-04-01");
    info.title.endDate = QStringLiteral("2025-03-31");
    info.title.content = QStringLiteral("延長 L=1.2km");
    info.place.geodeticSystem = QStringLiteral("01");
    info.place.waterRoutes = {
        {QStringLiteral("国道1号"), QStringLiteral("1"),
         {QStringLiteral("8503000000")},
         {QStringLiteral("00"), QStringLiteral("01")},
         {{QStringLiteral("10"), QStringLiteral("0"), QStringLiteral("20"), QStringLiteral("5")}},
         {{QStringLiteral("1"), QStringLiteral("100"), QStringLiteral("2"), QStringLiteral("200")},
          {QStringLiteral("3"), QStringLiteral("0"), QStringLiteral("4"), QStringLiteral("0")}}},
        {QStringLiteral("一級河川"), QString(), {}, {}, {}, {}}};
    info.place.boundary = {QStringLiteral("1394500"), QStringLiteral("1394600"),
                           QStringLiteral("0354100"), QStringLiteral("0354000")};
    info.facilityName = QStringLiteral("第一橋梁");
    info.orderer = {QStringLiteral("国土交通省"), QStringLiteral("関東地方整備局"),
                    QStringLiteral("東京国道事務所"), QStringLiteral("20000000")};
    info.contractor = {QStringLiteral("株式会社テッセラ建設"), QStringLiteral("123456")};
    info.reserves = {QStringLiteral("予備一"), QStringLiteral("予備二")};
    info.softwareTags = {QStringLiteral("tessera")};
    return shelf;
}

// A field by field comparison, so a failure names the item.
void expectSame(const ShelfInfo &read, const ShelfInfo &written)
{
    EXPECT_EQ(shelfInfoXml(read), shelfInfoXml(written));
    EXPECT_EQ(read.name, written.name);
    EXPECT_EQ(read.standardCode, written.standardCode);
    EXPECT_EQ(read.constructionNumber, written.constructionNumber);
    EXPECT_EQ(read.otherData, written.otherData);
    EXPECT_EQ(read.password, written.password);
}

} // namespace

class ConstructionInfoTest : public WorkspaceTest
{
};

TEST_F(ConstructionInfoTest, EveryItemSurvivesWriteAndRead)
{
    const ShelfInfo written = filledShelf();
    QString error;
    ASSERT_TRUE(writeShelfInfo(hostPath(QStringLiteral("kouji.xml")), written, &error)) << error.toStdString();
    ShelfInfo read;
    ASSERT_TRUE(readShelfInfo(hostPath(QStringLiteral("kouji.xml")), &read, &error)) << error.toStdString();
    expectSame(read, written);
    const ConstructionInfo &info = read.construction;
    EXPECT_EQ(info.basic.otherOriginalFolders.at(1).folderJapaneseName, QStringLiteral("補足 & <注記>"));
    EXPECT_EQ(info.title.workTypeMethods.at(0).workTypes.size(), 2);
    EXPECT_EQ(info.title.addresses.at(1).addresses.at(1), QStringLiteral("東京都港区"));
    EXPECT_EQ(info.place.waterRoutes.at(0).distanceMarks.at(1).startN, QStringLiteral("3"));
    EXPECT_EQ(info.place.boundary.southLatitude, QStringLiteral("0354000"));
    EXPECT_EQ(info.orderer.minor, QStringLiteral("東京国道事務所"));
    EXPECT_EQ(info.contractor.code, QStringLiteral("123456"));
    EXPECT_EQ(info.softwareTags, QStringList{QStringLiteral("tessera")});
}

// A file written by hand with the delivery's element names reads; what the
// reader does not know is skipped, what is missing stays empty.
TEST_F(ConstructionInfoTest, ReadsTheDeliveryElementNames)
{
    writeFile(QStringLiteral("kouji.xml"),
              "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
              "<kouji>\n"
              " <name>旧い本棚</name><standardCode> 21 </standardCode>\n"
              " <futureElement><x>1</x></futureElement>\n"
              " <constdata>\n"
              "  <工事件名等><工事番号>A-1</工事番号><住所情報><住所コード>01</住所コード>"
              "<住所>札幌市</住所></住所情報><工期終了日>2025-01-31</工期終了日></工事件名等>\n"
              "  <場所情報><測地系>00</測地系><境界座標情報><西側境界座標経度>1</西側境界座標経度>"
              "</境界座標情報></場所情報>\n"
              "  <施設情報><施設名称>水門</施設名称></施設情報>\n"
              "  <請負者情報><請負者名>テッセラ</請負者名></請負者情報>\n"
              " </constdata>\n"
              "</kouji>\n");
    ShelfInfo read;
    ASSERT_TRUE(readShelfInfo(hostPath(QStringLiteral("kouji.xml")), &read));
    EXPECT_EQ(read.name, QStringLiteral("旧い本棚"));
    EXPECT_EQ(read.standardCode, 21);
    EXPECT_FALSE(read.otherData);
    EXPECT_FALSE(read.password);
    EXPECT_TRUE(read.constructionNumber.isEmpty());
    const ConstructionInfo &info = read.construction;
    EXPECT_EQ(info.title.constructionNumber, QStringLiteral("A-1"));
    EXPECT_EQ(info.title.addresses.size(), 1);
    EXPECT_EQ(info.title.addresses.at(0).addresses, QStringList{QStringLiteral("札幌市")});
    EXPECT_EQ(info.title.endDate, QStringLiteral("2025-01-31"));
    EXPECT_EQ(info.place.geodeticSystem, QStringLiteral("00"));
    EXPECT_EQ(info.place.boundary.westLongitude, QStringLiteral("1"));
    EXPECT_EQ(info.facilityName, QStringLiteral("水門"));
    EXPECT_EQ(info.contractor.name, QStringLiteral("テッセラ"));
    EXPECT_TRUE(info.orderer.major.isEmpty());
}

TEST_F(ConstructionInfoTest, RefusesWhatIsNoBookshelfFile)
{
    // Deep enough to run the stack out when every level is read in turn.
    constexpr int Levels = 200000;
    const QByteArray nested =
        "<kouji>" + QByteArray("<a>").repeated(Levels) + QByteArray("</a>").repeated(Levels) + "</kouji>";
    const struct
    {
        const char *name;
        const char *bytes; // nullptr: no file
    } cases[] = {
        {"missing", nullptr},
        {"broken", "<kouji><name>x</kouji>"},
        {"trailing garbage", "<kouji/><kouji/>"},
        {"another root", "<album><label>x</label></album>"},
        {"empty", ""},
        {"nested too deep", nested.constData()},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const QString file = QStringLiteral("%1.xml").arg(QLatin1String(c.name));
        if (c.bytes)
            writeFile(file, c.bytes);
        ShelfInfo read;
        read.name = QStringLiteral("unchanged");
        QString error;
        EXPECT_FALSE(readShelfInfo(hostPath(file), &read, &error));
        EXPECT_FALSE(error.isEmpty());
    }
}

TEST_F(ConstructionInfoTest, AFailedWriteReportsAndLeavesNoFile)
{
    QString error;
    EXPECT_FALSE(writeShelfInfo(hostPath(QStringLiteral("missing/kouji.xml")), filledShelf(), &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(QFile::exists(hostPath(QStringLiteral("missing/kouji.xml"))));
}
