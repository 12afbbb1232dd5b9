#include "jetdao/jetdao.h"
#include "jetdaotest.h"
#include "photodb/photodbschema.h"
#include "platform/fileops.h"
#include "platform/winpath.h"

using namespace JETDAO;

// The programs' queries, run as they write them.
namespace {

const QString Level1 = QStringLiteral("SELECT 撮影工種区分.[写真-大分類]") + QStringLiteral(" FROM 撮影工種区分 ")
    + QStringLiteral(" GROUP BY 撮影工種区分.[写真-大分類] ") + QStringLiteral(" ORDER BY 撮影工種区分.[写真-大分類] ");
const QString Level2 = QStringLiteral(
    "SELECT 撮影工種区分.写真区分 FROM 撮影工種区分 WHERE 撮影工種区分.[写真-大分類] = '%1' GROUP BY "
    "撮影工種区分.[写真-大分類], 撮影工種区分.写真区分  ORDER BY 撮影工種区分.写真区分 ");
const QString Level3 = QStringLiteral(
    "SELECT 撮影工種区分.工種 FROM 撮影工種区分 WHERE 撮影工種区分.[写真-大分類] = '%1' AND 撮影工種区分.写真区分 = "
    "'%2' GROUP BY 撮影工種区分.[写真-大分類], 撮影工種区分.写真区分, 撮影工種区分.工種 ORDER BY 撮影工種区分.工種 ");
const QString Level4 = QStringLiteral(
    "SELECT 撮影工種区分.種別 FROM 撮影工種区分 WHERE 撮影工種区分.[写真-大分類] = '%1' AND 撮影工種区分.写真区分 = "
    "'%2' AND 撮影工種区分.工種 = '%3' GROUP BY 撮影工種区分.[写真-大分類], 撮影工種区分.写真区分, 撮影工種区分.工種, "
    "撮影工種区分.種別 ORDER BY 撮影工種区分.種別 ");
const QString Level5 = QStringLiteral(
    "SELECT 撮影工種区分.細別 FROM 撮影工種区分 WHERE 撮影工種区分.[写真-大分類] = '%1' AND 撮影工種区分.写真区分 = "
    "'%2' AND 撮影工種区分.工種 = '%3' AND 撮影工種区分.種別 = '%4' GROUP BY 撮影工種区分.[写真-大分類], "
    "撮影工種区分.写真区分, 撮影工種区分.工種, 撮影工種区分.種別, 撮影工種区分.細別 ORDER BY 撮影工種区分.細別 ");

const QString ExpectedTemplateTable = QStringLiteral(
    "table|KOUJIMASTER|KOUJIMASTER|CREATE TABLE \"KOUJIMASTER\" (\"項目ＩＤ\" INTEGER, \"名称\" TEXT(255), "
    "\"子ＩＤ\" INTEGER, \"弟ＩＤ\" INTEGER, \"親ＩＤ\" INTEGER)");

class JetDaoQueries : public JetDaoTest
{
protected:
    void SetUp() override
    {
        JetDaoTest::SetUp();
        QStringList statements = photodb::createTableStatements();
        statements << QStringLiteral(
            "INSERT INTO 撮影工種区分 VALUES (1, '工事', '施工状況写真', '土工', '掘削工', '床掘り'), "
            "(2, '工事', '施工状況写真', '土工', '掘削工', '床掘り'), "
            "(3, '工事', '着手前及び完成写真', '', '', ''), "
            "(4, '工事', '施工状況写真', '舗装工', '', ''), "
            "(5, '', '品質管理写真', 'x', 'y', 'z'), "
            "(6, '工事', '施工状況写真', '土工', '掘削工', '埋戻し'), "
            "(7, 'O''Brien''s', '品質管理写真', '杭''工', '既製杭', '鋼管杭'), "
            "(8, '工事', '施工状況写真', '土工', '盛土工', '路体盛土')")
                   << QStringLiteral("INSERT INTO 写真ファイル情報 VALUES (1, 'P0000001.JPG', '床掘り.JPG'), "
                                     "(2, 'P0000002.JPG', '床掘り2.JPG')")
                   << QStringLiteral("INSERT INTO 写真情報Temp VALUES (1, 'D:\\棚\\001\\P0000001.JPG'), "
                                     "(2, 'D:\\棚\\002\\P0000002.JPG')")
                   << QStringLiteral("CREATE TABLE XML (ID INTEGER, FOLDER TEXT)");
        createDatabase(QStringLiteral("temp/G_PHOTO.mdb"), statements);
        m_photos.Open(tempWinPath() + QStringLiteral("G_PHOTO.mdb"), false, true, QString());
    }

