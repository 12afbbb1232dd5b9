#include "platform/winpath.h"

#include "workspacetest.h"

#include <QDir>

using namespace win;

namespace {

class WinPathTest : public WorkspaceTest
{
protected:
    QString host(const QString &windowsPath)
    {
        ErrorCode code = 12345;
        const QString result = toHostPath(windowsPath, &code);
        EXPECT_EQ(code, error::Success) << windowsPath.toStdString();
        return result;
    }

    ErrorCode failure(const QString &windowsPath)
    {
        ErrorCode code = error::Success;
        const QString result = toHostPath(windowsPath, &code);
        EXPECT_TRUE(result.isEmpty()) << windowsPath.toStdString();
        return code;
    }
};

} // namespace

TEST_F(WinPathTest, DriveTableDefaultsAndEnvironment)
{
    const QByteArray saved = qgetenv("TESSERA_DRIVES");
    qputenv("TESSERA_DRIVES", QFile::encodeName(QStringLiteral("c=") + hostPath(QStringLiteral("c"))
                                                + QStringLiteral(";Q=relative;bad;Z=")));
    resetDrives();
    EXPECT_EQ(driveHostFolder(QLatin1Char('C')), hostPath(QStringLiteral("c")));
    EXPECT_EQ(driveHostFolder(QLatin1Char('c')), hostPath(QStringLiteral("c")));
    EXPECT_TRUE(driveHostFolder(QLatin1Char('Q')).isEmpty()) << "relative folders are refused";
    EXPECT_TRUE(driveHostFolder(QLatin1Char('Z')).isEmpty()) << "Z= unmaps the default";
    EXPECT_TRUE(driveHostFolder(QLatin1Char('D')).isEmpty()) << "reset drops test mappings";

    qunsetenv("TESSERA_DRIVES");
    resetDrives();
    EXPECT_EQ(driveHostFolder(QLatin1Char('Z')), QStringLiteral("/"));
    EXPECT_TRUE(driveHostFolder(QLatin1Char('C')).isEmpty());
    qputenv("TESSERA_DRIVES", saved);
}

TEST_F(WinPathTest, NamesMatchWithoutRegardToCase)
{
    writeFile(QStringLiteral("data/Sub/kouji.xml"), "x");
    EXPECT_EQ(host(QStringLiteral("D:\\data\\Sub\\kouji.xml")), hostPath(QStringLiteral("data/Sub/kouji.xml")));
    EXPECT_EQ(host(QStringLiteral("D:\\DATA\\sub\\KOUJI.XML")), hostPath(QStringLiteral("data/Sub/kouji.xml")));
    EXPECT_EQ(host(QStringLiteral("d:/Data/SUB/Kouji.Xml")), hostPath(QStringLiteral("data/Sub/kouji.xml")));
    // Full-width letters have cases too (ＭＥＲＩＤＯＮ).
    makeFolder(QStringLiteral("ｍｅｒｉｄｏｎ"));
    EXPECT_EQ(host(QStringLiteral("D:\\ＭＥＲＩＤＯＮ")), hostPath(QStringLiteral("ｍｅｒｉｄｏｎ")));
}

TEST_F(WinPathTest, ExactNameWinsAndCaseVariantsResolveInListingOrder)
{
    writeFile(QStringLiteral("a/File.txt"), "1");
    writeFile(QStringLiteral("a/file.TXT"), "2");
    writeFile(QStringLiteral("a/FILE.txt"), "3");
    EXPECT_EQ(host(QStringLiteral("D:\\a\\file.TXT")), hostPath(QStringLiteral("a/file.TXT")));
    // Same upper-case name: the code units decide ('F' < 'f').
    EXPECT_EQ(host(QStringLiteral("D:\\a\\file.txt")), hostPath(QStringLiteral("a/FILE.txt")));
}

TEST_F(WinPathTest, MissingComponentsAreKeptAsWritten)
{
    makeFolder(QStringLiteral("data"));
    EXPECT_EQ(host(QStringLiteral("D:\\DATA\\New Folder\\Sub\\x.TXT")),
              hostPath(QStringLiteral("data/New Folder/Sub/x.TXT")));
    EXPECT_EQ(host(QStringLiteral("D:\\")), hostPath());
}

