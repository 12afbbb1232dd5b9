#include "cshelfwardenapp.h"
#include "testsuiteservices.h"

#include "workspacetest.h"

using namespace shelfwarden;

class ShelfWardenAppTest : public WorkspaceTest
{
protected:
    void SetUp() override
    {
        WorkspaceTest::SetUp();
        qputenv("TESSERA_SUITE_DATA", "D:\\users\\suite");
        makeFolder(QStringLiteral("prog"));
    }

    void TearDown() override
    {
        qunsetenv("TESSERA_SUITE_DATA");
        WorkspaceTest::TearDown();
    }

    QString programFolder() const { return winPath(QStringLiteral("prog\\")); }

    // A profile folder under the per-user data root naming a data folder.
    void addShelf(const QString &profileFolder, const QString &name, const QString &dataFolder,
                  bool withData = true)
    {
        QByteArray profile = "[COMMON]\r\nbksname=" + name.toUtf8() + "\r\n";
        if (!dataFolder.isEmpty())
            profile += "DataDir=" + winPath(dataFolder).toUtf8() + "\r\n";
        writeFile(QStringLiteral("users/suite/") + profileFolder + QStringLiteral("/BKSPROF.DAT"),
                  utf16le(QString::fromUtf8(profile)));
        if (withData && !dataFolder.isEmpty())
            writeFile(dataFolder + QStringLiteral("/kouji.xml"), "<kouji/>");
    }

    const suiteapi::SuiteCommonFunctions m_suite = testSuiteCommon();
};

TEST_F(ShelfWardenAppTest, DataRootRules)
{
    CShelfWardenApp app(m_suite);
    app.locateDataRoot(programFolder());
    EXPECT_EQ(app.suiteDataRoot(), QStringLiteral("D:\\users\\suite\\"));

    writeFile(QStringLiteral("prog/Profile.dat"), "[common]\r\nChecked=1\r\n");
    app.locateDataRoot(programFolder());
    EXPECT_EQ(app.suiteDataRoot(), programFolder());

    writeFile(QStringLiteral("prog/Profile.dat"), "[common]\r\nChecked=0\r\n");
    setPerUserDataFolder(false);
    app.locateDataRoot(programFolder());
    EXPECT_EQ(app.suiteDataRoot(), programFolder());

    // RootDir of the data root's Profile.dat moves the root.
    writeFile(QStringLiteral("prog/Profile.dat"), "[COMMON]\r\nRootDir=D:\\elsewhere\r\n");
    app.locateDataRoot(programFolder());
    EXPECT_EQ(app.suiteDataRoot(), QStringLiteral("D:\\elsewhere\\"));
}

TEST_F(ShelfWardenAppTest, DiscoveryStopsAtTheFirstMissingProfileFolder)
{
    writeFile(QStringLiteral("users/suite/Profile.dat"), "[COMMON]\r\nactivebks=1\r\n");
    addShelf(QStringLiteral("data"), QStringLiteral("一号工事"), QStringLiteral("shelves/one"));
    addShelf(QStringLiteral("data1"), QStringLiteral("二号工事"), QStringLiteral("shelves/two"));
    addShelf(QStringLiteral("data3"), QStringLiteral("四号工事"), QStringLiteral("shelves/four"));

    CShelfWardenApp app(m_suite);
    app.locateDataRoot(programFolder());
    app.discoverShelves();
    EXPECT_EQ(app.shelfNames(), (QStringList{QStringLiteral("一号工事"), QStringLiteral("二号工事")}));
    EXPECT_EQ(app.dataDirs(), (QStringList{winPath(QStringLiteral("shelves\\one")),
                                           winPath(QStringLiteral("shelves\\two"))}));
    EXPECT_EQ(app.folderStates(), (QStringList{QStringLiteral("ON"), QStringLiteral("ON")}));
    EXPECT_EQ(app.activeShelf(), 1);
}

TEST_F(ShelfWardenAppTest, MissingDataAndEmptyDataDir)
{
    writeFile(QStringLiteral("users/suite/Profile.dat"), "[COMMON]\r\nactivebks=1\r\n");
    addShelf(QStringLiteral("data"), QStringLiteral("一号工事"), QStringLiteral("shelves/one"),
             false);
    // activebks names a profile folder without DataDir: left out, and the
    // first bookshelf is the active one.
    addShelf(QStringLiteral("data1"), QStringLiteral("空"), QString());
    addShelf(QStringLiteral("data2"), QStringLiteral("三号工事"), QStringLiteral("shelves/three"));

    CShelfWardenApp app(m_suite);
    app.locateDataRoot(programFolder());
    app.discoverShelves();
    EXPECT_EQ(app.shelfNames(), (QStringList{QStringLiteral("一号工事"), QStringLiteral("三号工事")}));
    EXPECT_EQ(app.dataDirs().at(0),
              winPath(QStringLiteral("shelves\\one")) + QStringLiteral("（データフォルダが見つかりません）"));
    EXPECT_EQ(app.folderStates(), (QStringList{QStringLiteral("OFF"), QStringLiteral("ON")}));
    EXPECT_EQ(app.activeShelf(), 0);
}

TEST_F(ShelfWardenAppTest, InstanceNameFromTheCommandLine)
{
    writeFile(QStringLiteral("prog/ShelfWarden.exe"), "MZ");
    const CShelfWardenApp app(m_suite);
    const QString name = QStringLiteral("D00PROG0SHELFWARDEN.EXE");
    EXPECT_EQ(app.instanceName(QStringLiteral("\"D:\\prog\\ShelfWarden.exe\""),
                               QStringLiteral("ShelfWarden.exe")),
              name);
    EXPECT_EQ(app.instanceName(QStringLiteral("D:\\PROG\\shelfwarden.EXE -x"),
                               QStringLiteral("ShelfWarden.exe")),
              name);
    // In a drive root the backslash after the colon stays.
    EXPECT_EQ(app.instanceName(QStringLiteral("\"D:\\ShelfWarden.exe\""),
                               QStringLiteral("ShelfWarden.exe")),
              QStringLiteral("D00SHELFWARDEN.EXE"));
}
