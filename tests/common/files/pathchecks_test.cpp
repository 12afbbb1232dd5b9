#include "pathchecks.h"

#include "platform/fileops.h"
#include "platform/winpath.h"
#include "workspacetest.h"

#include <QFile>

#include <unistd.h>

namespace {

class PathChecks : public WorkspaceTest
{
protected:
    void SetUp() override
    {
        WorkspaceTest::SetUp();
        makeFolder(QStringLiteral("empty"));
        makeFolder(QStringLiteral("full/sub"));
        writeFile(QStringLiteral("full/photo.jpg"), QByteArrayLiteral("jpeg"));
        makeFolder(QStringLiteral("folders/only"));
        writeFile(QStringLiteral("file.txt"), QByteArrayLiteral("x"));
    }
};

// A folder the user may not list: only meaningful when permissions apply.
bool permissionsApply()
{
    return geteuid() != 0;
}

const QString Emoji = QString::fromUtf16(u"\U0001F600");

} // namespace

TEST_F(PathChecks, ProbeFolderReportsTheSystemErrorCode)
{
    EXPECT_EQ(ProbeFolder(winPath(QStringLiteral("empty")), true), win::error::Success);
    EXPECT_EQ(ProbeFolder(winPath(QStringLiteral("full")), true), win::error::Success);
    EXPECT_EQ(ProbeFolder(winPath(QStringLiteral("missing")), true), win::error::PathNotFound);
    EXPECT_EQ(ProbeFolder(winPath(QStringLiteral("missing\\deeper")), true),
              win::error::PathNotFound);
    // Without the wildcard the path itself is looked for.
    EXPECT_EQ(ProbeFolder(winPath(QStringLiteral("empty")), false), win::error::Success);
    EXPECT_EQ(ProbeFolder(winPath(QStringLiteral("full\\nothing.jpg")), false),
              win::error::FileNotFound);
}

