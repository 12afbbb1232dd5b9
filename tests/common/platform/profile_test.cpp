#include "platform/codepage.h"
#include "platform/profile.h"
#include "platform/winerror.h"

#include "workspacetest.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <sys/stat.h>

using namespace win;

namespace {

class ProfileTest : public WorkspaceTest
{
protected:
    QString file(const char *name = "p.ini") const { return winPath(QString::fromLatin1(name)); }

    QString read(const char *section, const char *key, const char *defaultValue = "DEF", int size = 260) const
    {
        return getPrivateProfileString(QString::fromUtf8(section), QString::fromUtf8(key),
                                       QString::fromUtf8(defaultValue), size, file());
    }

    int readInt(const char *key, int defaultValue = 99) const
    {
        return getPrivateProfileInt(QStringLiteral("N"), QString::fromUtf8(key), defaultValue, file());
    }

    bool write(const char *section, const char *key, const QString &value) const
    {
        return writePrivateProfileString(QString::fromUtf8(section), QString::fromUtf8(key), value, file());
    }

    static QByteArray ansi(const char *utf8) { return toAnsi(QString::fromUtf8(utf8)); }
};

} // namespace

TEST_F(ProfileTest, ReadsValuesAsWindowsDoes)
{
    writeFile(QStringLiteral("p.ini"), ansi("; 共有本棚\r\n"
                                            "[COMMON]\r\n"
                                            "  DataDir =  \"D:\\工事\\写真\"  \r\n"
                                            "bksname='本棚 1'\r\n"
                                            "inner=\"a\"b\"\r\n"
                                            "half=\"abc\r\n"
                                            "empty=\r\n"
                                            "NoEquals\r\n"
                                            ";commented=1\r\n"
                                            "dup=first\r\n"
                                            "DUP=second\r\n"
                                            "[common]\r\n"
                                            "later=x\r\n"));
    EXPECT_EQ(read("COMMON", "DataDir"), QStringLiteral("D:\\工事\\写真"));
    EXPECT_EQ(read(" common ", "DATADIR"), QStringLiteral("D:\\工事\\写真")) << "names match without case";
    EXPECT_EQ(read("COMMON", "bksname"), QStringLiteral("本棚 1")) << "single quotes go too";
    EXPECT_EQ(read("COMMON", "inner"), QStringLiteral("a\"b")) << "one pair only";
    EXPECT_EQ(read("COMMON", "half"), QStringLiteral("\"abc"));
    EXPECT_EQ(read("COMMON", "empty"), QString()) << "present but empty is not the default";
    EXPECT_EQ(read("COMMON", "NoEquals"), QStringLiteral("DEF"));
    EXPECT_EQ(read("COMMON", ";commented"), QStringLiteral("1")) << "there are no comment lines";
    EXPECT_EQ(read("COMMON", "dup"), QStringLiteral("first"));
    EXPECT_EQ(read("COMMON", "later"), QStringLiteral("DEF")) << "only the first section of a name counts";
    EXPECT_EQ(read("NONE", "x", "default  "), QStringLiteral("default")) << "trailing blanks leave the default";
}

TEST_F(ProfileTest, TruncatesToTheBuffer)
{
    writeFile(QStringLiteral("p.ini"), "[USED]\r\n0=0123456789\r\nq=\"quoted\"\r\n");
    EXPECT_EQ(read("USED", "0", "", 61), QStringLiteral("0123456789"));
    EXPECT_EQ(read("USED", "0", "", 5), QStringLiteral("0123"));
    EXPECT_EQ(read("USED", "0", "", 1), QString());
    EXPECT_EQ(read("USED", "0", "", 0), QString());
    EXPECT_EQ(read("USED", "missing", "default", 4), QStringLiteral("def"));
    EXPECT_EQ(read("USED", "q", "", 4), QStringLiteral("quo")) << "quotes come off before the cut";
}

TEST_F(ProfileTest, MissingFileGivesDefaults)
{
    EXPECT_EQ(read("A", "b"), QStringLiteral("DEF"));
    EXPECT_EQ(readInt("b", 7), 7);
    makeFolder(QStringLiteral("p.ini"));
    EXPECT_EQ(read("A", "b"), QStringLiteral("DEF")) << "a folder is no profile";
}