TEST_F(WinPathTest, NormalisesAsWin32Does)
{
    makeFolder(QStringLiteral("data/sub"));
    const QString sub = hostPath(QStringLiteral("data/sub"));
    EXPECT_EQ(host(QStringLiteral("D:\\data\\\\sub")), sub);
    EXPECT_EQ(host(QStringLiteral("D:\\data\\.\\x\\..\\sub")), sub);
    EXPECT_EQ(host(QStringLiteral("D:\\..\\..\\data\\sub")), sub) << "no climbing above the root";
    EXPECT_EQ(host(QStringLiteral("D:\\data\\sub\\")), sub) << "a trailing backslash names the folder";
    EXPECT_EQ(host(QStringLiteral("D:\\data\\sub. . ")), sub) << "trailing dots and blanks are dropped";
}

TEST_F(WinPathTest, RefusesWhatWindowsRefuses)
{
    for (const char16_t c : {u'<', u'>', u':', u'"', u'|', u'?', u'*', u'\x01', u'\x1f'})
        EXPECT_EQ(failure(QStringLiteral("D:\\a") + QChar(c) + QStringLiteral("b")), error::InvalidName) << int(c);

    for (const char *path : {"D:", "D:foo", "\\foo", "foo\\bar", "\\\\server\\share\\x", "", "1:\\x"})
        EXPECT_EQ(failure(QString::fromLatin1(path)), error::PathNotFound) << path;
    EXPECT_EQ(failure(QStringLiteral("Q:\\x")), error::PathNotFound) << "unmapped drive";
}

TEST_F(WinPathTest, LongPathsAreRefusedNeverShortened)
{
    const QString base = QStringLiteral("D:\\");
    const QString longest = base + QString(MaxPath - 1 - base.size(), QLatin1Char('a'));
    ASSERT_EQ(longest.size(), 259);
    EXPECT_FALSE(host(longest).isEmpty());
    EXPECT_EQ(failure(longest + QLatin1Char('a')), error::FilenameExcedRange);
    EXPECT_EQ(failure(longest + QStringLiteral("<")), error::FilenameExcedRange);
}

TEST_F(WinPathTest, WindowsFormTakesTheLongestMappedPrefix)
{
    makeFolder(QStringLiteral("deep/er"));
    mapDrive(QLatin1Char('E'), hostPath(QStringLiteral("deep")));
    mapDrive(QLatin1Char('F'), hostPath(QStringLiteral("dee")));
    EXPECT_EQ(toWindowsPath(hostPath()), QStringLiteral("D:\\"));
    EXPECT_EQ(toWindowsPath(hostPath(QStringLiteral("deep"))), QStringLiteral("E:\\"));
    EXPECT_EQ(toWindowsPath(hostPath(QStringLiteral("deep/er/写真.jpg"))), QStringLiteral("E:\\er\\写真.jpg"));
    EXPECT_EQ(toWindowsPath(hostPath(QStringLiteral("deeper"))), QStringLiteral("D:\\deeper"))
        << "F: maps dee, not deeper";
    EXPECT_EQ(toWindowsPath(hostPath(QStringLiteral("x/../deep/./er/"))), QStringLiteral("E:\\er"));
    EXPECT_EQ(toWindowsPath(QStringLiteral("/")), QStringLiteral("Z:\\"));
    EXPECT_EQ(toWindowsPath(QStringLiteral("/usr/lib")), QStringLiteral("Z:\\usr\\lib"));

    unmapDrive(QLatin1Char('Z'));
    EXPECT_TRUE(toWindowsPath(QStringLiteral("/usr/lib")).isEmpty());
}

TEST_F(WinPathTest, RoundTrips)
{
    writeFile(QStringLiteral("工事/写真/P0000001.JPG"), "x");
    for (const QString &path : {QStringLiteral("D:\\工事\\写真\\P0000001.JPG"), QStringLiteral("D:\\工事"),
                                QStringLiteral("D:\\")}) {
        EXPECT_EQ(toWindowsPath(host(path)), path);
    }
    const QString hostFile = hostPath(QStringLiteral("工事/写真/P0000001.JPG"));
    EXPECT_EQ(host(toWindowsPath(hostFile)), hostFile);
}
