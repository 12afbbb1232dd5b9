#include "platform/textfile.h"
#include "platform/winpath.h"

#include "workspacetest.h"

#include <QDir>
#include <QFile>

#include <csignal>
#include <sys/resource.h>

using namespace win;

namespace {

class TextFileTest : public WorkspaceTest
{
protected:
    // Every line read with that buffer size, as fgetws hands them out.
    QStringList readAll(const QString &relative, int bufferChars)
    {
        TextFile file;
        EXPECT_TRUE(file.open(winPath(relative), TextFile::Mode::Read));
        QStringList lines;
        QString line;
        while (file.readLine(&line, bufferChars))
            lines.append(line);
        EXPECT_FALSE(file.hasError());
        EXPECT_TRUE(file.atEnd());
        EXPECT_TRUE(file.close());
        return lines;
    }

    ErrorCode openFailure(const QString &windowsPath, TextFile::Mode mode)
    {
        TextFile file;
        setLastError(error::Success);
        EXPECT_FALSE(file.open(windowsPath, mode));
        EXPECT_FALSE(file.isOpen());
        return lastError();
    }
};

// Makes writes past a size fail, as a full disk does, for one scope.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        ::getrlimit(RLIMIT_FSIZE, &m_saved);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{bytes, m_saved.rlim_max};
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_oldHandler);
    }
    Q_DISABLE_COPY_MOVE(FileSizeLimit)

private:
    rlimit m_saved{};
    void (*m_oldHandler)(int) = nullptr;
};

} // namespace

TEST_F(TextFileTest, ReadSkipsByteOrderMarkAndJoinsCrLf)
{
    writeFile(QStringLiteral("GXTemp"), utf16le(QStringLiteral("工事名 橋梁\r\nline2\nline3\rX\r\n\r\nlast\r")));
    EXPECT_EQ(readAll(QStringLiteral("GXTemp"), 640),
              QStringList({QStringLiteral("工事名 橋梁\n"), QStringLiteral("line2\n"), QStringLiteral("line3\rX\n"),
                           QStringLiteral("\n"), QStringLiteral("last\r")}))
        << "a CR without LF stays, also at the end";
}

TEST_F(TextFileTest, ReadWithoutByteOrderMarkIsUtf16AndUtf8MarkSwitchesToUtf8)
{
    writeFile(QStringLiteral("plain"), utf16le(QStringLiteral("a\r\nb"), false));
    EXPECT_EQ(readAll(QStringLiteral("plain"), 640), QStringList({QStringLiteral("a\n"), QStringLiteral("b")}));
    writeFile(QStringLiteral("utf8"), QByteArray("\xEF\xBB\xBF") + QStringLiteral("写真\r\nx").toUtf8());
    EXPECT_EQ(readAll(QStringLiteral("utf8"), 640), QStringList({QStringLiteral("写真\n"), QStringLiteral("x")}));
    writeFile(QStringLiteral("empty"), utf16le(QString()));
    EXPECT_TRUE(readAll(QStringLiteral("empty"), 640).isEmpty());
}

TEST_F(TextFileTest, LongLinesArriveInSeveralReads)
{
    writeFile(QStringLiteral("long"), utf16le(QStringLiteral("12345\n123\nab")));
    EXPECT_EQ(readAll(QStringLiteral("long"), 4),
              QStringList({QStringLiteral("123"), QStringLiteral("45\n"), QStringLiteral("123"), QStringLiteral("\n"),
                           QStringLiteral("ab")}));
    const QString line(1000, QLatin1Char('x'));
    writeFile(QStringLiteral("gx"), utf16le(line + QStringLiteral("\r\n")));
    EXPECT_EQ(readAll(QStringLiteral("gx"), 640), QStringList({line.left(639), line.mid(639) + QLatin1Char('\n')}));

    TextFile file;
    ASSERT_TRUE(file.open(winPath(QStringLiteral("gx")), TextFile::Mode::Read));
    QString text;
    EXPECT_FALSE(file.readLine(&text, 1)) << "no room for a character";
}

TEST_F(TextFileTest, CrLfSplitAcrossReadChunksIsStillOneLineEnd)
{
    // The reader takes 64 KiB at a time after the mark: put the CR last.
    const QString first(32767, QLatin1Char('a'));
    writeFile(QStringLiteral("big"), utf16le(first + QStringLiteral("\r\nb")));
    EXPECT_EQ(readAll(QStringLiteral("big"), 100000), QStringList({first + QLatin1Char('\n'), QStringLiteral("b")}));
}

TEST_F(TextFileTest, WriteAddsByteOrderMarkAndCrLf)
{
    writeFile(QStringLiteral("out"), "previous content that is longer");
    TextFile file;
    ASSERT_TRUE(file.open(winPath(QStringLiteral("OUT")), TextFile::Mode::Write));
    EXPECT_TRUE(file.write(QStringLiteral("[共通]\nkey=値\n")));
    EXPECT_TRUE(file.write(QStringLiteral("a\r\n")));
    EXPECT_TRUE(file.close());
    EXPECT_EQ(readFile(QStringLiteral("out")), utf16le(QStringLiteral("[共通]\r\nkey=値\r\na\r\r\n")))
        << "a CR already there is kept before the CR LF, as the C runtime does";
}

