#include "shelfstaging.h"

#include "hostpaths.h"
#include "photocopy.h"

#include "platform/profile.h"
#include "platform/winpath.h"
#include "suitedata/suitelayout.h"

#include "hostmessages.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace host {

namespace {

// A folder name the suite never reads, so that a half-built bookshelf is
// not seen.
const QString ScratchSuffix = QStringLiteral(".importing");
// In a data folder renamed into place before its bookshelf's profile: the
// folder is ours to take away until the profile has come.
const QString UnfinishedMarker = QStringLiteral("import.unfinished");

bool isEmptyFolderOrMissing(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return true;
    return info.isDir() && QDir(path).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
}

// Only folders: a file of the user's under a scratch name stays, and the
// import that needs the name fails instead.
void removeFolder(const QString &path)
{
    const QFileInfo info(path);
    if (info.isDir() && !info.isSymLink())
        QDir(path).removeRecursively();
}

QString profileFile(const QString &profileFolder)
{
    return QDir(profileFolder).filePath(suitedata::ShelfProfileFileName.toString());
}

// DataDir of a profile folder's BKSPROF.DAT as a host path; empty when
// there is none or no drive maps it.
QString dataFolderOf(const QString &profileFolder)
{
    const QString file = windowsPathOf(profileFile(profileFolder));
    if (file.isEmpty() || !QFileInfo::exists(profileFile(profileFolder)))
        return QString();
    const QString dataDir =
        win::getPrivateProfileString(suitedata::CommonSection.toString(),
                                     suitedata::DataDirKey.toString(), QString(), win::MaxPath, file);
    const QString host = dataDir.isEmpty() ? QString() : win::toHostPath(dataDir);
    return host.isEmpty() ? QString() : QDir::cleanPath(host);
}

} // namespace

ShelfStaging::ShelfStaging(const QString &profileFolder, const QString &dataFolder)
    : m_profile(QDir::cleanPath(profileFolder)), m_data(QDir::cleanPath(dataFolder))
{}

ShelfStaging::~ShelfStaging()
{
    if (!m_started || m_committed)
        return;
    removeFolder(m_profile + ScratchSuffix);
    if (!separateData())
        return;
    removeFolder(m_data + ScratchSuffix);
    if (m_dataPlaced)
        removeFolder(m_data);
    if (m_hadEmptyFolder)
        QDir().mkdir(m_data);
    // The parents made for the scratch folder, innermost first, while empty.
    if (m_firstMadeParent.isEmpty())
        return;
    for (QString folder = QFileInfo(m_data).path();; folder = QFileInfo(folder).path()) {
        if (!QDir().rmdir(folder) || folder == m_firstMadeParent)
            break;
    }
}

bool ShelfStaging::separateData() const
{
    return m_data != m_profile;
}

QString ShelfStaging::dataScratch() const
{
    return m_data + ScratchSuffix;
}

bool ShelfStaging::fail(const QString &text, QString *error)
{
    *error = text;
    return false;
}

bool ShelfStaging::start(const QString &dataDir, const QString &shelfName, QString *error)
{
    if (QFileInfo::exists(m_profile))
        return fail(messages::ProfileFolderTaken.arg(m_profile), error);
    if (separateData() && !isEmptyFolderOrMissing(m_data))
        return fail(messages::ShelfFolderNotEmpty.arg(m_data),
                    error);
    m_started = true;
    const QString profileScratch = m_profile + ScratchSuffix;
    removeFolder(profileScratch); // left by an import killed on the way
    if (!QDir().mkdir(profileScratch))
        return fail(messages::FolderNotMade.arg(profileScratch), error);
    // BKSPROF.DAT first: it names the data folder, for a later import to
    // find what this one leaves should it be killed.
    const QString profileWin = windowsPathOf(profileFile(profileScratch));
    const QString section = suitedata::CommonSection.toString();
    if (profileWin.isEmpty()
        || !win::writePrivateProfileString(section, suitedata::DataDirKey.toString(), dataDir,
                                           profileWin, win::ProfileEncoding::Utf16)
        || !win::writePrivateProfileString(section, suitedata::ShelfNameKey.toString(), shelfName,
                                           profileWin, win::ProfileEncoding::Utf16))
        return fail(messages::FileNotWritten.arg(profileFile(profileScratch)), error);
    if (!separateData())
        return true;

    m_hadEmptyFolder = QFileInfo(m_data).isDir();
    const QString scratch = dataScratch();
    removeFolder(scratch);
    for (QString folder = QFileInfo(scratch).path(); !QFileInfo::exists(folder);
         folder = QFileInfo(folder).path())
        m_firstMadeParent = folder;
    QFile marker(QDir(scratch).filePath(UnfinishedMarker));
    if (!QDir().mkpath(scratch) || !marker.open(QIODevice::WriteOnly))
        return fail(messages::FolderNotMade.arg(scratch), error);
    return true;
}

bool ShelfStaging::commit(QString *error)
{
    // On disk before the renames, lest a power failure leave a bookshelf
    // that has taken effect with files never written.
    const QString profileScratch = m_profile + ScratchSuffix;
    if (!syncVolume(dataScratch()) || !syncVolume(profileScratch))
        return fail(messages::FolderNotSynced.arg(dataScratch()), error);
    if (separateData()) {
        // An empty folder the user named gives way to the data folder; the
        // destructor gives it back should the import fail after all.
        if (m_hadEmptyFolder)
            QDir().rmdir(m_data);
        if (!QDir().rename(dataScratch(), m_data))
            return fail(messages::FolderNotRenamed.arg(dataScratch()), error);
        m_dataPlaced = true;
    }
    if (!QDir().rename(profileScratch, m_profile))
        return fail(messages::FolderNotRenamed.arg(profileScratch), error);
    m_committed = true;
    // The bookshelf stands; a marker that cannot go now goes at the next
    // import.
    if (separateData())
        QFile::remove(QDir(m_data).filePath(UnfinishedMarker));
    return true;
}

void recoverInterruptedImports(const QString &dataRoot)
{
    const QDir root(dataRoot);
    const QStringList scratches = root.entryList({QLatin1Char('*') + ScratchSuffix},
                                                 QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden);
    for (const QString &name : scratches) {
        const QString scratch = root.filePath(name);
        const QString profile = scratch.chopped(ScratchSuffix.size());
        const QString data = dataFolderOf(scratch);
        if (!data.isEmpty() && data != QDir::cleanPath(profile)) {
            removeFolder(data + ScratchSuffix);
            if (QFileInfo::exists(QDir(data).filePath(UnfinishedMarker)))
                removeFolder(data);
        }
        removeFolder(scratch);
    }
    for (int number = 0; root.exists(suitedata::profileFolderName(number)); ++number) {
        const QString data = dataFolderOf(root.filePath(suitedata::profileFolderName(number)));
        if (!data.isEmpty())
            QFile::remove(QDir(data).filePath(UnfinishedMarker));
    }
}

} // namespace host
