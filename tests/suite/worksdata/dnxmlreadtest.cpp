// DNXmlRead on generated deliveries of every standard and encoding, and on
// deliveries it must refuse, through the library as the wizards load it.
#include "worksdatatest.h"

#include "gxtemp.h"
#include "photodb/photodbschema.h"

#include <QFile>

namespace {

constexpr int Photos = 30;

struct Case
{
    DeliveryOptions::Standard standard;
    DeliveryOptions::Encoding encoding;
    const char *golden;        // tests/data/worksdata/gxtemp/...
    const char16_t *firstLine; // GXTemp's first line
};

const char16_t MlitLine[] =
    u"写真管理基準 国土交通省 デジタル写真管理情報基準（平成２０年５月版準拠)";
const char16_t MaffLine[] =
    u"写真管理基準 農林水産省 電子化写真データの作成要領（平成２３年３月版準拠)";
const char16_t Nexco24Line[] = u"写真管理基準 NEXCO 工事記録写真等撮影要領（平成２４年７月版準拠)";
const char16_t Nexco18Line[] = u"写真管理基準 NEXCO 工事記録写真等撮影要領（平成１８年７月版準拠)";

void PrintTo(const Case &c, std::ostream *os)
{
    *os << c.golden << (c.encoding == DeliveryOptions::Encoding::Utf8 ? " utf8" : " sjis");
}

std::string caseName(const testing::TestParamInfo<Case> &info)
{
    std::string name = info.param.golden;
    name = name.substr(0, name.find('.'));
    return name + (info.param.encoding == DeliveryOptions::Encoding::Utf8 ? "_utf8" : "_sjis");
}

class GeneratedDeliveryTest : public WorksdataTest, public testing::WithParamInterface<Case>
{
};

} // namespace

TEST_P(GeneratedDeliveryTest, WritesGXTempAndOneRowPerPhotoInEveryTable)
{
    const Case &c = GetParam();
    const QString root = generateDelivery(QStringLiteral("disc"), {Photos, c.standard, c.encoding});
    const int planFlag = library().getPlanFlag(root);
    EXPECT_EQ(planFlag, 1); // INDEX_C.XML

    ASSERT_EQ(library().dnXmlRead(root, planFlag), 1);

    // The basic-information page reads GXTemp as it stands.
    const QByteArray golden =
        testData(QStringLiteral("worksdata/gxtemp/") + QLatin1String(c.golden));
    ASSERT_FALSE(golden.isEmpty());
    EXPECT_EQ(readHostFile(gxtempHostPath()), golden);
    EXPECT_EQ(gxtempLines().value(0), QString::fromUtf16(c.firstLine));

    // The basic-information page's own reader: the standard's name first,
    // the section end found, the free text after it.
    GXTemp reader(QStringLiteral("準拠する要領"));
    ASSERT_TRUE(reader.open());
    QList<GXTemp::Line> lines;
    QList<bool> widthSection;
    for (GXTemp::Line line; reader.readLine(&line);) {
        lines.append(line);
        widthSection.append(reader.inWidthSection());
    }
    ASSERT_GT(lines.size(), 2);
    EXPECT_EQ(lines.first().value, QString::fromUtf16(c.firstLine).section(u' ', 1));
    EXPECT_EQ(lines.last().label, QStringLiteral("工事内容"));
    EXPECT_FALSE(widthSection.last());
    EXPECT_TRUE(widthSection[widthSection.size() - 2]);

    for (const char16_t *table : {photodb::table::PhotoInfo, photodb::table::WorkClass,
                                  photodb::table::PhotoFile, photodb::table::PhotoTemp}) {
        EXPECT_EQ(rowCount(QString::fromUtf16(table)), Photos)
            << QString::fromUtf16(table).toStdString();
    }
    const QList<QVariantMap> paths =
        rows(QStringLiteral("select * from 写真情報Temp where シリアル番号 = 7"),
             {QStringLiteral("albumpath")});
    ASSERT_EQ(paths.size(), 1);
    EXPECT_EQ(paths.first().value(QStringLiteral("albumpath")).toString(),
              root + QStringLiteral("\\PHOTO\\PIC\\P0000007.JPG"));
    EXPECT_TRUE(strayTempFiles().isEmpty()) << strayTempFiles().join(u' ').toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Standards, GeneratedDeliveryTest,
    testing::Values(Case {DeliveryOptions::Standard::Mlit, DeliveryOptions::Encoding::ShiftJis,
                          "mlit.gxtemp", MlitLine},
                    Case {DeliveryOptions::Standard::Mlit, DeliveryOptions::Encoding::Utf8,
                          "mlit.gxtemp", MlitLine},
                    Case {DeliveryOptions::Standard::Maff, DeliveryOptions::Encoding::ShiftJis,
                          "maff.gxtemp", MaffLine},
                    Case {DeliveryOptions::Standard::Maff, DeliveryOptions::Encoding::Utf8,
                          "maff.gxtemp", MaffLine},
                    Case {DeliveryOptions::Standard::Nexco2012, DeliveryOptions::Encoding::ShiftJis,
                          "nexco24.gxtemp", Nexco24Line},
                    Case {DeliveryOptions::Standard::Nexco2012, DeliveryOptions::Encoding::Utf8,
                          "nexco24.gxtemp", Nexco24Line},
                    Case {DeliveryOptions::Standard::Nexco2006, DeliveryOptions::Encoding::ShiftJis,
                          "nexco18.gxtemp", Nexco18Line},
                    Case {DeliveryOptions::Standard::Nexco2006, DeliveryOptions::Encoding::Utf8,
                          "nexco18.gxtemp", Nexco18Line}),
    caseName);