TEST_F(ProfileTest, ReadsIntegersLikeRtlUnicodeStringToInteger)
{
    writeFile(QStringLiteral("p.ini"), "[N]\r\nneg=-5\r\nlead=12abc\r\nword=abc\r\nhex=0x1A\r\nHEX=0X1A\r\n"
                                       "plus= +7\r\nbin=0b101\r\noct=0o17\r\nempty=\r\nquoted=\"42\"\r\n"
                                       "wrap=4294967295\r\nactivebks=3\r\n");
    EXPECT_EQ(readInt("neg"), -5);
    EXPECT_EQ(readInt("lead"), 12);
    EXPECT_EQ(readInt("word"), 0);
    EXPECT_EQ(readInt("hex"), 26);
    EXPECT_EQ(readInt("HEX"), 26) << "key names match without case; this one is 0x1A";
    EXPECT_EQ(readInt("plus"), 7);
    EXPECT_EQ(readInt("bin"), 5);
    EXPECT_EQ(readInt("oct"), 15);
    EXPECT_EQ(readInt("empty"), 99);
    EXPECT_EQ(readInt("quoted"), 42);
    EXPECT_EQ(readInt("wrap"), -1);
    EXPECT_EQ(readInt("ACTIVEBKS"), 3);
    EXPECT_EQ(readInt("missing"), 99);

    writeFile(QStringLiteral("p.ini"), "[N]\r\nupper=0X1A\r\n");
    EXPECT_EQ(readInt("upper"), 0) << "only a lower-case prefix switches the base";
}

TEST_F(ProfileTest, StructsCarryHexAndChecksum)
{
    const QByteArray data("\x01\xAB\xFF", 3);
    ASSERT_TRUE(writePrivateProfileStruct(QStringLiteral("S"), QStringLiteral("k"), data, file()));
    EXPECT_EQ(readFile(QStringLiteral("p.ini")), QByteArray("[S]\r\nk=01ABFFAB\r\n"));
    QByteArray back;
    ASSERT_TRUE(getPrivateProfileStruct(QStringLiteral("S"), QStringLiteral("K"), &back, 3, file()));
    EXPECT_EQ(back, data);

    writeFile(QStringLiteral("p.ini"), "[S]\r\nlower=01abffab\r\nsum=01ABFFAC\r\nodd=01ABFFABC\r\nbad=01ABFGAB\r\n");
    EXPECT_TRUE(getPrivateProfileStruct(QStringLiteral("S"), QStringLiteral("lower"), &back, 3, file()));
    QByteArray untouched("keep");
    setLastError(error::Success);
    EXPECT_FALSE(getPrivateProfileStruct(QStringLiteral("S"), QStringLiteral("sum"), &untouched, 3, file()));
    EXPECT_EQ(lastError(), error::InvalidData);
    EXPECT_EQ(untouched, QByteArray("keep"));
    EXPECT_FALSE(getPrivateProfileStruct(QStringLiteral("S"), QStringLiteral("lower"), &untouched, 4, file()));
    EXPECT_FALSE(getPrivateProfileStruct(QStringLiteral("S"), QStringLiteral("odd"), &untouched, 3, file()));
    EXPECT_FALSE(getPrivateProfileStruct(QStringLiteral("S"), QStringLiteral("bad"), &untouched, 3, file()));
    EXPECT_FALSE(getPrivateProfileStruct(QStringLiteral("S"), QStringLiteral("none"), &untouched, 3, file()));
    EXPECT_EQ(untouched, QByteArray("keep"));
}

TEST_F(ProfileTest, WritesChangeOnlyTheLinesConcerned)
{
    const QByteArray original("; head\r\n[A]\r\nk1=v1\r\nk2 = old value  \r\n\r\n; about B\r\n[B]\nx=1\n");
    writeFile(QStringLiteral("p.ini"), original);

    ASSERT_TRUE(write("a", "K2", QStringLiteral("new")));
    EXPECT_EQ(readFile(QStringLiteral("p.ini")),
              QByteArray("; head\r\n[A]\r\nk1=v1\r\nk2 = new\r\n\r\n; about B\r\n[B]\nx=1\n"));

    ASSERT_TRUE(write("A", "k3", QStringLiteral("v3")));
    ASSERT_TRUE(write("B", "y", QStringLiteral("2")));
    EXPECT_EQ(readFile(QStringLiteral("p.ini")),
              QByteArray("; head\r\n[A]\r\nk1=v1\r\nk2 = new\r\n\r\n; about B\r\nk3=v3\r\n[B]\nx=1\ny=2\r\n"))
        << "a new key follows the last non-blank line of its section; '; about B' is one of A's";

    ASSERT_TRUE(write("C", "z", QStringLiteral("3")));
    EXPECT_EQ(readFile(QStringLiteral("p.ini")),
              QByteArray("; head\r\n[A]\r\nk1=v1\r\nk2 = new\r\n\r\n; about B\r\nk3=v3\r\n[B]\nx=1\ny=2\r\n[C]\r\nz=3\r\n"));

    ASSERT_TRUE(deletePrivateProfileKey(QStringLiteral("A"), QStringLiteral("K1"), file()));
    ASSERT_TRUE(deletePrivateProfileSection(QStringLiteral("a"), file()));
    EXPECT_EQ(readFile(QStringLiteral("p.ini")), QByteArray("; head\r\n[B]\nx=1\ny=2\r\n[C]\r\nz=3\r\n"))
        << "a section goes with everything up to the next one";
    ASSERT_TRUE(deletePrivateProfileSection(QStringLiteral("C"), file()));
    EXPECT_EQ(readFile(QStringLiteral("p.ini")), QByteArray("; head\r\n[B]\nx=1\ny=2\r\n"));
}

