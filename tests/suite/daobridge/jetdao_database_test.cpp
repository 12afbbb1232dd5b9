#include "jetdao/jetdao.h"
#include "jetdaotest.h"
#include "ui/queuedanswerer.h"

#include <QFile>
#include <QFileInfo>

#include <sqlite3.h>

#include <unistd.h>

using namespace JETDAO;

namespace {

class JetDaoDatabase : public JetDaoTest
{
protected:
    void SetUp() override
    {
        JetDaoTest::SetUp();
        createDatabase(QStringLiteral("temp/G_PHOTO.mdb"),
                       {QStringLiteral("CREATE TABLE XML (id INTEGER, name TEXT)"),
                        QStringLiteral("INSERT INTO XML VALUES (1, 'a')")});
    }

    QString photoPath() const { return tempWinPath() + QStringLiteral("G_PHOTO.mdb"); }

    // The error text of opening the path, empty when it opened.
    static QString openError(const QString &path, bool readOnly = true)
    {
        CDaoDatabase database;
        try {
            database.Open(path, false, readOnly, QString());
        } catch (const CDaoException &error) {
            EXPECT_FALSE(database.IsOpen());
            return error.GetErrorMessage();
        }
        return QString();
    }
};

} // namespace

TEST_F(JetDaoDatabase, OpensReadOnlyAndWritableAndCloses)
{
    CDaoDatabase database;
    EXPECT_FALSE(database.IsOpen());
    database.Open(photoPath(), false, true, QString());
    EXPECT_TRUE(database.IsOpen());
    EXPECT_THROW(database.Open(photoPath(), false, true, QString()), CDaoException);
    database.Close();
    EXPECT_FALSE(database.IsOpen());
    database.Close();  // twice is harmless

    database.Open(photoPath(), false, false, QString());
    EXPECT_TRUE(database.IsOpen());
}

TEST_F(JetDaoDatabase, FindsTheFileWithoutRegardToCase)
{
    EXPECT_EQ(openError(tempWinPath() + QStringLiteral("g_photo.MDB")), QString());
}

TEST_F(JetDaoDatabase, MissingFileIsRefusedAndNeverCreated)
{
    const QString missing = winPath(QStringLiteral("nothing.mdb"));
    for (const bool readOnly : {true, false}) {
        EXPECT_EQ(openError(missing, readOnly),
                  QStringLiteral("データベース ファイル(D:\\nothing.mdb)が見つかりません。"));
        EXPECT_FALSE(QFileInfo::exists(hostPath(QStringLiteral("nothing.mdb"))));
    }
    EXPECT_TRUE(openError(winPath(QStringLiteral("no\\folder\\G_PHOTO.mdb"))).contains(
        QStringLiteral("が見つかりません")));
    EXPECT_FALSE(QFileInfo::exists(hostPath(QStringLiteral("no"))));
    EXPECT_TRUE(openError(QStringLiteral("X:\\G_PHOTO.mdb")).contains(QStringLiteral("が見つかりません")));
}

TEST_F(JetDaoDatabase, FileThatIsNotADatabaseIsRefusedAndLeftAsItWas)
{
    const QByteArray text = utf16le(QStringLiteral("工事名称 道路\r\n"));
    writeFile(QStringLiteral("text.mdb"), text);
    writeFile(QStringLiteral("empty.mdb"), QByteArray());
    writeFile(QStringLiteral("fake.mdb"),
              QByteArray("SQLite format 3\0", 16) + QByteArray(600, '\xA5'));
    makeFolder(QStringLiteral("folder.mdb"));

    for (const QString &name : {QStringLiteral("text.mdb"), QStringLiteral("empty.mdb"),
                               QStringLiteral("fake.mdb"), QStringLiteral("folder.mdb")}) {
        for (const bool readOnly : {true, false}) {
            EXPECT_EQ(openError(winPath(name), readOnly),
                      QStringLiteral("ファイル(D:\\%1)はデータベースではありません。").arg(name))
                << name.toStdString() << " readOnly " << readOnly;
        }
    }
    EXPECT_EQ(readFile(QStringLiteral("text.mdb")), text);
    EXPECT_EQ(readFile(QStringLiteral("empty.mdb")), QByteArray());
}

