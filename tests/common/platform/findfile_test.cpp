#include "platform/codepage.h"
#include "platform/fileops.h"
#include "platform/findfile.h"
#include "platform/winpath.h"

#include "workspacetest.h"

#include <QFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace win;

namespace {

class FindFileTest : public WorkspaceTest
{
protected:
    // Every name the search reports, in order; "!<code>" when it fails.
    QStringList list(const QString &pattern)
    {
        FileFinder finder;
        QStringList names;
        if (!finder.findFirst(pattern))
            return {QStringLiteral("!%1").arg(lastError())};
        do {
            names.append(finder.current().name);
        } while (finder.findNext());
        EXPECT_EQ(lastError(), error::NoMoreFiles);
        return names;
    }

    QStringList list(const char *pattern) { return list(QString::fromUtf8(pattern)); }

    static QStringList names(std::initializer_list<const char *> items)
    {
        QStringList result;
        for (const char *item : items)
            result.append(QString::fromUtf8(item));
        return result;
    }
};

} // namespace

TEST_F(FindFileTest, DotEntriesFirstThenNtfsOrder)
{
    writeFile(QStringLiteral("dir/b.txt"), "12345");
    writeFile(QStringLiteral("dir/A.TXT"), "");
    writeFile(QStringLiteral("dir/_x"), "");
    writeFile(QStringLiteral("dir/Z"), "");
    writeFile(QStringLiteral("dir/a1"), "");
    makeFolder(QStringLiteral("dir/sub"));
    EXPECT_EQ(list("D:\\dir\\*.*"), names({".", "..", "A.TXT", "a1", "b.txt", "sub", "Z", "_x"}));

    FileFinder finder;
    ASSERT_TRUE(finder.findFirst(QStringLiteral("D:\\dir\\*")));
    EXPECT_TRUE(finder.current().directory) << ".";
    ASSERT_TRUE(finder.findNext());
    EXPECT_TRUE(finder.current().directory) << "..";
    ASSERT_TRUE(finder.findNext());
    EXPECT_FALSE(finder.current().directory);
    EXPECT_EQ(finder.current().size, 0);
    ASSERT_TRUE(finder.findNext());
    ASSERT_TRUE(finder.findNext());
    EXPECT_EQ(finder.current().name, QStringLiteral("b.txt"));
    EXPECT_EQ(finder.current().size, 5);
    ASSERT_TRUE(finder.findNext());
    EXPECT_TRUE(finder.current().directory) << "sub";
}

TEST_F(FindFileTest, DriveRootHasNoDotEntries)
{
    makeFolder(QStringLiteral("e/Photo"));
    makeFolder(QStringLiteral("empty"));
    mapDrive(QLatin1Char('E'), hostPath(QStringLiteral("e")));
    mapDrive(QLatin1Char('F'), hostPath(QStringLiteral("empty")));
    EXPECT_EQ(list("E:\\*.*"), names({"Photo"}));
    EXPECT_EQ(list("F:\\*.*"), names({"!2"}));
    EXPECT_EQ(list("D:\\empty\\*.*"), names({".", ".."})) << "an empty folder still lists its dots";
}

TEST_F(FindFileTest, WildcardsFollowWindowsRules)
{
    for (const char *name : {"kouji.xml", "Photo.XML", "readme", "a.txt", "ab.txt", "abc.txt", "a.b.txt",
                             "x.txt.bak", "写真.JPG"})
        writeFile(QStringLiteral("w/") + QString::fromUtf8(name), "");

    EXPECT_EQ(list("D:\\w\\*.xml"), names({"kouji.xml", "Photo.XML"}));
    EXPECT_EQ(list("D:\\w\\*.txt"), names({"a.b.txt", "a.txt", "ab.txt", "abc.txt"}));
    EXPECT_EQ(list("D:\\w\\*."), names({".", "..", "readme"})) << "names without an extension";
    EXPECT_EQ(list("D:\\w\\a?.txt"), names({"a.txt", "ab.txt"})) << "'?' may match nothing before a dot";
    EXPECT_EQ(list("D:\\w\\???.txt"), names({"a.txt", "ab.txt", "abc.txt"}));
    EXPECT_EQ(list("D:\\w\\readme.*"), names({"readme"})) << "'.*' also matches no extension";
    EXPECT_EQ(list("D:\\w\\A*"), names({"a.b.txt", "a.txt", "ab.txt", "abc.txt"}));
    EXPECT_EQ(list("D:\\w\\*.t?t"), names({"a.b.txt", "a.txt", "ab.txt", "abc.txt"}));
    EXPECT_EQ(list("D:\\w\\*txt*"), names({"a.b.txt", "a.txt", "ab.txt", "abc.txt", "x.txt.bak"}));
    EXPECT_EQ(list("D:\\w\\*.jpg"), names({"写真.JPG"}));
    EXPECT_EQ(list("D:\\W\\*.*").size(), 11);
}

