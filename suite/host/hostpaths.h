#pragma once

#include <QString>

// The host application names folders in Windows form (D:\納品); on the
// command line a host path is taken as well, through the drive table.
namespace host {

bool isWindowsPath(const QString &path);
// Empty when no drive maps the folder.
QString windowsPathOf(const QString &path);
QString hostPathOf(const QString &path);

} // namespace host
