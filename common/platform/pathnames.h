#pragma once

#include <QString>

// Composing and cutting Windows-form paths as the programs do.
namespace win {

// folder + "\" + name, without doubling a separator the folder ends in
// ("D:\" + "a" is "D:\a").
QString joinPath(const QString &folder, const QString &name);

// The drive and folder of a path, with the trailing backslash: everything
// up to its last "\" or "/" ("D:\prog\a.exe" gives "D:\prog\"); empty when
// there is none.
QString folderOfPath(const QString &path);

// The folder of the running program (GetModuleFileNameW cut after its last
// separator), with the trailing backslash.
QString programFolder();

} // namespace win
