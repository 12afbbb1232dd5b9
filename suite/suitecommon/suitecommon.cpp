#include "suiteapi/suitecommon.h"

#include "platform/fileops.h"
#include "platform/winpath.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <algorithm>

// The stand-in for the suite's common library. What the Windows library
// takes from the system (the per-user application data folder, the drive's
// write protection) comes here from the host, through the drive table.
namespace {

// Overrides the per-user data folder, for tests and the demo: a Windows
// path, or a host path turned into one over the drive table.
constexpr char DataDirVariable[] = "TESSERA_SUITE_DATA";

QString fromBuffer(const char16_t *text)
{
    return text ? QString::fromUtf16(text) : QString();
}

// Copies text with its terminating zero into a caller's buffer of MaxPath
// characters; false (buffer untouched) when it does not fit.
bool toBuffer(const QString &text, char16_t *buffer)
{
    if (!buffer || text.size() >= win::MaxPath)
        return false;
    std::copy_n(reinterpret_cast<const char16_t *>(text.utf16()), text.size(), buffer);
    buffer[text.size()] = u'\0';
    return true;
}

QString withoutTrailingBackslash(QString path)
{
    while (path.endsWith(QLatin1Char('\\')) && !path.endsWith(QLatin1String(":\\")))
        path.chop(1);
    return path;
}

// The last name of a Windows-form folder path ("C:\Suite\ORBIS" gives
// "ORBIS"), empty for a drive root.
QString lastName(const QString &folder)
{
    const QString path = withoutTrailingBackslash(folder);
    const qsizetype slash = path.lastIndexOf(QLatin1Char('\\'));
    return slash < 0 ? QString() : path.mid(slash + 1);
}

// The user's data folder of the suite installed in programFolder.
QString userDataDir(const QString &programFolder)
{
    QString name = lastName(programFolder);
    if (name.isEmpty())
        name = QStringLiteral("Tessera");
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return win::toWindowsPath(QDir(base).filePath(QStringLiteral("tessera/") + name));
}

} // namespace

extern "C" {

int InitializeCommonDll(int /*reserved*/)
{
    return 1;
}

int IsThisDriveWritable(char16_t *folder)
{
    const QString path = fromBuffer(folder);
    if (path.size() < 2 || path.at(1) != QLatin1Char(':'))
        return 0;
    const win::DriveType type = win::driveType(path.left(2) + QLatin1Char('\\'));
    if (type == win::DriveType::CdRom || type == win::DriveType::NoRootDir
        || type == win::DriveType::Unknown)
        return 0;
    // A folder about to be created counts by its nearest existing parent.
    QFileInfo info(win::toHostPath(path));
    while (!info.exists() && info.absoluteFilePath() != info.absolutePath())
        info = QFileInfo(info.absolutePath());
    return info.exists() && info.isDir() && info.isWritable() ? 1 : 0;
}

int IsWin2KorXP()
{
    // The platforms the suite supports all keep a per-user data folder.
    return 1;
}

int GetMyDataDir(const char16_t *programFolder, char16_t *buffer)
{
    QString folder = qEnvironmentVariable(DataDirVariable);
    if (folder.startsWith(QLatin1Char('/')))
        folder = win::toWindowsPath(folder);
    if (folder.isEmpty())
        folder = userDataDir(fromBuffer(programFolder));
    folder = withoutTrailingBackslash(folder);
    if (folder.isEmpty() || !toBuffer(folder, buffer)) {
        if (buffer)
            buffer[0] = u'\0';
        return 0;
    }
    return 1;
}

int GetLongPath(const char16_t *path, char16_t *buffer)
{
    // There are no 8.3 names here: every path is already in its long form,
    // and a path that does not exist is handed back as it is.
    const QString text = fromBuffer(path).left(win::MaxPath - 1);
    toBuffer(text, buffer);
    return int(text.size());
}

int CatPath(char16_t *path, const char16_t *name)
{
    if (!path)
        return 0;
    QString result = fromBuffer(path);
    QString tail = fromBuffer(name);
    while (tail.startsWith(QLatin1Char('\\')))
        tail.remove(0, 1);
    if (!result.isEmpty() && !result.endsWith(QLatin1Char('\\')) && !tail.isEmpty())
        result += QLatin1Char('\\');
    result += tail;
    return toBuffer(result, path) ? 1 : 0;
}

} // extern "C"