// Blanks inside a section's brackets and a leading ';' are no syntax: reads
// find such sections and keys, and writes go into them in place.
TEST_F(ProfileTest, BracketBlanksAndSemicolonsAreNoSyntax)
{
    struct Case
    {
        const char *file;
        const char *section;
        const char *key;
        const char *value;
        const char *afterWrite;
    };
    const Case cases[] = {
        {"[ Sec ]\r\nk=1\r\n", "Sec", "k", "1", "[ Sec ]\r\nk=new\r\n"},
        {"[\tSec  ]\r\nk=1\r\n", " sec", "k", "1", "[\tSec  ]\r\nk=new\r\n"},
        {"[ Sec ]\r\na=1\r\n", "Sec", "k", "DEF", "[ Sec ]\r\na=1\r\nk=new\r\n"},
        {"[S]\r\n;k=1\r\n", "S", ";k", "1", "[S]\r\n;k=new\r\n"},
        {"[S]\r\n ; k = 1\r\n", "S", "; k", "1", "[S]\r\n ; k = new\r\n"},
        {"[S]\r\n;k=1\r\n", "S", "k", "DEF", "[S]\r\n;k=1\r\nk=new\r\n"},
        {";[S]\r\nk=1\r\n", "S", "k", "DEF", ";[S]\r\nk=1\r\n[S]\r\nk=new\r\n"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.file);
        writeFile(QStringLiteral("p.ini"), c.file);
        EXPECT_EQ(read(c.section, c.key), QString::fromLatin1(c.value));
        ASSERT_TRUE(write(c.section, c.key, QStringLiteral("new")));
        EXPECT_EQ(readFile(QStringLiteral("p.ini")), QByteArray(c.afterWrite));
        EXPECT_EQ(read(c.section, c.key), QStringLiteral("new"));
    }
}

TEST_F(ProfileTest, UnfinishedLastLineGetsItsLineEnd)
{
    writeFile(QStringLiteral("p.ini"), "[A]\r\nk=v");
    ASSERT_TRUE(write("B", "n", QStringLiteral("1")));
    EXPECT_EQ(readFile(QStringLiteral("p.ini")), QByteArray("[A]\r\nk=v\r\n[B]\r\nn=1\r\n"));

    writeFile(QStringLiteral("p.ini"), "[A]\r\nk=v");
    ASSERT_TRUE(write("A", "n", QStringLiteral("1")));
    EXPECT_EQ(readFile(QStringLiteral("p.ini")), QByteArray("[A]\r\nk=v\r\nn=1\r\n"));

    writeFile(QStringLiteral("p.ini"), "[A]");
    ASSERT_TRUE(write("A", "n", QStringLiteral("1")));
    EXPECT_EQ(readFile(QStringLiteral("p.ini")), QByteArray("[A]\r\nn=1\r\n"));

    writeFile(QStringLiteral("p.ini"), "[A]\r\nk=v");
    ASSERT_TRUE(write("A", "k", QStringLiteral("w")));
    EXPECT_EQ(readFile(QStringLiteral("p.ini")), QByteArray("[A]\r\nk=w"));
}

