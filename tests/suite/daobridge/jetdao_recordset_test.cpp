#include "jetdao/jetdao.h"
#include "jetdaotest.h"
#include "photodb/photodbschema.h"

using namespace JETDAO;

namespace {

const QString NodeTable = QStringLiteral(
    "CREATE TABLE KOUJIMASTER (\"項目ＩＤ\" INTEGER, \"名称\" TEXT(255), \"子ＩＤ\" INTEGER, "
    "\"弟ＩＤ\" INTEGER, \"親ＩＤ\" INTEGER)");

class JetDaoRecordset : public JetDaoTest
{
protected:
    void SetUp() override
    {
        JetDaoTest::SetUp();
        QStringList statements = photodb::createTableStatements();
        statements << QStringLiteral(
            "INSERT INTO 写真情報 (シリアル番号, 写真ファイル名, 写真ファイル日本語名, 付加情報, 代表写真) "
            "VALUES (12, 'P0000012.JPG', '着手前.JPG', 1, NULL), (7, 'P0000007.JPG', '', 0, '○'), "
            "(103, 'P0000103.JPG', '完成.JPG', 0, '')")
                   << NodeTable
                   << QStringLiteral("INSERT INTO KOUJIMASTER VALUES (1, 'ROOT', 0, 0, 0)");
        createDatabase(QStringLiteral("temp/G_PHOTO.mdb"), statements);
        m_database.Open(tempWinPath() + QStringLiteral("G_PHOTO.mdb"), false, false, QString());
    }

    void TearDown() override
    {
        m_database.Close();
        JetDaoTest::TearDown();
    }

    QString queryError(const QString &sql, int options = dbReadOnly)
    {
        CDaoRecordset recordset(&m_database);
        try {
            recordset.Open(dbOpenDynaset, sql, options);
        } catch (const CDaoException &error) {
            EXPECT_FALSE(recordset.IsOpen());
            return error.GetErrorMessage();
        }
        return QString();
    }

    QStringList nodes() const
    {
        return engineRows(QStringLiteral("temp/G_PHOTO.mdb"),
                          QStringLiteral("SELECT 項目ＩＤ, 名称, 子ＩＤ, 弟ＩＤ, 親ＩＤ, "
                                         "typeof(項目ＩＤ) || typeof(子ＩＤ) || typeof(弟ＩＤ) "
                                         "|| typeof(親ＩＤ) || typeof(名称) FROM KOUJIMASTER "
                                         "ORDER BY rowid"));
    }

    CDaoDatabase m_database;
};

const QString AllIntegers = QStringLiteral("integerintegerintegerinteger");

} // namespace

TEST_F(JetDaoRecordset, ReadsTextIntegersAndNullByColumnName)
{
    CDaoRecordset recordset(&m_database);
    recordset.Open(dbOpenDynaset, QStringLiteral("select * from 写真情報 order by シリアル番号"),
                   dbReadOnly);
    ASSERT_FALSE(recordset.IsEOF());

    const QVariant serial = recordset.GetFieldValue(QStringLiteral("シリアル番号"));
    EXPECT_EQ(serial.typeId(), QMetaType::Int);
    EXPECT_EQ(serial.toInt(), 7);
    const QVariant name = recordset.GetFieldValue(QStringLiteral("写真ファイル名"));
    EXPECT_EQ(name.typeId(), QMetaType::QString);
    EXPECT_EQ(name.toString(), QStringLiteral("P0000007.JPG"));
    EXPECT_EQ(recordset.GetFieldValue(QStringLiteral("写真ファイル日本語名")), QVariant(QString()));
    EXPECT_EQ(recordset.GetFieldValue(QStringLiteral("代表写真")).toString(), QStringLiteral("○"));
    EXPECT_FALSE(recordset.GetFieldValue(QStringLiteral("撮影箇所")).isValid());

    recordset.MoveNext();
    EXPECT_EQ(recordset.GetFieldValue(QStringLiteral("付加情報")), QVariant(1));
    EXPECT_FALSE(recordset.GetFieldValue(QStringLiteral("代表写真")).isValid());
}