TEST_F(FindFileTest, NameWithoutWildcardFindsTheEntryItself)
{
    writeFile(QStringLiteral("data/kouji.xml"), "abc");
    makeFolder(QStringLiteral("data/Photo"));
    EXPECT_EQ(list("D:\\data\\KOUJI.XML"), names({"kouji.xml"}));
    EXPECT_EQ(list("D:\\DATA"), names({"data"}));
    EXPECT_EQ(list("D:\\data\\photo"), names({"Photo"}));

    FileFinder finder;
    ASSERT_TRUE(finder.findFirst(QStringLiteral("D:\\data")));
    EXPECT_TRUE(finder.current().directory);
    EXPECT_FALSE(finder.findNext());
    ASSERT_TRUE(finder.findFirst(QStringLiteral("D:\\data\\kouji.xml")));
    EXPECT_FALSE(finder.current().directory);
    EXPECT_EQ(finder.current().size, 3);
}

TEST_F(FindFileTest, ErrorCodes)
{
    writeFile(QStringLiteral("data/file.txt"), "");
    EXPECT_EQ(list("D:\\data\\*.xml"), names({"!2"})) << "folder exists, nothing matches";
    EXPECT_EQ(list("D:\\data\\none.txt"), names({"!2"}));
    EXPECT_EQ(list("D:\\missing\\*.*"), names({"!3"}));
    EXPECT_EQ(list("D:\\missing\\x.txt"), names({"!3"}));
    EXPECT_EQ(list("D:\\data\\file.txt\\*.*"), names({"!3"})) << "a file is no folder";
    EXPECT_EQ(list("D:\\data\\"), names({"!2"})) << "a trailing backslash names no entry";
    EXPECT_EQ(list("D:\\"), names({"!2"}));
    EXPECT_EQ(list("D:\\missing\\"), names({"!3"}));
    EXPECT_EQ(list("Q:\\*.*"), names({"!3"})) << "unmapped drive";
    EXPECT_EQ(list("D:\\data\\a|b*"), names({"!123"}));
    EXPECT_EQ(list("D:\\da<ta\\*.*"), names({"!123"}));
    EXPECT_EQ(list(QStringLiteral("D:\\") + QString(300, QLatin1Char('a')) + QStringLiteral("\\*.*")),
              names({"!206"}));
}

TEST_F(FindFileTest, UnreadableFolderIsAccessDenied)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root reads every folder, so a folder without read permission cannot be made";
    writeFile(QStringLiteral("locked/inside.txt"), "");
    ASSERT_EQ(::chmod(QFile::encodeName(hostPath(QStringLiteral("locked"))).constData(), 0), 0);
    EXPECT_EQ(list("D:\\locked\\*.*"), names({"!5"}));
    ::chmod(QFile::encodeName(hostPath(QStringLiteral("locked"))).constData(), 0755);
}

TEST_F(FindFileTest, FinderCanBeReusedAndClosed)
{
    writeFile(QStringLiteral("a/one"), "");
    writeFile(QStringLiteral("b/two"), "");
    FileFinder finder;
    ASSERT_TRUE(finder.findFirst(QStringLiteral("D:\\a\\o*")));
    ASSERT_TRUE(finder.findFirst(QStringLiteral("D:\\b\\t*")));
    EXPECT_EQ(finder.current().name, QStringLiteral("two"));
    finder.close();
    EXPECT_FALSE(finder.findNext());
    EXPECT_EQ(lastError(), error::NoMoreFiles);
}

