#include "sharedshelfcheck.h"

#include "netprofile.h"
#include "shelfpaths.h"

#include "platform/profile.h"
#include "platform/version.h"

namespace {

// _wtoi: the leading decimal digits, with an optional sign; 0 for none.
int leadingInteger(const QString &text)
{
    qsizetype end = text.startsWith(QLatin1Char('-')) || text.startsWith(QLatin1Char('+')) ? 1 : 0;
    while (end < text.size() && text.at(end).isDigit() && text.at(end).unicode() < 128)
        ++end;
    return text.left(end).toInt();
}

} // namespace

SharedShelf CheckSharedShelf(const QString &folder)
{
    if (!shelfpaths::fileExists(shelfpaths::join(folder, QStringLiteral("KOUJI.XML"))))
        return SharedShelf::NotShared;
    const QString profile = shelfpaths::join(folder, netprof::FileName);
    if (!shelfpaths::fileExists(profile))
        return SharedShelf::NotShared;
    return ProfileIsNewer(profile) ? SharedShelf::Newer : SharedShelf::Changeable;
}

bool ProfileIsNewer(const QString &profilePath)
{
    const QString version =
        win::getPrivateProfileString(netprof::VersionSection, netprof::VersionKey,
                                     QStringLiteral("0"), netprof::VersionBufferSize, profilePath);
    return leadingInteger(version) > toolVersion();
}

int toolVersion()
{
    return win::productVersion().major;
}