TEST_F(JetDaoRecordset, ColumnNamesAreMatchedWithoutRegardToCaseAndUnknownOnesThrow)
{
    CDaoRecordset recordset(&m_database);
    recordset.Open(dbOpenDynaset, QStringLiteral("select * from 写真情報Temp"), dbReadOnly);
    EXPECT_TRUE(recordset.IsEOF());
    EXPECT_THROW(recordset.GetFieldValue(QStringLiteral("albumpath")), CDaoException);  // no row

    createDatabase(QStringLiteral("temp/G_PHOTO.mdb"),
                   {QStringLiteral("INSERT INTO 写真情報Temp VALUES (7, 'D:\\棚\\P0000007.JPG')")});
    recordset.Open(dbOpenDynaset, QStringLiteral("select * from 写真情報Temp"), dbReadOnly);
    EXPECT_EQ(recordset.GetFieldValue(QStringLiteral("ALBUMPATH")).toString(),
              QStringLiteral("D:\\棚\\P0000007.JPG"));
    EXPECT_EQ(recordset.GetFieldValue(QStringLiteral("AlbumPath")),
              recordset.GetFieldValue(QStringLiteral("albumpath")));
    try {
        recordset.GetFieldValue(QStringLiteral("写真ﾌｧｲﾙ名"));
        ADD_FAILURE() << "an unknown column was read";
    } catch (const CDaoException &error) {
        EXPECT_EQ(error.GetErrorMessage(), QStringLiteral("フィールド(写真ﾌｧｲﾙ名)が見つかりません。"));
    }

    recordset.Open(dbOpenDynaset, QStringLiteral("select シリアル番号 AS Serial from 写真情報"),
                   dbReadOnly);
    EXPECT_EQ(recordset.GetFieldValue(QStringLiteral("SERIAL")).toInt(),
              recordset.GetFieldValue(QStringLiteral("serial")).toInt());
}

TEST_F(JetDaoRecordset, MovesForwardToTheEnd)
{
    CDaoRecordset recordset(&m_database);
    recordset.Open(dbOpenDynaset, QStringLiteral("select * from 写真情報 order by シリアル番号 asc"),
                   dbReadOnly);
    QList<int> serials;
    while (!recordset.IsEOF()) {
        serials.append(recordset.GetFieldValue(QStringLiteral("シリアル番号")).toInt());
        recordset.MoveNext();
    }
    EXPECT_EQ(serials, (QList<int>{7, 12, 103}));
    EXPECT_THROW(recordset.MoveNext(), CDaoException);
    EXPECT_THROW(recordset.GetFieldValue(QStringLiteral("シリアル番号")), CDaoException);
    recordset.Close();
    EXPECT_FALSE(recordset.IsOpen());
    EXPECT_TRUE(recordset.IsEOF());
    EXPECT_THROW(recordset.MoveNext(), CDaoException);
}

TEST_F(JetDaoRecordset, RecordCountIsTheNumberOfRowsAndLeavesTheCursor)
{
    CDaoRecordset recordset(&m_database);
    recordset.Open(dbOpenDynaset, QStringLiteral("select * from 写真情報 order by シリアル番号;  "),
                   dbReadOnly);
    EXPECT_EQ(recordset.GetRecordCount(), 3);
    EXPECT_EQ(recordset.GetFieldValue(QStringLiteral("シリアル番号")).toInt(), 7);
    recordset.MoveNext();
    EXPECT_EQ(recordset.GetRecordCount(), 3);
    EXPECT_EQ(recordset.GetFieldValue(QStringLiteral("シリアル番号")).toInt(), 12);

    recordset.Open(dbOpenDynaset, QStringLiteral("select * from 写真情報Temp -- none yet"), dbReadOnly);
    EXPECT_EQ(recordset.GetRecordCount(), 0);
    recordset.Close();
    EXPECT_THROW(recordset.GetRecordCount(), CDaoException);
}