TEST_F(ProfileTest, NewFilesAreAnsiUnlessUtf16IsAsked)
{
    ASSERT_TRUE(write("共通", "名前", QStringLiteral("現場事務所PC")));
    EXPECT_EQ(readFile(QStringLiteral("p.ini")), ansi("[共通]\r\n名前=現場事務所PC\r\n"));

    ASSERT_TRUE(writePrivateProfileString(QStringLiteral("OUTPUT"), QStringLiteral("Folder"), QStringLiteral("D:\\出力"),
                                          winPath(QStringLiteral("G_OUTPUTXML.dat")), ProfileEncoding::Utf16));
    ASSERT_TRUE(writePrivateProfileString(QStringLiteral("OUTPUT"), QStringLiteral("Split"), QStringLiteral("650"),
                                          winPath(QStringLiteral("G_OUTPUTXML.dat")), ProfileEncoding::Ansi));
    EXPECT_EQ(readFile(QStringLiteral("G_OUTPUTXML.dat")),
              utf16le(QStringLiteral("[OUTPUT]\r\nFolder=D:\\出力\r\nSplit=650\r\n")))
        << "an existing file keeps its encoding";
}

TEST_F(ProfileTest, Utf16FilesAreEditedInPlace)
{
    writeFile(QStringLiteral("p.ini"), utf16le(QStringLiteral("[USED]\r\n0=6162\r\n1=写真\r\n\r\n[LOCK]\r\n0=x\r\n")));
    EXPECT_EQ(read("used", "1"), QStringLiteral("写真"));
    ASSERT_TRUE(write("USED", "1", QStringLiteral("工事")));
    ASSERT_TRUE(write("USED", "2", QStringLiteral("ｱｲｳ")));
    ASSERT_TRUE(deletePrivateProfileSection(QStringLiteral("LOCK"), file()));
    ASSERT_TRUE(write("BACKUP", "0", QStringLiteral("y")));
    EXPECT_EQ(readFile(QStringLiteral("p.ini")),
              utf16le(QStringLiteral("[USED]\r\n0=6162\r\n1=工事\r\n2=ｱｲｳ\r\n\r\n[BACKUP]\r\n0=y\r\n")));
}

TEST_F(ProfileTest, StrayOddByteOfUtf16FileStaysLast)
{
    const QByteArray odd("\xD8", 1);
    writeFile(QStringLiteral("p.ini"), utf16le(QStringLiteral("[A]\r\nk=v")) + odd);
    EXPECT_EQ(read("A", "k"), QStringLiteral("v"));
    ASSERT_TRUE(write("B", "n", QStringLiteral("1")));
    EXPECT_EQ(readFile(QStringLiteral("p.ini")), utf16le(QStringLiteral("[A]\r\nk=v\r\n[B]\r\nn=1\r\n")) + odd);
    EXPECT_EQ(read("B", "n"), QStringLiteral("1"));
    ASSERT_TRUE(deletePrivateProfileSection(QStringLiteral("B"), file()));
    EXPECT_EQ(readFile(QStringLiteral("p.ini")), utf16le(QStringLiteral("[A]\r\nk=v\r\n")) + odd);
}

TEST_F(ProfileTest, ByteOrderMarkAloneStillGetsALineEndBeforeTheFirstSection)
{
    // Windows treats the mark as an unfinished line (desktop.ini files it
    // writes start with an empty line).
    writeFile(QStringLiteral("p.ini"), utf16le(QString()));
    ASSERT_TRUE(write("A", "k", QStringLiteral("v")));
    EXPECT_EQ(readFile(QStringLiteral("p.ini")), utf16le(QStringLiteral("\r\n[A]\r\nk=v\r\n")));
}

TEST_F(ProfileTest, AnsiBytesThatLookLikeSyntaxAreNotSyntax)
{
    // "表" and "ソ" end in the byte of '\', "－" in the byte of ']'.
    writeFile(QStringLiteral("p.ini"), ansi("[能力－表]\r\n表示=ソフト\r\n"));
    EXPECT_EQ(read("能力－表", "表示"), QStringLiteral("ソフト"));
    ASSERT_TRUE(write("能力－表", "表示", QStringLiteral("表")));
    EXPECT_EQ(readFile(QStringLiteral("p.ini")), ansi("[能力－表]\r\n表示=表\r\n"));
}

