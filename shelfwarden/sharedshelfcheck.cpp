#include "sharedshelfcheck.h"

#include "shelfpaths.h"

#include "netprof/netprofile.h"
#include "platform/crtinteger.h"
#include "platform/pathnames.h"
#include "platform/profile.h"
#include "platform/version.h"

namespace shelfwarden {

SharedShelf CheckSharedShelf(const QString &folder)
{
    if (!shelfpaths::fileExists(win::joinPath(folder, QStringLiteral("KOUJI.XML"))))
        return SharedShelf::NotShared;
    const QString profile = win::joinPath(folder, netprof::FileName);
    if (!shelfpaths::fileExists(profile))
        return SharedShelf::NotShared;
    return ProfileIsNewer(profile) ? SharedShelf::Newer : SharedShelf::Changeable;
}

bool ProfileIsNewer(const QString &profilePath)
{
    const QString version =
        win::getPrivateProfileString(netprof::VersionSection, netprof::VersionKey,
                                     QStringLiteral("0"), netprof::VersionBufferSize, profilePath);
    return win::wtoi(version) > toolVersion();
}

int toolVersion()
{
    return win::productVersion().major;
}

} // namespace shelfwarden