TEST_F(JetDaoDatabase, LockedDatabaseIsRefused)
{
    sqlite3 *holder = nullptr;
    ASSERT_EQ(sqlite3_open_v2(QFile::encodeName(tempHostPath(QStringLiteral("G_PHOTO.mdb"))).constData(),
                              &holder, SQLITE_OPEN_READWRITE, nullptr),
              SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(holder, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);

    EXPECT_EQ(openError(photoPath()),
              QStringLiteral("データベース(%1)は他のプログラムが使用中のため開けません。").arg(photoPath()));

    sqlite3_exec(holder, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close_v2(holder);
    EXPECT_EQ(openError(photoPath()), QString());
}

TEST_F(JetDaoDatabase, AReadOnlyDatabaseIsKeptFromChangesUntilClosed)
{
    sqlite3 *writer = nullptr;
    ASSERT_EQ(sqlite3_open_v2(QFile::encodeName(tempHostPath(QStringLiteral("G_PHOTO.mdb"))).constData(),
                              &writer, SQLITE_OPEN_READWRITE, nullptr),
              SQLITE_OK);
    const char *change = "UPDATE XML SET name = 'b'";
    {
        CDaoDatabase database;
        database.Open(photoPath(), false, true, QString());
        EXPECT_EQ(sqlite3_exec(writer, change, nullptr, nullptr, nullptr), SQLITE_BUSY);
        CDaoRecordset recordset(&database);
        recordset.Open(dbOpenDynaset, QStringLiteral("select * from XML"), dbReadOnly);
        EXPECT_EQ(recordset.GetFieldValue(QStringLiteral("name")).toString(), QStringLiteral("a"));
    }
    EXPECT_EQ(sqlite3_exec(writer, change, nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close_v2(writer);
}

TEST_F(JetDaoDatabase, UnreadableFileIsRefused)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "running as root: every file can be read";
    const QString host = tempHostPath(QStringLiteral("G_PHOTO.mdb"));
    QFile::setPermissions(host, QFileDevice::Permissions());
    EXPECT_EQ(openError(photoPath()),
              QStringLiteral("データベース(%1)を開けません。ファイルを読み取れません。").arg(photoPath()));
    QFile::setPermissions(host, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

TEST_F(JetDaoDatabase, CreateMakesADatabaseThatOpensAgainAndRefusesAnExistingFile)
{
    const QString path = winPath(QStringLiteral("KOUJIMASTER"));
    {
        CDaoDatabase database;
        database.Create(path);
        EXPECT_TRUE(database.IsOpen());
        CDaoTableDef table(&database);
        table.Create(QStringLiteral("T"));
        table.CreateField(QStringLiteral("番号"), CDaoTableDef::dbLong);
        table.CreateField(QStringLiteral("名前"), CDaoTableDef::dbText, 40);
        table.CreateField(QStringLiteral("説明"), CDaoTableDef::dbMemo);
        table.Append();
        EXPECT_THROW(table.Append(), CDaoException);  // exists now
    }
    EXPECT_EQ(openError(path, false), QString());
    EXPECT_EQ(engineValue(QStringLiteral("KOUJIMASTER"),
                          QStringLiteral("SELECT sql FROM sqlite_master WHERE name = 'T'")),
              QStringLiteral("CREATE TABLE \"T\" (\"番号\" INTEGER, \"名前\" TEXT(40), \"説明\" TEXT)"));

    const QByteArray before = readFile(QStringLiteral("KOUJIMASTER"));
    CDaoDatabase again;
    try {
        again.Create(path);
        ADD_FAILURE() << "an existing file was taken";
    } catch (const CDaoException &error) {
        EXPECT_EQ(error.GetErrorMessage(),
                  QStringLiteral("ファイル(D:\\KOUJIMASTER)は既に存在します。"));
    }
    EXPECT_EQ(readFile(QStringLiteral("KOUJIMASTER")), before);
    EXPECT_THROW(again.Create(winPath(QStringLiteral("no\\folder\\new.mdb"))), CDaoException);
}

TEST_F(JetDaoDatabase, TableWithoutFieldsIsRefused)
{
    CDaoDatabase database;
    database.Open(photoPath(), false, false, QString());
    CDaoTableDef table(&database);
    table.Create(QStringLiteral("空"));
    EXPECT_THROW(table.Append(), CDaoException);
}

TEST_F(JetDaoDatabase, ReportErrorShowsAWarningBoxWithOk)
{
    ui::QueuedAnswerer answerer;
    try {
        CDaoDatabase database;
        database.Open(winPath(QStringLiteral("nothing.mdb")), false, true, QString());
    } catch (const CDaoException &error) {
        error.ReportError(0, 0);
    }
    ASSERT_EQ(answerer.messageBoxes().size(), 1);
    const ui::MessageBoxRequest &box = answerer.messageBoxes().first();
    EXPECT_EQ(box.text, QStringLiteral("データベース ファイル(D:\\nothing.mdb)が見つかりません。"));
    EXPECT_EQ(box.icon, ui::Icon::Warning);
    EXPECT_EQ(box.buttons, ui::Buttons::Ok);
}

TEST_F(JetDaoDatabase, ClosingTheDatabaseClosesItsRecordsets)
{
    CDaoDatabase database;
    database.Open(photoPath(), false, true, QString());
    CDaoRecordset first(&database);
    CDaoRecordset second(&database);
    first.Open(dbOpenDynaset, QStringLiteral("select * from XML"), dbReadOnly);
    second.Open(dbOpenDynaset, QStringLiteral("select * from XML"), dbReadOnly);
    database.Close();
    EXPECT_FALSE(first.IsOpen());
    EXPECT_FALSE(second.IsOpen());
    EXPECT_THROW(first.Open(dbOpenDynaset, QStringLiteral("select * from XML"), dbReadOnly),
                 CDaoException);
}