TEST_F(ProfileTest, UndecodableBytesElsewhereSurviveAnEdit)
{
    const QByteArray odd("k\x80=old\r\n");
    writeFile(QStringLiteral("p.ini"), QByteArray("[A]\r\n") + odd + "j=\xFF\xFF\r\n");
    ASSERT_TRUE(write("A", "j", QStringLiteral("new")));
    EXPECT_EQ(readFile(QStringLiteral("p.ini")), QByteArray("[A]\r\n") + odd + "j=new\r\n");
    ASSERT_TRUE(write("A", "k\u30FB", QStringLiteral("v")));
    EXPECT_EQ(readFile(QStringLiteral("p.ini")), QByteArray("[A]\r\nk\x80=v\r\nj=new\r\n"))
        << "the key's own bytes stay as they were";
    ASSERT_TRUE(write("A", "u", QStringLiteral("亜①😀")));
    EXPECT_TRUE(readFile(QStringLiteral("p.ini")).endsWith(QByteArray("u=\x88\x9F\x87\x40??\r\n")))
        << "what CP932 cannot hold becomes '?'";
}

TEST_F(ProfileTest, RefusedWritesLeaveTheFileAlone)
{
    const QByteArray original("[A]\r\nk=v\r\n");
    writeFile(QStringLiteral("p.ini"), original);
    for (const QString &bad : {QStringLiteral("a\r\n[B]"), QStringLiteral("a\nb"), QStringLiteral("a\rb")}) {
        setLastError(error::Success);
        EXPECT_FALSE(write("A", "k", bad));
        EXPECT_EQ(lastError(), error::InvalidParameter);
    }
    EXPECT_FALSE(write("A", "k=x", QStringLiteral("v")));
    EXPECT_FALSE(write("A\n[B]", "k", QStringLiteral("v")));
    EXPECT_FALSE(write("", "k", QStringLiteral("v")));
    EXPECT_FALSE(write("A", " ", QStringLiteral("v")));
    EXPECT_EQ(readFile(QStringLiteral("p.ini")), original);

    QFile::setPermissions(hostPath(QStringLiteral("p.ini")), QFileDevice::ReadOwner);
    setLastError(error::Success);
    EXPECT_FALSE(write("A", "k", QStringLiteral("w")));
    EXPECT_EQ(lastError(), error::AccessDenied);
    EXPECT_FALSE(deletePrivateProfileSection(QStringLiteral("A"), file()));
    EXPECT_EQ(readFile(QStringLiteral("p.ini")), original);

    EXPECT_FALSE(writePrivateProfileString(QStringLiteral("A"), QStringLiteral("k"), QStringLiteral("v"),
                                           winPath(QStringLiteral("none\\p.ini"))));
    EXPECT_EQ(lastError(), error::PathNotFound);
}

TEST_F(ProfileTest, DeletingFromAMissingFileCreatesNothing)
{
    EXPECT_TRUE(deletePrivateProfileKey(QStringLiteral("A"), QStringLiteral("k"), file()));
    EXPECT_TRUE(deletePrivateProfileSection(QStringLiteral("A"), file()));
    EXPECT_FALSE(QFile::exists(hostPath(QStringLiteral("p.ini"))));
}

TEST_F(ProfileTest, RewriteKeepsPermissionsAndSkipsNeedlessWrites)
{
    writeFile(QStringLiteral("p.ini"), "[A]\r\nk=v\r\n");
    const QByteArray host = QFile::encodeName(hostPath(QStringLiteral("p.ini")));
    ASSERT_EQ(::chmod(host.constData(), 0640), 0);
    struct stat before;
    ::stat(host.constData(), &before);

    ASSERT_TRUE(write("A", "k", QStringLiteral("v")));
    struct stat same;
    ::stat(host.constData(), &same);
    EXPECT_EQ(same.st_ino, before.st_ino) << "an unchanged value does not rewrite the file";

    ASSERT_TRUE(write("A", "k", QStringLiteral("w")));
    struct stat after;
    ::stat(host.constData(), &after);
    EXPECT_NE(after.st_ino, before.st_ino) << "replaced by rename";
    EXPECT_EQ(after.st_mode & 07777, 0640u);
    EXPECT_EQ(QDir(hostPath()).entryList(QDir::Files | QDir::Hidden), QStringList({QStringLiteral("p.ini")}));
}

