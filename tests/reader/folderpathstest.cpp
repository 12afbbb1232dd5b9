#include "folderalbumplanner.h"
#include "folderpaths.h"

#include <gtest/gtest.h>

using namespace reader;

namespace {

const QString Root = QStringLiteral("D:\\工事\\写真");

FolderRoot standardRoot(const QString &dataPath = Root)
{
    return {dataPath, RootDisplayName(dataPath), false};
}

FolderRoot h24Root(const QString &dataPath = Root)
{
    return {dataPath, RootDisplayName(dataPath), true};
}

QString appended(QString path, const QString &name)
{
    AppendPathPart(path, name);
    return path;
}

} // namespace

TEST(FolderDepth, CountsNamesBackToTheRootInStandardMode)
{
    const FolderRoot root = standardRoot();
    EXPECT_EQ(GetFolderDepth(Root, root), 1);
    EXPECT_EQ(GetFolderDepth(Root + QStringLiteral("\\A"), root), 2);
    EXPECT_EQ(GetFolderDepth(Root + QStringLiteral("\\A\\B\\C\\D\\E"), root), 6);
    // The root's name is found without regard to case.
    const FolderRoot latin = standardRoot(QStringLiteral("D:\\Data\\Photos"));
    EXPECT_EQ(GetFolderDepth(QStringLiteral("D:\\Data\\PHOTOS\\A\\B"), latin), 3);
    // A path outside the root runs into the drive and ends one lower.
    EXPECT_EQ(GetFolderDepth(QStringLiteral("D:\\other\\A"), root), 2);
}

TEST(FolderDepth, CountsBackslashesBelowTheRootInH24Mode)
{
    const FolderRoot root = h24Root();
    EXPECT_EQ(GetFolderDepth(Root, root), 0);
    EXPECT_EQ(GetFolderDepth(Root + QStringLiteral("\\A"), root), 2);
    EXPECT_EQ(GetFolderDepth(Root + QStringLiteral("\\A\\B"), root), 3);
    EXPECT_EQ(GetFolderDepth(Root + QStringLiteral("\\A\\B\\C"), root), 4);
    // Only the length of the root matters, not its names.
    EXPECT_EQ(GetFolderDepth(QStringLiteral("X:\\xxxx\\xx\\A"), root), 2);
}

TEST(FolderDepth, DriveRootIsNamedRoot)
{
    EXPECT_EQ(RootDisplayName(QStringLiteral("E:\\")), QStringLiteral("ROOT"));
    EXPECT_EQ(RootDisplayName(Root), QStringLiteral("写真"));
    const FolderRoot root = standardRoot(QStringLiteral("E:\\"));
    EXPECT_EQ(GetFolderDepth(QStringLiteral("E:\\"), root), 1);
    EXPECT_EQ(GetFolderDepth(QStringLiteral("E:\\A\\B"), root), 2);
}

TEST(AppendPathPart, JoinsWithOneBackslash)
{
    EXPECT_EQ(appended(Root, QStringLiteral("A")), Root + QStringLiteral("\\A"));
    EXPECT_EQ(appended(QStringLiteral("E:\\"), QStringLiteral("*.*")), QStringLiteral("E:\\*.*"));
    EXPECT_EQ(appended(QStringLiteral("D:\\a\\\\\\b"), QStringLiteral("c")), QStringLiteral("D:\\a\\b\\c"));
    // A network path keeps its leading double backslash.
    EXPECT_EQ(appended(QStringLiteral("\\\\server\\share"), QStringLiteral("x")),
              QStringLiteral("\\\\server\\share\\x"));
}

TEST(FileExtension, FollowsTheTreesRules)
{
    EXPECT_EQ(GetFileExtension(QString()), QString());
    EXPECT_EQ(GetFileExtension(QStringLiteral("p1.JPG")), QStringLiteral("JPG"));
    EXPECT_EQ(GetFileExtension(QStringLiteral("p1.jpeg")), QStringLiteral("jpeg"));
    EXPECT_EQ(GetFileExtension(QStringLiteral("x.jpg.bak")), QStringLiteral("bak"));
    EXPECT_EQ(GetFileExtension(QStringLiteral("a.b.jpeg")), QStringLiteral("jpeg"));
    // A dot before a blank or at the end starts nothing.
    EXPECT_EQ(GetFileExtension(QStringLiteral("name. jpeg")), QString());
    EXPECT_EQ(GetFileExtension(QStringLiteral("jpeg.")), QString());
    EXPECT_EQ(GetFileExtension(QStringLiteral("a.jpeg x")), QStringLiteral("jpeg x"));
    // A backslash forgets the dots before it.
    EXPECT_EQ(GetFileExtension(QStringLiteral("dir.jpeg\\name")), QString());
    // Four characters are too short for the quick rule; the scan finds it.
    EXPECT_EQ(GetFileExtension(QStringLiteral(".jpg")), QStringLiteral("jpg"));
}

TEST(FileExtension, PhotosAreJpgJpeAndJpegInAnyCase)
{
    for (const char *name : {"a.JPG", "a.jpe", "a.JPEG", "a.Jpg", ".jpeg"})
        EXPECT_TRUE(IsPhotoFileName(QString::fromUtf8(name))) << name;
    for (const char *name : {"x.jpg.bak", "a.tif", "a.jpgx", "jpg", "a.txt", "a.jp"})
        EXPECT_FALSE(IsPhotoFileName(QString::fromUtf8(name))) << name;
}

TEST(FolderItemText, ShowsTheCountFromOnePhoto)
{
    EXPECT_EQ(FolderItemText(QStringLiteral("外観"), 0), QStringLiteral("外観"));
    EXPECT_EQ(FolderItemText(QStringLiteral("外観"), 12), QStringLiteral("外観 (12 枚)"));
    // A name with a place marker of its own stays as it is.
    EXPECT_EQ(FolderItemText(QStringLiteral("%2 %1"), 3), QStringLiteral("%2 %1 (3 枚)"));
}

TEST(SplitLevelNames, TakesTheFirstFiveNamesBelowTheRoot)
{
    const LevelNames none = SplitLevelNames(Root, Root);
    EXPECT_EQ(none, LevelNames());

    const LevelNames two = SplitLevelNames(Root + QStringLiteral("\\工種A\\種別B"), Root);
    EXPECT_EQ(two, (LevelNames{QStringLiteral("工種A"), QStringLiteral("種別B"), QString(), QString(), QString()}));

    const LevelNames seven = SplitLevelNames(Root + QStringLiteral("\\1\\2\\3\\4\\5\\6\\7"), Root);
    EXPECT_EQ(seven, (LevelNames{QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
                                 QStringLiteral("4"), QStringLiteral("5")}));

    // Names are kept to the record's buffer of 128 characters.
    const QString longName(128, u'長');
    const LevelNames cut = SplitLevelNames(Root + u'\\' + longName, Root);
    EXPECT_EQ(cut[0], QString(127, u'長'));
}
