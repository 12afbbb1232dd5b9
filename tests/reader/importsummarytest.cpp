#include "importsettings.h"
#include "importsummary.h"

#include <gtest/gtest.h>

#include <memory>

using namespace reader;

namespace {

using Rows = QList<SummaryRow>;

const SummaryRow Blank;

SummaryRow row(const char *label, const QString &value)
{
    return {QString::fromUtf8(label), value};
}

std::unique_ptr<ImportSettings> standardDelivery()
{
    auto settings = std::make_unique<ImportSettings>();
    settings->m_strShelfDefault = QStringLiteral("D:\\本棚\\data2");
    settings->m_strShelfPath = QStringLiteral("D:\\本棚\\別の本棚");
    settings->m_strDataPath = QStringLiteral("E:\\");
    settings->m_strStandardName = QStringLiteral("デジタル写真管理情報基準 平成22年9月");
    settings->m_nDeliveryKind = StandardDelivery;
    return settings;
}

std::unique_ptr<ImportSettings> governmentBuildingDelivery()
{
    auto settings = standardDelivery();
    settings->m_strDataPath = QStringLiteral("D:\\営繕\\庁舎改修");
    settings->m_nDeliveryKind = GovernmentBuildingDelivery;
    settings->m_nPhotoCount = 20;
    settings->m_nAlbumNum = 2;
    settings->m_albums[0].albumName = QStringLiteral("基礎工事");
    settings->m_albums[0].photoCount = 12;
    settings->m_albums[1].albumName = QStringLiteral("外壁");
    settings->m_albums[1].photoCount = 8;
    settings->m_albums[2].albumName = QStringLiteral("stale");
    return settings;
}

} // namespace

TEST(ImportSummary, StandardDeliveryIntoANewBookshelfByCount)
{
    const auto settings = standardDelivery();
    const Rows expected = {
        Blank,
        row("　入力形式", QStringLiteral("新規に本棚を作成し、Tesseraに取り込みます")),
        Blank,
        row("　本棚作成フォルダパス", QStringLiteral("D:\\本棚\\別の本棚")),
        Blank,
        row("　入力データのパス", QStringLiteral("E:\\")),
        Blank,
        row("　準拠する要領", QStringLiteral("デジタル写真管理情報基準 平成22年9月")),
        Blank,
        row("　アルバムの作成方法", QStringLiteral("枚数指定")),
        Blank,
        row("　指定枚数", QStringLiteral("200 枚")),
        Blank,
        row("　写真取込み形式", QStringLiteral("写真ファイル名で取り込みます")),
    };
    EXPECT_EQ(importSummaryRows(*settings), expected);
}

TEST(ImportSummary, EmptiedFolderBoxShowsTheProposedFolder)
{
    auto settings = standardDelivery();
    settings->m_strShelfPath.clear();
    EXPECT_EQ(importSummaryRows(*settings).at(3),
              row("　本棚作成フォルダパス", QStringLiteral("D:\\本棚\\data2")));
}

TEST(ImportSummary, ReferenceOnlyByClassificationWithJapaneseNames)
{
    auto settings = standardDelivery();
    settings->m_nImportNew = 0;
    settings->m_nReferOnly = 1;
    settings->m_nAlbumType = AlbumsByClassification;
    settings->m_nClassLevel = 4;
    settings->m_nFileNameByPhoto = 0;
    settings->m_nFileNameByJapanese = 1;
    const Rows expected = {
        Blank,
        row("　入力形式", QStringLiteral("Tesseraには取り込まず、参照のみ行います")),
        Blank,
        row("　入力データのパス", QStringLiteral("E:\\")),
        Blank,
        row("　準拠する要領", QStringLiteral("デジタル写真管理情報基準 平成22年9月")),
        Blank,
        row("　アルバムの作成方法", QStringLiteral("分類指定")),
        Blank,
        row("　分類名", QStringLiteral("写真-大分類、写真区分、工種、種別、細別別")),
        Blank,
        row("　写真取込み形式", QStringLiteral("写真ファイル日本語名で取り込みます")),
    };
    EXPECT_EQ(importSummaryRows(*settings), expected);
}