// Into a key that stands empty (in place) and into a new one (after the
// last key), in a CP932 and a UTF-16 file: the value arrives whole, with
// bytes that form no character as they were, in one write of the file.
TEST_F(ProfileTest, SectionEditMovesValuesWholeAndByteForByte)
{
    const QByteArray longValue(5000, 'a');
    const QByteArray undefined("\x85\x40\xA0\xFDx", 5);
    writeFile(QStringLiteral("p.ini"), "[USED]\r\n1=\r\n3=" + longValue + "\r\n4=" + undefined + "  \r\n[X]\r\n");
    {
        ProfileSection edit(QStringLiteral("USED"), file());
        edit.moveValue(QStringLiteral("3"), QStringLiteral("1"));
        edit.moveValue(QStringLiteral("4"), QStringLiteral("2"));
        edit.moveValue(QStringLiteral("9"), QStringLiteral("0"));
        EXPECT_EQ(edit.value(QStringLiteral("1"), 61), QString(60, u'a'));
        EXPECT_EQ(edit.value(QStringLiteral("3"), 61), QString());
        ASSERT_TRUE(edit.commit());
    }
    EXPECT_EQ(readFile(QStringLiteral("p.ini")), "[USED]\r\n1=" + longValue + "\r\n2=" + undefined + "\r\n[X]\r\n");

    const QString loneSurrogate = QStringLiteral("値") + QChar(char16_t(0xD800)) + QLatin1Char('x');
    writeFile(QStringLiteral("p.ini"), utf16le(QStringLiteral("[U]\r\n5=") + loneSurrogate + QStringLiteral("\r\n")));
    ProfileSection edit(QStringLiteral("U"), file());
    edit.moveValue(QStringLiteral("5"), QStringLiteral("0"));
    ASSERT_TRUE(edit.commit());
    EXPECT_EQ(readFile(QStringLiteral("p.ini")), utf16le(QStringLiteral("[U]\r\n0=") + loneSurrogate + QStringLiteral("\r\n")));
}

// A section another writer changed since it was read is not overwritten;
// a change elsewhere in the file does not stand in the way.
TEST_F(ProfileTest, SectionEditWritesOnlyOverTheSectionItRead)
{
    writeFile(QStringLiteral("p.ini"), "[A]\r\n0=x\r\n1=y\r\n[B]\r\nk=1\r\n");
    ProfileSection edit(QStringLiteral("A"), file());
    edit.deleteKey(QStringLiteral("0"));
    ASSERT_TRUE(write("B", "k", QStringLiteral("2")));
    ASSERT_TRUE(edit.commit());
    EXPECT_EQ(readFile(QStringLiteral("p.ini")), "[A]\r\n1=y\r\n[B]\r\nk=2\r\n");

    ProfileSection late(QStringLiteral("A"), file());
    late.deleteKey(QStringLiteral("1"));
    ASSERT_TRUE(write("A", "2", QStringLiteral("z")));
    setLastError(error::Success);
    EXPECT_FALSE(late.commit());
    EXPECT_EQ(lastError(), error::SharingViolation);
    EXPECT_EQ(readFile(QStringLiteral("p.ini")), "[A]\r\n1=y\r\n2=z\r\n[B]\r\nk=2\r\n");
}

// The parsed file is kept between reads, yet every change by another
// writer shows: a file of the same size renamed over it with the old time,
// and one written in place to the same size.
TEST_F(ProfileTest, KeptFileFollowsChangesOfOtherWriters)
{
    writeFile(QStringLiteral("p.ini"), "[A]\r\nk=one\r\n");
    EXPECT_EQ(read("A", "k"), QStringLiteral("one"));
    const QByteArray host = QFile::encodeName(hostPath(QStringLiteral("p.ini")));
    struct stat first;
    ASSERT_EQ(::stat(host.constData(), &first), 0);

    writeFile(QStringLiteral("other.ini"), "[A]\r\nk=two\r\n");
    const QByteArray other = QFile::encodeName(hostPath(QStringLiteral("other.ini")));
    const struct timespec sameTimes[2] = {first.st_atim, first.st_mtim};
    ASSERT_EQ(::utimensat(AT_FDCWD, other.constData(), sameTimes, 0), 0);
    ASSERT_EQ(::rename(other.constData(), host.constData()), 0);
    EXPECT_EQ(read("A", "k"), QStringLiteral("two"));

    QFile inPlace(hostPath(QStringLiteral("p.ini")));
    ASSERT_TRUE(inPlace.open(QIODevice::ReadWrite));
    inPlace.seek(7);
    inPlace.write("six");
    inPlace.close();
    struct timespec later[2] = {first.st_atim, first.st_mtim};
    later[1].tv_sec += 1;
    ASSERT_EQ(::utimensat(AT_FDCWD, host.constData(), later, 0), 0);
    EXPECT_EQ(read("A", "k"), QStringLiteral("six"));

    ASSERT_TRUE(write("A", "k", QStringLiteral("ten")));
    EXPECT_EQ(read("A", "k"), QStringLiteral("ten"));
}