TEST_F(JetDaoRecordset, MissingTableBadQueryAndStatementsWithoutRowsAreRefused)
{
    EXPECT_EQ(queryError(QStringLiteral("select * from XML")),
              QStringLiteral("テーブル(XML)が見つかりません。\n\nselect * from XML"));
    EXPECT_TRUE(queryError(QStringLiteral("select 無い列 from 写真情報"))
                    .startsWith(QStringLiteral("フィールド(無い列)が見つかりません。")));
    EXPECT_TRUE(queryError(QStringLiteral("selec * from 写真情報"))
                    .startsWith(QStringLiteral("SQL 文が正しくありません。")));
    EXPECT_TRUE(queryError(QString()).startsWith(QStringLiteral("SQL 文が正しくありません。")));

    // Neither a second statement nor one that changes data is ever run.
    EXPECT_TRUE(queryError(QStringLiteral("select * from 写真情報; delete from 写真情報"))
                    .startsWith(QStringLiteral("SQL 文が正しくありません。")));
    EXPECT_TRUE(queryError(QStringLiteral("delete from 写真情報"))
                    .startsWith(QStringLiteral("クエリがレコードを返しません。")));
    EXPECT_TRUE(queryError(QStringLiteral("delete from 写真情報 returning シリアル番号"))
                    .startsWith(QStringLiteral("SQL 文が正しくありません。")));
    EXPECT_EQ(engineValue(QStringLiteral("temp/G_PHOTO.mdb"),
                          QStringLiteral("SELECT count(*) FROM 写真情報")),
              QVariant(qint64(3)));

    CDaoRecordset recordset(&m_database);
    EXPECT_THROW(recordset.Open(1, QStringLiteral("select * from 写真情報"), dbReadOnly), CDaoException);
}

TEST_F(JetDaoRecordset, AddNewStoresDecimalTextAsNumbers)
{
    CDaoRecordset recordset(&m_database);
    recordset.Open(dbOpenDynaset, QStringLiteral("select * from KOUJIMASTER"), dbConsistent);
    recordset.AddNew();
    recordset.SetFieldValue(QStringLiteral("項目ＩＤ"), QStringLiteral("2"));
    recordset.SetFieldValue(QStringLiteral("名称"), QStringLiteral("123"));
    recordset.SetFieldValue(QStringLiteral("子ＩＤ"), QStringLiteral("0"));
    recordset.SetFieldValue(QStringLiteral("弟ＩＤ"), QStringLiteral("0"));
    recordset.SetFieldValue(QStringLiteral("親ＩＤ"), QStringLiteral("9"));
    recordset.SetFieldValue(QStringLiteral("親ＩＤ"), QStringLiteral("1"));  // the last value counts
    recordset.Update();
    recordset.Close();

    EXPECT_EQ(nodes(), (QStringList{QStringLiteral("1|ROOT|0|0|0|") + AllIntegers + QStringLiteral("text"),
                                    QStringLiteral("2|123|0|0|1|") + AllIntegers + QStringLiteral("text")}));
}

TEST_F(JetDaoRecordset, EditChangesTheCurrentRowOnly)
{
    createDatabase(QStringLiteral("temp/G_PHOTO.mdb"),
                   {QStringLiteral("INSERT INTO KOUJIMASTER VALUES (2, 'A', 0, 0, 1), (3, 'B', 0, 0, 1)")});
    CDaoRecordset recordset(&m_database);
    recordset.Open(dbOpenDynaset,
                   QStringLiteral("select * from %1 where %2 = %3 and %4 = %5")
                       .arg(QStringLiteral("KOUJIMASTER"), QStringLiteral("弟ＩＤ"), QStringLiteral("0"),
                            QStringLiteral("親ＩＤ"), QStringLiteral("1")),
                   dbConsistent);
    EXPECT_EQ(recordset.GetRecordCount(), 2);
    recordset.MoveNext();
    recordset.Edit();
    recordset.SetFieldValue(QStringLiteral("弟ＩＤ"), QStringLiteral("4"));
    recordset.Update();
    recordset.Close();

    EXPECT_EQ(nodes(), (QStringList{QStringLiteral("1|ROOT|0|0|0|") + AllIntegers + QStringLiteral("text"),
                                    QStringLiteral("2|A|0|0|1|") + AllIntegers + QStringLiteral("text"),
                                    QStringLiteral("3|B|0|4|1|") + AllIntegers + QStringLiteral("text")}));
}

