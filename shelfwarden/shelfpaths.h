#pragma once

#include <QString>

// Windows-form path helpers of the shelf tool.
namespace shelfwarden::shelfpaths {

// True when the path names an existing file.
bool fileExists(const QString &path);
// True when the path names an existing folder.
bool folderExists(const QString &path);

} // namespace shelfwarden::shelfpaths
