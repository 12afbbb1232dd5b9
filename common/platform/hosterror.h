#pragma once

#include "winerror.h"

#include <QString>

// Turns the host system's failures into the Win32 codes the programs expect.
namespace win {

ErrorCode errorFromErrno(int errnoValue);

// The code Windows gives for a name that is not there: FileNotFound when
// the folder that should hold it exists, else PathNotFound.
ErrorCode missingEntryError(const QString &hostPath);

// Sets the last error and returns false, for one-line failure exits.
bool fail(ErrorCode code);
bool failFromErrno(int errnoValue);

} // namespace win