    // The values of the query's only column, in the order read.
    QStringList column(const QString &sql, const QString &name)
    {
        QStringList values;
        CDaoRecordset recordset(&m_photos);
        recordset.Open(dbOpenDynaset, sql, dbReadOnly);
        while (!recordset.IsEOF()) {
            values.append(recordset.GetFieldValue(name).toString());
            recordset.MoveNext();
        }
        return values;
    }

    CDaoDatabase m_photos;
};

QString quoted(const QString &value)
{
    return EscapeQuotes(value);
}

} // namespace

TEST_F(JetDaoQueries, ClassificationLevelsComeAsGroupsInAscendingOrder)
{
    EXPECT_EQ(column(Level1, QStringLiteral("写真-大分類")),
              (QStringList{QString(), QStringLiteral("O'Brien's"), QStringLiteral("工事")}));
    EXPECT_EQ(column(Level2.arg(quoted(QStringLiteral("工事"))), QStringLiteral("写真区分")),
              (QStringList{QStringLiteral("施工状況写真"), QStringLiteral("着手前及び完成写真")}));
    EXPECT_EQ(column(Level3.arg(quoted(QStringLiteral("工事")), quoted(QStringLiteral("施工状況写真"))),
                     QStringLiteral("工種")),
              (QStringList{QStringLiteral("土工"), QStringLiteral("舗装工")}));
    EXPECT_EQ(column(Level4.arg(quoted(QStringLiteral("工事")), quoted(QStringLiteral("施工状況写真")),
                                quoted(QStringLiteral("土工"))),
                     QStringLiteral("種別")),
              (QStringList{QStringLiteral("掘削工"), QStringLiteral("盛土工")}));
    EXPECT_EQ(column(Level5.arg(quoted(QStringLiteral("工事")), quoted(QStringLiteral("施工状況写真")),
                                quoted(QStringLiteral("土工")), quoted(QStringLiteral("掘削工"))),
                     QStringLiteral("細別")),
              (QStringList{QStringLiteral("埋戻し"), QStringLiteral("床掘り")}));
    // A branch whose values hold quotes.
    EXPECT_EQ(column(Level4.arg(quoted(QStringLiteral("O'Brien's")), quoted(QStringLiteral("品質管理写真")),
                                quoted(QStringLiteral("杭'工"))),
                     QStringLiteral("種別")),
              QStringList{QStringLiteral("既製杭")});
}

TEST_F(JetDaoQueries, ThePhotoLookupsRunAsWritten)
{
    EXPECT_EQ(column(QStringLiteral("select * from 撮影工種区分 order by シリアル番号 asc"),
                     QStringLiteral("シリアル番号")),
              (QStringList{QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4"),
                           QStringLiteral("5"), QStringLiteral("6"), QStringLiteral("7"), QStringLiteral("8")}));
    EXPECT_EQ(column(QStringLiteral("select * from 写真ファイル情報  where シリアル番号 = %1 order by シリアル番号 asc")
                         .arg(2),
                     QStringLiteral("写真ファイル日本語名")),
              QStringList{QStringLiteral("床掘り2.JPG")});
    EXPECT_EQ(column(QStringLiteral("select * from 写真情報Temp  where シリアル番号 = %1 order by シリアル番号 asc")
                         .arg(1),
                     QStringLiteral("albumpath")),
              QStringList{QStringLiteral("D:\\棚\\001\\P0000001.JPG")});
    EXPECT_TRUE(column(QStringLiteral("select * from 写真情報"), QStringLiteral("シリアル番号")).isEmpty());

    CDaoRecordset others(&m_photos);
    others.Open(dbOpenDynaset, QStringLiteral("select * from XML"), dbReadOnly);
    EXPECT_EQ(others.GetRecordCount(), 0);
}

TEST_F(JetDaoQueries, TheTemplateHoldsExactlyTheEmptyNodeTable)
{
    win::mapDrive(QLatin1Char('P'), QStringLiteral(TESSERA_PROGRAM_DIR));
    const QString copy = tempWinPath() + QStringLiteral("KOUJIMASTER.MDB");
    ASSERT_TRUE(win::copyFile(QStringLiteral("P:\\KOUJIMASTER"), copy, false));

    EXPECT_EQ(engineRows(QStringLiteral("temp/KOUJIMASTER.MDB"),
                         QStringLiteral("SELECT type, name, tbl_name, sql FROM sqlite_master")),
              QStringList{ExpectedTemplateTable});

    CDaoDatabase tree;
    tree.Open(copy, false, false, QString());
    CDaoRecordset nodes(&tree);
    nodes.Open(dbOpenDynaset, QStringLiteral("select * from %1").arg(QStringLiteral("KOUJIMASTER")),
               dbConsistent);
    EXPECT_TRUE(nodes.IsEOF());
    EXPECT_EQ(nodes.GetRecordCount(), 0);
}
