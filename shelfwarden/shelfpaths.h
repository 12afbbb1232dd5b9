#pragma once

#include <QString>

// Windows-form path helpers of the shelf tool.
namespace shelfpaths {

// folder + "\" + name, without doubling the backslash of a drive root.
QString join(const QString &folder, const QString &name);
// True when the path names an existing file.
bool fileExists(const QString &path);
// True when the path names an existing folder.
bool folderExists(const QString &path);

} // namespace shelfpaths
