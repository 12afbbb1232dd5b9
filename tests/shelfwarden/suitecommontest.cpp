#include "suiteapi/suitecommon.h"

#include "workspacetest.h"

#include <algorithm>

namespace {

QString call(int (*function)(const char16_t *, char16_t *), const QString &argument, int *result)
{
    char16_t buffer[260] = {u'x'};
    *result = function(reinterpret_cast<const char16_t *>(argument.utf16()), buffer);
    return QString::fromUtf16(buffer);
}

QString catPath(const QString &path, const QString &name, int *result)
{
    char16_t buffer[260] = {};
    std::copy_n(reinterpret_cast<const char16_t *>(path.utf16()), path.size(), buffer);
    *result = CatPath(buffer, reinterpret_cast<const char16_t *>(name.utf16()));
    return QString::fromUtf16(buffer);
}

} // namespace

using SuiteCommonTest = WorkspaceTest;

TEST_F(SuiteCommonTest, CatPathPutsOneBackslashBetween)
{
    int result = 0;
    EXPECT_EQ(catPath(QStringLiteral("D:\\Suite"), QStringLiteral("ShelfWarden.exe"), &result),
              QStringLiteral("D:\\Suite\\ShelfWarden.exe"));
    EXPECT_EQ(result, 1);
    EXPECT_EQ(catPath(QStringLiteral("D:\\"), QStringLiteral("\\a.txt"), &result),
              QStringLiteral("D:\\a.txt"));
    // Too long for the buffer: the path stays as it was.
    EXPECT_EQ(catPath(QStringLiteral("D:\\a"), QString(300, QLatin1Char('n')), &result),
              QStringLiteral("D:\\a"));
    EXPECT_EQ(result, 0);
}

TEST_F(SuiteCommonTest, LongPathIsThePathItself)
{
    int result = 0;
    const QString missing = QStringLiteral("D:\\棚\\data（データフォルダが見つかりません）");
    EXPECT_EQ(call(GetLongPath, missing, &result), missing);
    EXPECT_EQ(result, missing.size());
}

TEST_F(SuiteCommonTest, DataDirComesFromTheEnvironmentOrTheUsersDataFolder)
{
    int result = 0;
    qputenv("TESSERA_SUITE_DATA", "D:\\suite\\");
    EXPECT_EQ(call(GetMyDataDir, QStringLiteral("C:\\Program Files\\ORBIS"), &result),
              QStringLiteral("D:\\suite"));
    EXPECT_EQ(result, 1);

    qunsetenv("TESSERA_SUITE_DATA");
    const QString folder = call(GetMyDataDir, QStringLiteral("C:\\Program Files\\ORBIS"), &result);
    EXPECT_EQ(result, 1);
    EXPECT_TRUE(folder.endsWith(QStringLiteral("\\tessera\\ORBIS"))) << folder.toStdString();
    EXPECT_EQ(folder.at(1), QLatin1Char(':'));
    EXPECT_EQ(IsWin2KorXP(), 1);
    EXPECT_EQ(InitializeCommonDll(0), 1);
}

TEST_F(SuiteCommonTest, WritableDrive)
{
    makeFolder(QStringLiteral("out"));
    QString folder = winPath(QStringLiteral("out"));
    EXPECT_NE(IsThisDriveWritable(reinterpret_cast<char16_t *>(folder.data())), 0);
    // A folder about to be made counts by its parent.
    folder = winPath(QStringLiteral("out\\new\\deeper"));
    EXPECT_NE(IsThisDriveWritable(reinterpret_cast<char16_t *>(folder.data())), 0);

    QString unmapped = QStringLiteral("Q:\\x");
    EXPECT_EQ(IsThisDriveWritable(reinterpret_cast<char16_t *>(unmapped.data())), 0);
}