TEST(ImportSummary, NamesEveryClassificationLevel)
{
    auto settings = standardDelivery();
    settings->m_nAlbumType = AlbumsByClassification;
    const QStringList names = {
        QString(),
        QStringLiteral("写真-大分類、写真区分別"),
        QStringLiteral("写真-大分類、写真区分、工種別"),
        QStringLiteral("写真-大分類、写真区分、工種、種別別"),
        QStringLiteral("写真-大分類、写真区分、工種、種別、細別別"),
        QStringLiteral("工種のみ"),
        QString(),
    };
    for (int level = 0; level < names.size(); ++level) {
        settings->m_nClassLevel = level;
        EXPECT_EQ(importSummaryRows(*settings).at(11), row("　分類名", names.at(level)))
            << "level " << level;
    }
}

TEST(ImportSummary, GovernmentBuildingDeliveryListsItsAlbums)
{
    const auto settings = governmentBuildingDelivery();
    const Rows expected = {
        Blank,
        row("　入力形式", QStringLiteral("新規に本棚を作成し、Tesseraに取り込みます")),
        Blank,
        row("　本棚作成フォルダパス", QStringLiteral("D:\\本棚\\別の本棚")),
        Blank,
        row("　入力データのパス", QStringLiteral("D:\\営繕\\庁舎改修")),
        Blank,
        row("　準拠する要領", QStringLiteral("国土交通省 営繕工事写真撮影要領（平成24年版）")),
        Blank,
        row("　入力写真総枚数", QStringLiteral("20 枚")),
        Blank,
        row("　作成アルバム数", QStringLiteral("2 個")),
        Blank,
        row("　[ALBUM1]の名前", QStringLiteral("基礎工事 ")),
        row("　[ALBUM1]の写真枚数", QStringLiteral("12 枚")),
        Blank,
        row("　[ALBUM2]の名前", QStringLiteral("外壁 ")),
        row("　[ALBUM2]の写真枚数", QStringLiteral("8 枚")),
        Blank,
    };
    EXPECT_EQ(importSummaryRows(*settings), expected);
}

TEST(ImportSummary, GovernmentBuilding2002EditionReferenceOnly)
{
    auto settings = governmentBuildingDelivery();
    settings->m_nStd2012 = 0;
    settings->m_nStd2002 = 1;
    settings->m_nImportNew = 0;
    settings->m_nReferOnly = 1;
    const Rows rows = importSummaryRows(*settings);
    ASSERT_EQ(rows.size(), 17);
    EXPECT_EQ(rows.at(1), row("　入力形式", QStringLiteral("Tesseraには取り込まず、参照のみ行います")));
    EXPECT_EQ(rows.at(5), row("　準拠する要領",
                              QStringLiteral("国土交通省 営繕工事電子納品要領（案）（平成14年11月改訂版）")));
}

TEST(ImportSummary, ValueHeadingIsTheLongestTextTheEarlierOnATie)
{
    ImportSettings settings;
    EXPECT_EQ(summaryValueHeading(settings), QString());

    settings.m_strShelfPath = QStringLiteral("D:\\a");
    settings.m_strShelfDefault = QStringLiteral("D:\\bb");
    settings.m_strStandardName = QStringLiteral("要領の名称");
    settings.m_strDataPath = QStringLiteral("E:\\");
    EXPECT_EQ(summaryValueHeading(settings), QStringLiteral("D:\\bb"));

    settings.m_strDataPath = QStringLiteral("E:\\納品データ");
    EXPECT_EQ(summaryValueHeading(settings), QStringLiteral("E:\\納品データ"));

    settings.m_strShelfPath = QStringLiteral("D:\\本棚\\データ");
    EXPECT_EQ(summaryValueHeading(settings), QStringLiteral("D:\\本棚\\データ"));

    EXPECT_EQ(summaryLabelHeading(), QString(35, u' '));
}
