#include "platform/fileops.h"
#include "platform/profile.h"
#include "platform/textfile.h"
#include "platform/winpath.h"

#include "workspacetest.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <atomic>
#include <chrono>
#include <fcntl.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

using namespace win;

namespace {

class FileOpsTest : public WorkspaceTest
{
protected:
    void makeReadOnly(const QString &relative)
    {
        QFile::setPermissions(hostPath(relative), QFileDevice::ReadOwner | QFileDevice::ReadGroup);
    }

    bool isReadOnly(const QString &relative)
    {
        return !(QFileInfo(hostPath(relative)).permissions() & QFileDevice::WriteOwner);
    }

    QStringList entries(const QString &relative)
    {
        return QDir(hostPath(relative)).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }
};

// Runs a call that must fail and gives the last error it left.
template <typename Call>
ErrorCode failureOf(Call call)
{
    setLastError(error::Success);
    EXPECT_FALSE(call());
    return lastError();
}

// Whenever a reader has a named pipe open, opens it for writing and closes
// it again, so that a reader blocked on the pipe gets an empty read instead
// of waiting for ever: a regression fails rather than hangs.
class PipeWriter
{
public:
    explicit PipeWriter(const QByteArray &path)
        : m_thread([this, path] {
            while (!m_stop) {
                const int fd = ::open(path.constData(), O_WRONLY | O_NONBLOCK);
                if (fd >= 0)
                    ::close(fd);
                std::this_thread::sleep_for(std::chrono::milliseconds(5));
            }
        })
    {
    }
    ~PipeWriter()
    {
        m_stop = true;
        m_thread.join();
    }
    Q_DISABLE_COPY_MOVE(PipeWriter)

private:
    std::atomic<bool> m_stop{false};
    std::thread m_thread;
};

} // namespace

// A named pipe where a file is expected fails every opening as a missing
// file does, without blocking the reader.
TEST_F(FileOpsTest, NamedPipesOpenAsMissingFiles)
{
    const QByteArray pipe = QFile::encodeName(hostPath(QStringLiteral("PHOTO.XML")));
    ASSERT_EQ(::mkfifo(pipe.constData(), 0644), 0);
    const QString path = winPath(QStringLiteral("PHOTO.XML"));
    const PipeWriter writer(pipe);

    QByteArray bytes;
    EXPECT_EQ(failureOf([&] { return readFileStart(path, 64, &bytes); }), error::FileNotFound);
    EXPECT_EQ(failureOf([&] { return copyFile(path, winPath(QStringLiteral("copy")), false); }),
              error::FileNotFound);
    EXPECT_EQ(failureOf([&] {
                  TextFile file;
                  return file.open(path, TextFile::Mode::Read);
              }),
              error::FileNotFound);
    setLastError(error::Success);
    EXPECT_EQ(getPrivateProfileString(QStringLiteral("A"), QStringLiteral("b"), QStringLiteral("none"), 64, path),
              QStringLiteral("none"));
    EXPECT_EQ(lastError(), error::FileNotFound);
}

TEST_F(FileOpsTest, CreateDirectoryMakesOneLevel)
{
    EXPECT_TRUE(createDirectory(winPath(QStringLiteral("new"))));
    EXPECT_TRUE(QFileInfo(hostPath(QStringLiteral("new"))).isDir());
    EXPECT_TRUE(createDirectory(winPath(QStringLiteral("new\\sub\\"))));
    EXPECT_TRUE(QFileInfo(hostPath(QStringLiteral("new/sub"))).isDir());
    EXPECT_EQ(failureOf([&] { return createDirectory(winPath(QStringLiteral("new"))); }), error::AlreadyExists);
    EXPECT_EQ(failureOf([&] { return createDirectory(winPath(QStringLiteral("NEW"))); }), error::AlreadyExists)
        << "the same name in another case is the same folder";
    EXPECT_EQ(failureOf([&] { return createDirectory(winPath(QStringLiteral("a\\b"))); }), error::PathNotFound);
    EXPECT_EQ(failureOf([&] { return createDirectory(winPath(QStringLiteral("a?"))); }), error::InvalidName);
}

TEST_F(FileOpsTest, CreateDirectoryInReadOnlyFolderIsDenied)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root may create folders anywhere";
    makeFolder(QStringLiteral("locked"));
    QFile::setPermissions(hostPath(QStringLiteral("locked")), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    EXPECT_EQ(failureOf([&] { return createDirectory(winPath(QStringLiteral("locked\\x"))); }),
              error::AccessDenied);
}