// A delivery tree with a link loop, a link to a folder of photos outside
// it, a dangling link named like a photo, a link to one of its own photos
// and a named pipe: the listing shows the real files and folders only, and
// none of the others is found by its name either.
TEST_F(FindFileTest, OnlyRealFilesAndFoldersAreEntries)
{
    writeFile(QStringLiteral("deliv/PHOTO/a.JPG"), "jpeg");
    writeFile(QStringLiteral("outside/b.JPG"), "jpeg");
    const QString photo = hostPath(QStringLiteral("deliv/PHOTO"));
    ASSERT_TRUE(QFile::link(QStringLiteral(".."), photo + QStringLiteral("/loop")));
    ASSERT_TRUE(QFile::link(hostPath(QStringLiteral("outside")), photo + QStringLiteral("/elsewhere")));
    ASSERT_TRUE(QFile::link(photo + QStringLiteral("/none.JPG"), photo + QStringLiteral("/gone.JPG")));
    ASSERT_TRUE(QFile::link(photo + QStringLiteral("/a.JPG"), photo + QStringLiteral("/again.JPG")));
    ASSERT_EQ(::mkfifo(QFile::encodeName(photo + QStringLiteral("/PHOTO.XML")).constData(), 0644), 0);

    EXPECT_EQ(list("D:\\deliv\\PHOTO\\*.*"), names({".", "..", "a.JPG"}));
    for (const char *name : {"loop", "elsewhere", "gone.JPG", "again.JPG", "PHOTO.XML", "photo.xml"})
        EXPECT_EQ(list(QStringLiteral("D:\\deliv\\PHOTO\\") + QString::fromUtf8(name)), names({"!2"})) << name;
}

// Names on disk that are no UTF-8: a Shift_JIS name is listed and found as
// what it says, and leads to its own bytes; a name that is neither, or one
// Windows could not hold, is kept apart.
TEST_F(FindFileTest, NamesThatAreNoUtf8ReadAsCp932)
{
    const QByteArray folder = QFile::encodeName(hostPath(QStringLiteral("sjis"))) + '/' + toAnsi(QStringLiteral("写真"));
    ASSERT_EQ(::mkdir(QFile::encodeName(hostPath(QStringLiteral("sjis"))).constData(), 0755), 0);
    ASSERT_EQ(::mkdir(folder.constData(), 0755), 0);
    for (const QByteArray &name : {toAnsi(QStringLiteral("表.jpg")), QByteArray("\xFF\xFE.jpg"), QByteArray("a\\b.jpg")}) {
        ASSERT_EQ(::close(::open((folder + '/' + name).constData(), O_CREAT | O_WRONLY, 0644)), 0);
    }

    EXPECT_EQ(list("D:\\sjis\\*.*"), names({".", "..", "写真"}));
    EXPECT_EQ(list("D:\\sjis\\写真\\*.*"), names({".", "..", "表.jpg"}));
    EXPECT_EQ(list("D:\\SJIS\\写真\\表.JPG"), names({"表.jpg"}));
    QByteArray bytes;
    EXPECT_TRUE(readFileStart(QStringLiteral("D:\\sjis\\写真\\表.jpg"), 16, &bytes)) << "opened by its own bytes";
    EXPECT_EQ(toWindowsPath(toHostPath(QStringLiteral("D:\\sjis\\写真\\表.jpg"))),
              QStringLiteral("D:\\sjis\\写真\\表.jpg"));

    FileFinder finder;
    ASSERT_TRUE(finder.findFirst(QStringLiteral("D:\\sjis\\写真\\*.jpg")));
    QStringList unmappable;
    for (const FindData &entry : finder.unmappableEntries())
        unmappable.append(entry.name);
    EXPECT_EQ(unmappable, QStringList({QStringLiteral("a\\b.jpg"), QStringLiteral("\uFFFD\uFFFD.jpg")}));
}

TEST_F(FindFileTest, LongFormGoesBeyondMaxPath)
{
    const QString deep = QStringLiteral("deep/") + QString(120, u'a') + u'/' + QString(120, u'b') + u'/'
                         + QString(120, u'c');
    writeFile(deep + QStringLiteral("/x.jpg"), "");
    const QString pattern = winPath(deep) + QStringLiteral("\\*.jpg");
    EXPECT_EQ(list(pattern), names({"!206"}));
    EXPECT_EQ(list(QStringLiteral("\\\\?\\") + pattern), names({"x.jpg"}));
}
