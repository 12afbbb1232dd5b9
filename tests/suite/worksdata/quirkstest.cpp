// What real deliveries do that their DTDs do not allow: the delivery in
// tests/data/worksdata/quirks holds each of them (Shift_JIS with CP932
// characters, CR LF, a blank before "?>", mixed indentation, empty
// elements, classes without lower levels, 代表写真 inside 撮影情報,
// lower-case .jpg, half-width katakana, no final newline, a design-work
// index naming a DTD that is not on the disc).
#include "worksdatatest.h"

namespace {

class QuirksTest : public WorksdataTest
{
protected:
    void SetUp() override
    {
        WorksdataTest::SetUp();
        m_root = copyTestDelivery(QStringLiteral("quirks"));
    }

    QVariantMap photo(int serial) const
    {
        const QList<QVariantMap> found = rows(
            QStringLiteral("select * from 写真情報 where シリアル番号 = %1").arg(serial),
            {QStringLiteral("写真ファイル名"), QStringLiteral("写真ファイル日本語名"),
             QStringLiteral("写真-大分類"), QStringLiteral("写真区分"), QStringLiteral("工種"),
             QStringLiteral("細別"), QStringLiteral("写真タイトル"), QStringLiteral("付加情報"),
             QStringLiteral("撮影箇所"), QStringLiteral("施工管理値"), QStringLiteral("代表写真"),
             QStringLiteral("提出頻度写真")});
        EXPECT_EQ(found.size(), 1) << serial;
        return found.value(0);
    }

    QString m_root;
};

} // namespace

TEST_F(QuirksTest, IsReadWithItsDesignWorkIndex)
{
    QString indexName;
    EXPECT_EQ(library().getPlanFlag(m_root, &indexName), 2);
    EXPECT_EQ(indexName, QStringLiteral("INDEX_D.XML"));
    EXPECT_EQ(library().checkPhotoFolder(m_root + QStringLiteral("\\PHOTO")), 1);
    ASSERT_EQ(library().dnXmlRead(m_root, 2), 1);
}

TEST_F(QuirksTest, PhotosKeepTheirSerialNumbersAndValues)
{
    ASSERT_EQ(library().dnXmlRead(m_root, 2), 1);
    const QList<QVariantMap> serials =
        rows(QStringLiteral("select * from 撮影工種区分"), {QStringLiteral("シリアル番号")});
    QList<int> numbers;
    for (const QVariantMap &row : serials)
        numbers.append(row.value(QStringLiteral("シリアル番号")).toInt());
    // The fourth photo has an empty シリアル番号 and takes its position.
    EXPECT_EQ(numbers, (QList<int> {7, 12, 103, 4}));

    const QVariantMap crane = photo(7);
    EXPECT_EQ(crane.value(QStringLiteral("写真ファイル名")).toString(),
              QStringLiteral("p0000007.jpg"));
    EXPECT_EQ(crane.value(QStringLiteral("写真タイトル")).toString(),
              QStringLiteral("ｸﾚｰﾝ 据付状況"));
    EXPECT_EQ(crane.value(QStringLiteral("代表写真")).toString(), QStringLiteral("1"));
    EXPECT_EQ(crane.value(QStringLiteral("付加情報")).toInt(), 0); // an empty 付加情報 block
    EXPECT_EQ(crane.value(QStringLiteral("細別")).toString(), QStringLiteral("土砂掘削"));

    const QVariantMap survey = photo(12);
    EXPECT_EQ(survey.value(QStringLiteral("写真ファイル日本語名")).toString(),
              QStringLiteral("①号橋 踏査.JPG"));
    EXPECT_EQ(survey.value(QStringLiteral("写真-大分類")).toString(), QStringLiteral("調査"));
    EXPECT_EQ(survey.value(QStringLiteral("写真区分")).toString(), QString());
    EXPECT_EQ(survey.value(QStringLiteral("付加情報")).toInt(), 2);
    EXPECT_EQ(survey.value(QStringLiteral("施工管理値")).toString(),
              QStringLiteral("設計 1.5m 実測 1.52m"));
    EXPECT_EQ(survey.value(QStringLiteral("提出頻度写真")).toString(), QStringLiteral("1"));

    const QVariantMap core = photo(103);
    EXPECT_EQ(core.value(QStringLiteral("写真タイトル")).toString(),
              QStringLiteral("コア A&B <深度10m>"));
    EXPECT_EQ(core.value(QStringLiteral("撮影箇所")).toString(), QString());
    EXPECT_EQ(core.value(QStringLiteral("写真ファイル日本語名")).toString(), QString());

    EXPECT_EQ(photo(4).value(QStringLiteral("工種")).toString(), QStringLiteral("L'型擁壁工"));
}

TEST_F(QuirksTest, AlbumPathsStayInThePhotoFolder)
{
    ASSERT_EQ(library().dnXmlRead(m_root, 2), 1);
    const QList<QVariantMap> paths =
        rows(QStringLiteral("select * from 写真情報Temp"), {QStringLiteral("albumpath")});
    ASSERT_EQ(paths.size(), 4);
    const QString folder = m_root + QStringLiteral("\\PHOTO\\PIC\\");
    EXPECT_EQ(paths[0].value(QStringLiteral("albumpath")).toString(),
              folder + QStringLiteral("p0000007.jpg"));
    // "..\..\P0000104.JPG" must not lead out of the delivery.
    EXPECT_EQ(paths[3].value(QStringLiteral("albumpath")).toString(),
              folder + QStringLiteral("P0000104.JPG"));
}

TEST_F(QuirksTest, GXTempShowsTheIndexAndPutsFreeTextLast)
{
    ASSERT_EQ(library().dnXmlRead(m_root, 2), 1);
    const QStringList lines = gxtempLines();
    ASSERT_FALSE(lines.isEmpty());
    EXPECT_EQ(
        lines.first(),
        QStringLiteral("写真管理基準 国土交通省 デジタル写真管理情報基準（平成２２年９月版準拠)"));
    EXPECT_TRUE(lines.contains(QStringLiteral("    参考図フォルダ名")));
    EXPECT_TRUE(lines.contains(QStringLiteral("    参考図枚数 2")));
    EXPECT_TRUE(lines.contains(QStringLiteral("索引ファイル INDEX_D.XML")));
    EXPECT_TRUE(lines.contains(QStringLiteral("    業務名称 平成２２年度　①号橋梁詳細設計業務")));
    EXPECT_TRUE(lines.contains(QStringLiteral("    業務番号 ｷﾞｮｳﾑ-0001")));
    EXPECT_TRUE(lines.contains(QStringLiteral("        住所 群馬県高崎市")));
    EXPECT_TRUE(lines.contains(QStringLiteral("    発注者-小分類")));
    // Reserved fields and the maker's private data are not shown.
    EXPECT_FALSE(lines.join(u'\n').contains(QStringLiteral("A-17")));
    EXPECT_FALSE(lines.join(u'\n').contains(QStringLiteral("XYZ-Maker")));

    const qsizetype sectionEnd = lines.indexOf(
        QStringLiteral("準拠する要領 国土交通省 デジタル写真管理情報基準（平成２２年９月版準拠)"));
    ASSERT_GE(sectionEnd, 0);
    // The free text's line break became a blank, so it stays on its line.
    EXPECT_EQ(lines.mid(sectionEnd + 1),
              QStringList {QStringLiteral("業務概要 本業務は、①号橋の詳細設計を行うものである。  "
                                          "下部工及び上部工の構造計算を含む。")});
}