TEST_F(PathChecks, ProbeFolderOnAFolderThatMayNotBeListed)
{
    if (!permissionsApply())
        GTEST_SKIP() << "running as root: every folder can be listed";
    makeFolder(QStringLiteral("locked"));
    QFile::setPermissions(hostPath(QStringLiteral("locked")), QFileDevice::Permissions());
    EXPECT_EQ(ProbeFolder(winPath(QStringLiteral("locked")), true), win::error::AccessDenied);
    EXPECT_FALSE(FolderExists(winPath(QStringLiteral("locked")), true));
    QFile::setPermissions(hostPath(QStringLiteral("locked")),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

TEST_F(PathChecks, FolderExistsCollapsesDoubledBackslashes)
{
    EXPECT_TRUE(FolderExists(winPath(QStringLiteral("empty")), true));
    EXPECT_TRUE(FolderExists(winPath(QStringLiteral("empty\\")), true));
    EXPECT_TRUE(FolderExists(winPath(QStringLiteral("empty\\\\")), true));
    EXPECT_TRUE(FolderExists(winPath(QStringLiteral("full\\\\sub")), true));
    EXPECT_FALSE(FolderExists(winPath(QStringLiteral("missing")), true));
    EXPECT_FALSE(FolderExists(winPath(QStringLiteral("file.txt")), true));
    EXPECT_TRUE(FolderExists(winPath(QStringLiteral("empty")), false));
    EXPECT_FALSE(FolderExists(winPath(QStringLiteral("missing")), false));
}

TEST_F(PathChecks, FolderHasEntriesIgnoresDotEntries)
{
    EXPECT_FALSE(FolderHasEntries(winPath(QStringLiteral("empty")), true));
    EXPECT_FALSE(FolderHasEntries(winPath(QStringLiteral("empty\\")), true));
    EXPECT_TRUE(FolderHasEntries(winPath(QStringLiteral("full")), true));
    EXPECT_TRUE(FolderHasEntries(winPath(QStringLiteral("full\\")), true));
    EXPECT_TRUE(FolderHasEntries(winPath(QStringLiteral("folders")), true));
    EXPECT_FALSE(FolderHasEntries(winPath(QStringLiteral("missing")), true));
    // Without the wildcard the answer is whether the folder exists.
    EXPECT_TRUE(FolderHasEntries(winPath(QStringLiteral("empty")), false));
    EXPECT_FALSE(FolderHasEntries(winPath(QStringLiteral("missing")), false));
}

TEST_F(PathChecks, GetPathKindOfFilesFoldersAndDriveRoots)
{
    EXPECT_EQ(GetPathKind(winPath(QStringLiteral("file.txt"))), PathKindFile);
    EXPECT_EQ(GetPathKind(winPath(QStringLiteral("empty"))), PathKindFolder);
    EXPECT_EQ(GetPathKind(winPath(QStringLiteral("missing"))), PathKindNone);
    EXPECT_EQ(GetPathKind(winPath(QStringLiteral("missing\\"))), PathKindNone);
    // The second search, without the trailing backslash.
    EXPECT_EQ(GetPathKind(winPath(QStringLiteral("empty\\"))), PathKindFolder);
    EXPECT_EQ(GetPathKind(winPath(QStringLiteral("file.txt\\"))), PathKindFile);
    // A mapped drive's root is a folder; a letter the system does not know
    // is nothing.
    EXPECT_EQ(GetPathKind(QStringLiteral("D:\\")), PathKindFolder);
    EXPECT_EQ(GetPathKind(QStringLiteral("d:\\")), PathKindFolder);
    win::unmapDrive(QLatin1Char('C'));
    EXPECT_EQ(GetPathKind(QStringLiteral("C:\\")), PathKindNone);
    makeFolder(QStringLiteral("drive-c"));
    win::mapDrive(QLatin1Char('C'), hostPath(QStringLiteral("drive-c")));
    EXPECT_EQ(GetPathKind(QStringLiteral("C:\\")), PathKindFolder);
    win::unmapDrive(QLatin1Char('X'));
    EXPECT_EQ(GetPathKind(QStringLiteral("X:\\")), PathKindNone);
    EXPECT_EQ(GetPathKind(QStringLiteral("X:\\data\\")), PathKindNone);
    EXPECT_EQ(GetPathKind(QString()), PathKindNone);
}

TEST_F(PathChecks, GetPathKindRestoresTheErrorMode)
{
    constexpr unsigned callersMode = 0x8003;
    const unsigned before = win::setErrorMode(callersMode);
    GetPathKind(winPath(QStringLiteral("missing\\")));
    GetPathKind(winPath(QStringLiteral("empty")));
    EXPECT_EQ(win::setErrorMode(before), callersMode);
}

TEST_F(PathChecks, ShelfPathTooShort)
{
    EXPECT_EQ(CheckShelfPathSyntax(QString()), ShelfPathSyntax::TooShort);
    EXPECT_EQ(CheckShelfPathSyntax(QStringLiteral("C:")), ShelfPathSyntax::TooShort);
    EXPECT_EQ(CheckShelfPathSyntax(QStringLiteral("D:")), ShelfPathSyntax::TooShort);
}

TEST_F(PathChecks, ShelfPathMalformed)
{
    const QStringList malformed = {
        QStringLiteral("D:\\a\\b\\"),   // ends with a backslash
        QStringLiteral("D:\\a\\\\b"),   // doubled backslash
        QStringLiteral("D:\\a?b"),       QStringLiteral("D:\\a/b"),  QStringLiteral("D:\\a*b"),
        QStringLiteral("D:\\a|b"),       QStringLiteral("D:\\a:b"),  QStringLiteral("D:\\a\"b"),
        QStringLiteral("D:\\a>b"),       QStringLiteral("D:\\a<b"),
        QStringLiteral("abcd"),          // no drive
        QStringLiteral("D:/abc"),        // third character is no backslash
        QStringLiteral("D:\\") + Emoji + QStringLiteral("\\"),
    };
    for (const QString &path : malformed)
        EXPECT_EQ(CheckShelfPathSyntax(path), ShelfPathSyntax::Malformed) << path.toStdString();
}

TEST_F(PathChecks, ShelfPathAcceptable)
{
    const QStringList acceptable = {
        QStringLiteral("C:\\"),          // no character is scanned
        QStringLiteral("D:\\"),
        QStringLiteral("D:\\\\a"),       // the doubled backslash starts before the scan
        QStringLiteral("abc"),           // three characters are not scanned either
        QStringLiteral("D:\\新しい本棚"),
        QStringLiteral("D:\\empty"),     // existing folder
        QStringLiteral("D:\\missing\\deeper"),
        QStringLiteral("D:\\") + Emoji,  // surrogate pairs are not rejected
        QStringLiteral("D:\\a") + Emoji + QStringLiteral("b"),
    };
    for (const QString &path : acceptable)
        EXPECT_EQ(CheckShelfPathSyntax(path), ShelfPathSyntax::Acceptable) << path.toStdString();
}

TEST_F(PathChecks, ShelfPathNamingAnExistingFileIsMalformed)
{
    EXPECT_EQ(CheckShelfPathSyntax(winPath(QStringLiteral("file.txt"))),
              ShelfPathSyntax::Malformed);
    EXPECT_EQ(CheckShelfPathSyntax(winPath(QStringLiteral("FILE.TXT"))),
              ShelfPathSyntax::Malformed);
}

TEST_F(PathChecks, ShelfPathLongerThanAPathBufferIsMalformed)
{
    const QString longest = QStringLiteral("D:\\") + QString(win::MaxPath - 4, QLatin1Char('a'));
    ASSERT_EQ(longest.size(), win::MaxPath - 1);
    EXPECT_EQ(CheckShelfPathSyntax(longest), ShelfPathSyntax::Acceptable);
    EXPECT_EQ(CheckShelfPathSyntax(longest + QLatin1Char('a')), ShelfPathSyntax::Malformed);
}
