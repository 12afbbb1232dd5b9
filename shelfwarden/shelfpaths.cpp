#include "shelfpaths.h"

#include "platform/findfile.h"

namespace shelfwarden::shelfpaths {

namespace {

// FindFirstFileW on a name without wildcards finds the entry itself.
bool entryExists(const QString &path, bool directory)
{
    win::FileFinder finder;
    return finder.findFirst(path) && finder.current().directory == directory;
}

} // namespace

bool fileExists(const QString &path)
{
    return entryExists(path, false);
}

bool folderExists(const QString &path)
{
    return entryExists(path, true);
}

} // namespace shelfwarden::shelfpaths