TEST_F(TextFileTest, AppendWritesByteOrderMarkOnlyIntoAnEmptyFile)
{
    for (int round = 0; round < 2; ++round) {
        TextFile file;
        ASSERT_TRUE(file.open(winPath(QStringLiteral("log")), TextFile::Mode::Append));
        EXPECT_TRUE(file.write(QStringLiteral("line\n")));
        EXPECT_TRUE(file.close());
    }
    EXPECT_EQ(readFile(QStringLiteral("log")), utf16le(QStringLiteral("line\r\nline\r\n")));

    writeFile(QStringLiteral("zero"), QByteArray());
    TextFile file;
    ASSERT_TRUE(file.open(winPath(QStringLiteral("zero")), TextFile::Mode::Append));
    EXPECT_TRUE(file.write(QStringLiteral("x")));
    EXPECT_TRUE(file.close());
    EXPECT_EQ(readFile(QStringLiteral("zero")), utf16le(QStringLiteral("x")));
}

TEST_F(TextFileTest, WriteReplaceShowsTheNewFileOnlyAfterClose)
{
    writeFile(QStringLiteral("G_INPUTXML.dat"), "old");
    TextFile file;
    ASSERT_TRUE(file.open(winPath(QStringLiteral("G_INPUTXML.dat")), TextFile::Mode::WriteReplace));
    EXPECT_TRUE(file.write(QStringLiteral("[INPUT]\n")));
    EXPECT_EQ(readFile(QStringLiteral("G_INPUTXML.dat")), QByteArray("old"));
    EXPECT_TRUE(file.close());
    EXPECT_EQ(readFile(QStringLiteral("G_INPUTXML.dat")), utf16le(QStringLiteral("[INPUT]\r\n")));
}

TEST_F(TextFileTest, FailedWriteLeavesTheTargetUntouched)
{
    writeFile(QStringLiteral("keep.dat"), "old");
    {
        const FileSizeLimit limit(4096);
        TextFile file;
        ASSERT_TRUE(file.open(winPath(QStringLiteral("keep.dat")), TextFile::Mode::WriteReplace));
        file.write(QString(20000, QLatin1Char('x')));
        EXPECT_FALSE(file.close());
    }
    EXPECT_EQ(readFile(QStringLiteral("keep.dat")), QByteArray("old"));
    EXPECT_EQ(QDir(hostPath()).entryList(QDir::Files | QDir::Hidden), QStringList({QStringLiteral("keep.dat")}))
        << "the temporary file is removed";
}

TEST_F(TextFileTest, WriteErrorsAreReportedByClose)
{
    const FileSizeLimit limit(4096);
    TextFile file;
    ASSERT_TRUE(file.open(winPath(QStringLiteral("full")), TextFile::Mode::Write));
    file.write(QString(20000, QLatin1Char('x')));
    EXPECT_FALSE(file.close());
}

TEST_F(TextFileTest, ReadErrorsAreReported)
{
    // Reading a process's memory at address 0 fails with an I/O error.
    mapDrive(QLatin1Char('P'), QStringLiteral("/proc/self"));
    TextFile file;
    ASSERT_TRUE(file.open(QStringLiteral("P:\\mem"), TextFile::Mode::Read));
    QString line;
    EXPECT_FALSE(file.readLine(&line, 640));
    EXPECT_TRUE(file.hasError());
    EXPECT_FALSE(file.close());
}

TEST_F(TextFileTest, OpenErrors)
{
    makeFolder(QStringLiteral("folder"));
    writeFile(QStringLiteral("readonly"), "x");
    QFile::setPermissions(hostPath(QStringLiteral("readonly")), QFileDevice::ReadOwner);
    EXPECT_EQ(openFailure(winPath(QStringLiteral("none")), TextFile::Mode::Read), error::FileNotFound);
    EXPECT_EQ(openFailure(winPath(QStringLiteral("none\\x")), TextFile::Mode::Read), error::PathNotFound);
    EXPECT_EQ(openFailure(winPath(QStringLiteral("none\\x")), TextFile::Mode::Write), error::PathNotFound);
    EXPECT_EQ(openFailure(winPath(QStringLiteral("none\\x")), TextFile::Mode::WriteReplace), error::PathNotFound);
    EXPECT_EQ(openFailure(winPath(QStringLiteral("folder")), TextFile::Mode::Read), error::AccessDenied);
    EXPECT_EQ(openFailure(winPath(QStringLiteral("readonly")), TextFile::Mode::Write), error::AccessDenied);
    EXPECT_EQ(openFailure(winPath(QStringLiteral("readonly")), TextFile::Mode::WriteReplace), error::AccessDenied);
    EXPECT_EQ(openFailure(winPath(QStringLiteral("a|b")), TextFile::Mode::Write), error::InvalidName);
}