TEST_F(FileOpsTest, CopyFileReplacesOrRefuses)
{
    writeFile(QStringLiteral("src/KOUJIMASTER"), "template");
    writeFile(QStringLiteral("dst/old"), "old");
    const QString source = winPath(QStringLiteral("SRC\\koujimaster"));
    EXPECT_TRUE(copyFile(source, winPath(QStringLiteral("dst\\old")), false));
    EXPECT_EQ(readFile(QStringLiteral("dst/old")), QByteArray("template"));

    writeFile(QStringLiteral("dst/kept"), "kept");
    EXPECT_EQ(failureOf([&] { return copyFile(source, winPath(QStringLiteral("dst\\kept")), true); }),
              error::FileExists);
    EXPECT_EQ(readFile(QStringLiteral("dst/kept")), QByteArray("kept"));
    EXPECT_TRUE(copyFile(source, winPath(QStringLiteral("dst\\fresh")), true));
    EXPECT_EQ(readFile(QStringLiteral("dst/fresh")), QByteArray("template"));
    EXPECT_EQ(entries(QStringLiteral("dst")), QStringList({QStringLiteral("fresh"), QStringLiteral("kept"),
                                                           QStringLiteral("old")}))
        << "no temporary file is left behind";

    EXPECT_EQ(failureOf([&] { return copyFile(winPath(QStringLiteral("src\\none")), winPath(QStringLiteral("x")), false); }),
              error::FileNotFound);
    EXPECT_EQ(failureOf([&] { return copyFile(winPath(QStringLiteral("none\\x")), winPath(QStringLiteral("x")), false); }),
              error::PathNotFound);
    EXPECT_EQ(failureOf([&] { return copyFile(source, winPath(QStringLiteral("none\\x")), false); }),
              error::PathNotFound);
    EXPECT_EQ(failureOf([&] { return copyFile(winPath(QStringLiteral("src")), winPath(QStringLiteral("x")), false); }),
              error::AccessDenied);
    EXPECT_EQ(failureOf([&] { return copyFile(source, winPath(QStringLiteral("dst")), false); }), error::AccessDenied);
}

TEST_F(FileOpsTest, CopyKeepsReadOnlyAttributeAndTimeUntilCleared)
{
    writeFile(QStringLiteral("KOUJIMASTER"), "template");
    const QDateTime stamp = QDateTime::fromString(QStringLiteral("2020-01-02T03:04:05Z"), Qt::ISODate);
    {
        QFile file(hostPath(QStringLiteral("KOUJIMASTER")));
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(stamp, QFileDevice::FileModificationTime));
    }
    makeReadOnly(QStringLiteral("KOUJIMASTER"));
    ASSERT_TRUE(copyFile(winPath(QStringLiteral("KOUJIMASTER")), tempWinPath() + QStringLiteral("KOUJIMASTER.MDB"), false));
    EXPECT_TRUE(isReadOnly(QStringLiteral("temp/KOUJIMASTER.MDB")));
    EXPECT_EQ(QFileInfo(tempHostPath(QStringLiteral("KOUJIMASTER.MDB"))).lastModified(), stamp);

    // Windows refuses to overwrite or delete a read-only file, root or not.
    const QString copy = tempWinPath() + QStringLiteral("KOUJIMASTER.MDB");
    EXPECT_EQ(failureOf([&] { return copyFile(winPath(QStringLiteral("KOUJIMASTER")), copy, false); }),
              error::AccessDenied);
    EXPECT_EQ(failureOf([&] { return deleteFile(copy); }), error::AccessDenied);
    ASSERT_TRUE(setFileAttributesNormal(copy));
    EXPECT_FALSE(isReadOnly(QStringLiteral("temp/KOUJIMASTER.MDB")));
    EXPECT_TRUE(deleteFile(copy));
    EXPECT_FALSE(QFile::exists(tempHostPath(QStringLiteral("KOUJIMASTER.MDB"))));
    EXPECT_EQ(failureOf([&] { return setFileAttributesNormal(copy); }), error::FileNotFound);
}

TEST_F(FileOpsTest, MoveAndDelete)
{
    writeFile(QStringLiteral("a.tmp"), "new");
    writeFile(QStringLiteral("a.dat"), "old");
    EXPECT_TRUE(moveFileReplace(winPath(QStringLiteral("A.TMP")), winPath(QStringLiteral("a.dat"))));
    EXPECT_EQ(readFile(QStringLiteral("a.dat")), QByteArray("new"));
    EXPECT_FALSE(QFile::exists(hostPath(QStringLiteral("a.tmp"))));
    EXPECT_EQ(failureOf([&] { return moveFileReplace(winPath(QStringLiteral("a.tmp")), winPath(QStringLiteral("b"))); }),
              error::FileNotFound);

    makeFolder(QStringLiteral("folder"));
    EXPECT_EQ(failureOf([&] { return deleteFile(winPath(QStringLiteral("folder"))); }), error::AccessDenied);
    EXPECT_EQ(failureOf([&] { return deleteFile(winPath(QStringLiteral("gone"))); }), error::FileNotFound);
    EXPECT_EQ(failureOf([&] { return deleteFile(winPath(QStringLiteral("gone\\x"))); }), error::PathNotFound);
    EXPECT_TRUE(deleteFile(winPath(QStringLiteral("A.DAT"))));
    EXPECT_FALSE(QFile::exists(hostPath(QStringLiteral("a.dat"))));
}

