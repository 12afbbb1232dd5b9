#include "cshelfwardenapp.h"

#include "shelfpaths.h"

#include "platform/fileops.h"
#include "platform/pathnames.h"
#include "platform/profile.h"
#include "platform/winpath.h"
#include "suitedata/dataroot.h"
#include "suitedata/suitelayout.h"

namespace shelfwarden {

namespace {

const QString CommonSection = suitedata::CommonSection.toString();

} // namespace

const QString CShelfWardenApp::Title = QStringLiteral("共有本棚の利用情報確認");
const QString CShelfWardenApp::MissingFolderSuffix =
    QStringLiteral("（データフォルダが見つかりません）");
const QString CShelfWardenApp::FolderPresent = QStringLiteral("ON");
const QString CShelfWardenApp::FolderMissing = QStringLiteral("OFF");

CShelfWardenApp::CShelfWardenApp(const suiteapi::SuiteCommonFunctions &suite)
    : m_suite(suite)
{
}

void CShelfWardenApp::locateDataRoot(const QString &programFolder)
{
    const suitedata::DataRoot root = suitedata::locateDataRoot(m_suite, programFolder);
    m_strSuiteDataRoot = root.folder;
    m_activeProfileFolder = root.activeProfileFolder;
}

void CShelfWardenApp::discoverShelves()
{
    if (!m_astrDataDir.isEmpty())
        return;
    for (int number = 0;; ++number) {
        const QString folder = m_strSuiteDataRoot + suitedata::profileFolderName(number);
        if (!shelfpaths::folderExists(folder))
            break;
        const QString profile = win::joinPath(folder, suitedata::ShelfProfileFileName.toString());
        QString dataDir = win::getPrivateProfileString(CommonSection, suitedata::DataDirKey.toString(),
                                                       QString(), win::MaxPath, profile);
        if (dataDir.isEmpty()) {
            if (number == m_activeProfileFolder)
                m_nActiveShelf = 0;
            continue;
        }
        if (shelfpaths::fileExists(win::joinPath(dataDir, suitedata::ShelfMarkerFileName.toString()))) {
            m_astrFolderState.append(FolderPresent);
        } else {
            m_astrFolderState.append(FolderMissing);
            dataDir += MissingFolderSuffix;
        }
        m_astrDataDir.append(dataDir);
        m_astrShelfName.append(win::getPrivateProfileString(
            CommonSection, suitedata::ShelfNameKey.toString(), QString(), win::MaxPath, profile));
        if (number == m_activeProfileFolder)
            m_nActiveShelf = int(m_astrDataDir.size()) - 1;
    }
}

QString CShelfWardenApp::instanceName(const QString &commandLine,
                                      const QString &programFileName) const
{
    QString line = commandLine.left(win::MaxPath - 1);
    if (line.startsWith(QLatin1Char('"')))
        line.remove(0, 1);
    const qsizetype end = line.indexOf(programFileName, 0, Qt::CaseInsensitive);
    QString folder = end < 0 ? line : line.left(end);
    if (folder.endsWith(QLatin1Char('\\')) && !folder.endsWith(QLatin1String(":\\")))
        folder.chop(1);

    const QString program = suiteapi::catPath(m_suite, folder, programFileName);
    QString name = win::shortPathName(program);
    // The short form is missing only when the path cannot be found; the
    // path as given still names this program.
    if (name.isEmpty())
        name = program;
    name.replace(QLatin1Char('\\'), QLatin1Char('0'));
    name.replace(QLatin1Char(':'), QLatin1Char('0'));
    return name.toUpper();
}

CShelfWardenApp::Instance CShelfWardenApp::claimInstance(const QString &commandLine,
                                                         const QString &programFileName)
{
    switch (m_instanceMutex.create(instanceName(commandLine, programFileName))) {
    case win::NamedMutex::Result::Created:
        return Instance::First;
    case win::NamedMutex::Result::AlreadyExists:
        return Instance::AlreadyRunning;
    case win::NamedMutex::Result::Failed:
        break;
    }
    return Instance::Failed;
}

} // namespace shelfwarden
