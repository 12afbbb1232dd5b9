#include "dataroot.h"

#include "suitelayout.h"

#include "platform/pathnames.h"
#include "platform/profile.h"
#include "platform/winpath.h"

#include <QDir>

namespace suitedata {

namespace {

QString withBackslash(const QString &folder)
{
    return folder.endsWith(QLatin1Char('\\')) ? folder : folder + QLatin1Char('\\');
}

} // namespace

DataRoot locateDataRoot(const suiteapi::SuiteCommonFunctions &suite, const QString &programFolder)
{
    const QString profileName = ProfileFileName.toString();
    const bool dataInProgramFolder =
        suite.isWin2KorXP() == 0
        || win::getPrivateProfileInt(QStringLiteral("common"), QStringLiteral("Checked"), 0,
                                     programFolder + profileName)
            != 0;
    DataRoot root{programFolder};
    if (!dataInProgramFolder) {
        QString folder = programFolder;
        folder.chop(1);
        const QString dataDir = suiteapi::myDataDir(suite, folder);
        // Without a per-user folder the data can only be beside the program.
        if (!dataDir.isEmpty())
            root.folder = withBackslash(dataDir);
    }

    root.activeProfileFolder = activeProfileFolder(root.folder);
    const QString rootDir =
        win::getPrivateProfileString(CommonSection.toString(), RootDirKey.toString(), QString(),
                                     win::MaxPath, win::joinPath(root.folder, profileName));
    if (!rootDir.isEmpty())
        root.folder = withBackslash(rootDir);
    return root;
}

int activeProfileFolder(const QString &dataRoot)
{
    return win::getPrivateProfileInt(CommonSection.toString(), ActiveShelfKey.toString(), 0,
                                     win::joinPath(dataRoot, ProfileFileName.toString()));
}

int nextFreeProfileFolder(const QString &dataRootHost)
{
    const QDir root(dataRootHost);
    int number = 0;
    while (root.exists(profileFolderName(number)))
        ++number;
    return number;
}

} // namespace suitedata