TEST_F(FileOpsTest, ReadFileStartTakesAtMostTheBytesAsked)
{
    writeFile(QStringLiteral("list.dat"), "0123456789");
    QByteArray bytes;
    EXPECT_TRUE(readFileStart(winPath(QStringLiteral("LIST.DAT")), 4, &bytes));
    EXPECT_EQ(bytes, QByteArray("0123"));
    EXPECT_TRUE(readFileStart(winPath(QStringLiteral("list.dat")), 64, &bytes));
    EXPECT_EQ(bytes, QByteArray("0123456789")) << "a short file gives what it holds";

    makeFolder(QStringLiteral("folder"));
    EXPECT_EQ(failureOf([&] { return readFileStart(winPath(QStringLiteral("folder")), 4, &bytes); }),
              error::AccessDenied);
    EXPECT_EQ(failureOf([&] { return readFileStart(winPath(QStringLiteral("gone")), 4, &bytes); }),
              error::FileNotFound);
    EXPECT_EQ(failureOf([&] { return readFileStart(winPath(QStringLiteral("gone\\x")), 4, &bytes); }),
              error::PathNotFound);
}

TEST_F(FileOpsTest, DriveTypes)
{
    makeFolder(QStringLiteral("data"));
    EXPECT_EQ(driveType(QStringLiteral("D:\\")), DriveType::Fixed);
    EXPECT_EQ(driveType(QStringLiteral("d:")), DriveType::Fixed);
    EXPECT_EQ(driveType(QStringLiteral("Q:\\")), DriveType::NoRootDir);
    EXPECT_EQ(driveType(QStringLiteral("D:\\data\\")), DriveType::Fixed) << "a folder named as a mount point";
    EXPECT_EQ(driveType(QStringLiteral("D:\\data")), DriveType::NoRootDir) << "no trailing backslash";
    EXPECT_EQ(driveType(QStringLiteral("D:\\missing\\")), DriveType::NoRootDir);
    EXPECT_EQ(driveType(QString()), DriveType::NoRootDir);
    mapDrive(QLatin1Char('G'), hostPath(QStringLiteral("vanished")));
    EXPECT_EQ(driveType(QStringLiteral("G:\\")), DriveType::NoRootDir) << "a drive whose folder is gone";
}

TEST_F(FileOpsTest, ShortPathNameIsTheExistingPathItself)
{
    writeFile(QStringLiteral("Program Files/ShelfWarden.exe"), "");
    const QString path = QStringLiteral("D:\\PROGRAM FILES\\shelfwarden.EXE");
    EXPECT_EQ(shortPathName(path), path);
    setLastError(error::Success);
    EXPECT_TRUE(shortPathName(winPath(QStringLiteral("Program Files\\none.exe"))).isEmpty());
    EXPECT_EQ(lastError(), error::FileNotFound);
    EXPECT_TRUE(shortPathName(winPath(QStringLiteral("none\\none.exe"))).isEmpty());
    EXPECT_EQ(lastError(), error::PathNotFound);
}

TEST_F(FileOpsTest, TempPathFollowsTheEnvironmentAtEveryCall)
{
    const QByteArray savedTmpDir = qgetenv("TMPDIR");
    EXPECT_EQ(tempPath(), QStringLiteral("D:\\temp\\"));

    qputenv("TMP", "D:/other");
    EXPECT_EQ(tempPath(), QStringLiteral("D:\\other\\")) << "a Windows-form value is taken as it is";

    qunsetenv("TMP");
    qputenv("TEMP", QFile::encodeName(hostPath(QStringLiteral("t2"))));
    EXPECT_EQ(tempPath(), QStringLiteral("D:\\t2\\"));

    qunsetenv("TEMP");
    qputenv("TMPDIR", QFile::encodeName(hostPath(QStringLiteral("sys"))));
    EXPECT_EQ(tempPath(), QStringLiteral("D:\\sys\\")) << "the system temp folder comes last";

    // A folder that no drive maps is passed over for the next one.
    unmapDrive(QLatin1Char('Z'));
    qputenv("TMP", "/nowhere/mapped");
    EXPECT_EQ(tempPath(), QStringLiteral("D:\\sys\\"));
    unmapDrive(QLatin1Char('D'));
    setLastError(error::Success);
    EXPECT_TRUE(tempPath().isEmpty());
    EXPECT_EQ(lastError(), error::PathNotFound);
    qputenv("TMPDIR", savedTmpDir);
    if (savedTmpDir.isNull())
        qunsetenv("TMPDIR");
}

TEST_F(FileOpsTest, ModuleFileNameIsTheRunningProgram)
{
    const QString program = moduleFileName();
    EXPECT_TRUE(program.startsWith(QStringLiteral("Z:\\"))) << program.toStdString();
    EXPECT_TRUE(program.endsWith(QStringLiteral("\\platform_tests"))) << program.toStdString();
    EXPECT_EQ(toHostPath(program), QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath());
}

TEST_F(FileOpsTest, ErrorModeIsKeptForRestoring)
{
    const unsigned old = setErrorMode(SemFailCriticalErrors);
    EXPECT_EQ(setErrorMode(old), SemFailCriticalErrors);
}