TEST_F(WorksdataTest, PhotoRowsKeepTheClassificationAndMarksOfTheXml)
{
    const QString root = generateDelivery(
        QStringLiteral("disc"),
        {Photos, DeliveryOptions::Standard::Mlit, DeliveryOptions::Encoding::ShiftJis});
    ASSERT_EQ(library().dnXmlRead(root, 1), 1);

    const QStringList columns = {QStringLiteral("シリアル番号"), QStringLiteral("写真-大分類"),
                                 QStringLiteral("写真区分"),     QStringLiteral("工種"),
                                 QStringLiteral("種別"),         QStringLiteral("細別"),
                                 QStringLiteral("付加情報"),     QStringLiteral("代表写真")};
    const QList<QVariantMap> photos = rows(QStringLiteral("select * from 写真情報"), columns);
    ASSERT_EQ(photos.size(), Photos);

    // The classification cycle: an overview photo without lower levels, a
    // survey photo with its major class only, and the work class with the
    // quote that the classification queries must survive.
    EXPECT_EQ(photos[0].value(QStringLiteral("写真区分")).toString(),
              QStringLiteral("着手前及び完成写真"));
    EXPECT_EQ(photos[0].value(QStringLiteral("工種")).toString(), QString());
    EXPECT_EQ(photos[1].value(QStringLiteral("写真-大分類")).toString(), QStringLiteral("調査"));
    EXPECT_EQ(photos[1].value(QStringLiteral("写真区分")).toString(), QString());
    EXPECT_EQ(photos[3].value(QStringLiteral("工種")).toString(), QStringLiteral("L'型擁壁工"));
    EXPECT_EQ(photos[3].value(QStringLiteral("細別")).toString(), QStringLiteral("L型擁壁"));

    int withDrawings = 0;
    for (const QVariantMap &photo : photos) {
        EXPECT_EQ(photo.value(QStringLiteral("シリアル番号")).typeId(), QMetaType::Int);
        EXPECT_EQ(photo.value(QStringLiteral("付加情報")).typeId(), QMetaType::Int);
        withDrawings += photo.value(QStringLiteral("付加情報")).toInt() != 0;
        const QString mark = photo.value(QStringLiteral("代表写真")).toString();
        EXPECT_TRUE(mark == u"0" || mark == u"1") << mark.toStdString();
    }
    EXPECT_GT(withDrawings, 0);
}

TEST_F(WorksdataTest, MalformedPhotoXmlLeavesTheEarlierReadAlone)
{
    const QString good = generateDelivery(
        QStringLiteral("good"),
        {Photos, DeliveryOptions::Standard::Mlit, DeliveryOptions::Encoding::ShiftJis});
    ASSERT_EQ(library().dnXmlRead(good, 1), 1);
    const QByteArray gxtemp = readHostFile(gxtempHostPath());
    const QByteArray database = readHostFile(databaseHostPath());

    const QString broken = generateDelivery(
        QStringLiteral("broken"),
        {Photos, DeliveryOptions::Standard::Maff, DeliveryOptions::Encoding::Utf8});
    // Cut off in the middle of a photo, as a copy that broke off does.
    const QByteArray xml = readFile(QStringLiteral("broken/PHOTO/PHOTO.XML"));
    writeFile(QStringLiteral("broken/PHOTO/PHOTO.XML"), xml.left(xml.size() * 2 / 3));

    EXPECT_EQ(library().dnXmlRead(broken, 1), 0);
    EXPECT_EQ(readHostFile(gxtempHostPath()), gxtemp);
    EXPECT_EQ(readHostFile(databaseHostPath()), database);
    EXPECT_TRUE(strayTempFiles().isEmpty()) << strayTempFiles().join(u' ').toStdString();
}