TEST_F(JetDaoRecordset, EditsAreRefusedOutsideAnEditableSingleTableQuery)
{
    CDaoRecordset recordset(&m_database);
    EXPECT_THROW(recordset.AddNew(), CDaoException);  // not open

    recordset.Open(dbOpenDynaset, QStringLiteral("select * from KOUJIMASTER"), dbReadOnly);
    EXPECT_THROW(recordset.AddNew(), CDaoException);
    EXPECT_THROW(recordset.Edit(), CDaoException);

    recordset.Open(dbOpenDynaset, QStringLiteral("select * from KOUJIMASTER"), dbConsistent);
    EXPECT_THROW(recordset.SetFieldValue(QStringLiteral("名称"), QStringLiteral("x")), CDaoException);
    EXPECT_THROW(recordset.Update(), CDaoException);

    for (const QString &sql :
         {QStringLiteral("SELECT 名称 FROM KOUJIMASTER GROUP BY 名称"),
          QStringLiteral("select distinct 名称 from KOUJIMASTER"),
          QStringLiteral("select count(*) AS n from KOUJIMASTER"),
          QStringLiteral("select k.名称, p.写真ファイル名 from KOUJIMASTER k, 写真情報 p")}) {
        recordset.Open(dbOpenDynaset, sql, dbConsistent);
        EXPECT_THROW(recordset.AddNew(), CDaoException) << sql.toStdString();
    }

    recordset.Open(dbOpenDynaset, QStringLiteral("select * from KOUJIMASTER where 項目ＩＤ = 99"),
                   dbConsistent);
    EXPECT_THROW(recordset.Edit(), CDaoException);  // no current row

    CDaoDatabase readOnly;
    readOnly.Open(tempWinPath() + QStringLiteral("G_PHOTO.mdb"), false, true, QString());
    CDaoRecordset onReadOnly(&readOnly);
    onReadOnly.Open(dbOpenDynaset, QStringLiteral("select * from KOUJIMASTER"), dbConsistent);
    EXPECT_THROW(onReadOnly.AddNew(), CDaoException);
    EXPECT_EQ(nodes().size(), 1);
}

TEST_F(JetDaoRecordset, NumberColumnsRefuseOtherText)
{
    CDaoRecordset recordset(&m_database);
    recordset.Open(dbOpenDynaset, QStringLiteral("select * from KOUJIMASTER"), dbConsistent);
    recordset.AddNew();
    for (const QString &bad : {QStringLiteral("abc"), QString(), QStringLiteral("1.5")}) {
        try {
            recordset.SetFieldValue(QStringLiteral("子ＩＤ"), bad);
            ADD_FAILURE() << "took " << bad.toStdString();
        } catch (const CDaoException &error) {
            EXPECT_EQ(error.GetErrorMessage(),
                      QStringLiteral("フィールド(子ＩＤ)には数値を設定してください。(%1)").arg(bad));
        }
    }
    EXPECT_THROW(recordset.SetFieldValue(QStringLiteral("無い列"), QStringLiteral("1")), CDaoException);
    recordset.SetFieldValue(QStringLiteral("子ＩＤ"), QStringLiteral(" -12 "));
    recordset.Update();
    EXPECT_EQ(engineValue(QStringLiteral("temp/G_PHOTO.mdb"),
                          QStringLiteral("SELECT 子ＩＤ FROM KOUJIMASTER WHERE 名称 IS NULL")),
              QVariant(qint64(-12)));
}

TEST_F(JetDaoRecordset, EscapedQuotesLetAValueWithAQuoteStandInAQuery)
{
    EXPECT_EQ(EscapeQuotes(QStringLiteral("O'Brien's")), QStringLiteral("O''Brien''s"));
    EXPECT_EQ(EscapeQuotes(QStringLiteral("土工")), QStringLiteral("土工"));

    createDatabase(QStringLiteral("temp/G_PHOTO.mdb"),
                   {QStringLiteral("INSERT INTO 写真情報 (シリアル番号, 写真タイトル) VALUES (200, '杭''打ち')")});
    const QString title = QStringLiteral("杭'打ち");
    const QString format = QStringLiteral("select * from 写真情報 where 写真タイトル = '%1'");
    EXPECT_FALSE(queryError(format.arg(title)).isEmpty());

    CDaoRecordset recordset(&m_database);
    recordset.Open(dbOpenDynaset, format.arg(EscapeQuotes(title)), dbReadOnly);
    ASSERT_FALSE(recordset.IsEOF());
    EXPECT_EQ(recordset.GetFieldValue(QStringLiteral("シリアル番号")).toInt(), 200);
    EXPECT_EQ(recordset.GetFieldValue(QStringLiteral("写真タイトル")).toString(), title);
}
