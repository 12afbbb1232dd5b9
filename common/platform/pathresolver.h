#pragma once

#include "winerror.h"

#include <QString>
#include <QStringList>

// The steps behind toHostPath, shared with the listing: a Windows path is
// split and normalised as Win32 does it (separators collapsed, "." and ".."
// folded, trailing dots and blanks of names dropped), then its components
// are found on the host volume without regard to case.
namespace win {

struct WindowsPathParts
{
    ErrorCode error = error::Success;
    QChar drive;
    QStringList components;       // after normalisation; empty for a root
    bool trailingSeparator = false;
};

enum class LastComponent {
    Name,     // a name like every other component
    Pattern,  // may hold '*' and '?', kept as written (the listing reads it)
};

// A path in this form ("\\?\D:\...") may be longer than MAX_PATH.
inline constexpr QLatin1StringView ExtendedPathPrefix("\\\\?\\");
constexpr int MaxExtendedPath = 32767;

WindowsPathParts splitWindowsPath(const QString &windowsPath,
                                  LastComponent last = LastComponent::Name);

// Host path of components under a drive's host folder. Each component that
// exists under another case is taken with its case on disk; from the first
// that does not exist at all, the rest is kept as written.
QString resolveComponents(const QString &driveFolder, const QStringList &components);

// The entry of a host folder whose Windows name (hostnames.h) equals name
// without regard to case, the first in listing order; null when there is
// none. The result is the entry's host name.
QString findNameIgnoringCase(const QString &hostFolder, const QString &name);

// True when something of that name exists (links are not followed).
bool hostEntryExists(const QString &hostPath);

QString joinHostPath(const QString &folder, const QString &name);

// Characters Windows refuses in a name: < > : " | and control characters,
// and * and ? unless the name is a search pattern.
bool isForbiddenInName(QChar c, bool wildcardsAllowed);

// Win32 drops trailing dots and blanks of a name ("name. " is "name").
QString withoutTrailingDotsAndBlanks(const QString &name);

} // namespace win