TEST_F(WorksdataTest, DeliveryThatCannotBeReadLeavesNothingBehind)
{
    const QString root = generateDelivery(
        QStringLiteral("disc"),
        {Photos, DeliveryOptions::Standard::Mlit, DeliveryOptions::Encoding::ShiftJis});
    ASSERT_TRUE(QFile::remove(hostPath(QStringLiteral("disc/PHOTO/PHOTO.XML"))));
    EXPECT_EQ(library().dnXmlRead(root, 1), 0);

    // Not a photo management file at all.
    writeFile(QStringLiteral("disc/PHOTO/PHOTO.XML"), "<?xml version=\"1.0\"?><constdata/>");
    EXPECT_EQ(library().dnXmlRead(root, 1), 0);

    // Well-formed photo data, but nothing tells its standard.
    writeFile(QStringLiteral("disc/PHOTO/PHOTO.XML"),
              "<?xml version=\"1.0\" "
              "encoding=\"UTF-8\"?><photodata><基礎情報><適用要領基準>独自</適用要領基準>"
              "</基礎情報></photodata>");
    ASSERT_TRUE(QFile::remove(hostPath(QStringLiteral("disc/INDEX_C.XML"))));
    EXPECT_EQ(library().dnXmlRead(root, 0), 0);

    EXPECT_EQ(library().dnXmlRead(winPath(QStringLiteral("missing")), 0), 0);
    EXPECT_EQ(library().DNXmlRead(nullptr, 0), 0);
    EXPECT_FALSE(QFile::exists(gxtempHostPath()));
    EXPECT_FALSE(QFile::exists(databaseHostPath()));
    EXPECT_TRUE(strayTempFiles().isEmpty()) << strayTempFiles().join(u' ').toStdString();
}

TEST_F(WorksdataTest, ReadsWithoutAnIndexFile)
{
    const QString root = generateDelivery(
        QStringLiteral("disc"),
        {Photos, DeliveryOptions::Standard::Nexco2012, DeliveryOptions::Encoding::Utf8});
    ASSERT_TRUE(QFile::remove(hostPath(QStringLiteral("disc/INDEX_C.XML"))));
    ASSERT_EQ(library().dnXmlRead(root, 0), 1);
    const QStringList lines = gxtempLines();
    EXPECT_EQ(lines.value(0), QString::fromUtf16(Nexco24Line));
    EXPECT_FALSE(lines.join(u'\n').contains(QStringLiteral("工事名称")));
    EXPECT_EQ(rowCount(QStringLiteral("写真情報")), Photos);
}

TEST_F(WorksdataTest, LongFreeTextArrivesWholeThroughThePageReader)
{
    const QString root =
        generateDelivery(QStringLiteral("disc"),
                         {3, DeliveryOptions::Standard::Mlit, DeliveryOptions::Encoding::Utf8});
    QString text;
    for (int i = 0; text.size() < 2000; ++i)
        text += QStringLiteral("第%1節の工事内容を記す。").arg(i);
    writeFile(
        QStringLiteral("disc/INDEX_C.XML"),
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?><constdata><基礎情報><適用要領基準>土木200805-01"
        "</適用要領基準></基礎情報><工事件名等><工事内容>"
            + text.toUtf8() + "</工事内容></工事件名等></constdata>");
    ASSERT_EQ(library().dnXmlRead(root, 1), 1);

    GXTemp reader(QStringLiteral("準拠する要領"));
    ASSERT_TRUE(reader.open());
    QString freeText;
    QStringList labels;
    for (GXTemp::Line line; reader.readLine(&line);) {
        if (reader.inWidthSection())
            continue;
        labels.append(line.label);
        freeText += line.value;
    }
    EXPECT_EQ(freeText, text);
    ASSERT_GE(labels.size(), 4);
    EXPECT_EQ(labels.first(), QStringLiteral("工事内容"));
    for (const QString &label : labels.mid(1))
        EXPECT_EQ(label, QStringLiteral("\u3000"));
}
