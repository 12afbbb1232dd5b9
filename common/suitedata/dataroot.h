#pragma once

#include "suiteapi/suitecommonfunctions.h"

#include <QString>

// Where the suite keeps its bookshelves on this computer
// (docs/suite-data.md, "Data root"): found the same way by ShelfWarden and
// by the host stand-in when it is started without a data root.
namespace suitedata {

struct DataRoot
{
    QString folder;               // Windows form, with trailing backslash
    int activeProfileFolder = 0;  // activebks of Profile.dat
};

// The data root of the suite installed in programFolder (Windows form,
// with trailing backslash): the program folder or the suite's per-user data
// folder, moved by RootDir of Profile.dat.
DataRoot locateDataRoot(const suiteapi::SuiteCommonFunctions &suite, const QString &programFolder);

// activebks of the data root's Profile.dat (Windows form): the number of
// the active bookshelf's profile folder, 0 when not given.
int activeProfileFolder(const QString &dataRoot);

// The first profile folder number (data, data1, ...) under the data root
// (a host folder) that does not exist yet.
int nextFreeProfileFolder(const QString &dataRootHost);

} // namespace suitedata
