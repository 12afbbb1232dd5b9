#pragma once

#include <QtGlobal>

// Win32 error codes and the thread's last error, as the programs' logic
// and messages expect them ("the system error code of the failed attempt").
namespace win {

using ErrorCode = quint32;

namespace error {
constexpr ErrorCode Success = 0;
constexpr ErrorCode FileNotFound = 2;
constexpr ErrorCode PathNotFound = 3;
constexpr ErrorCode TooManyOpenFiles = 4;
constexpr ErrorCode AccessDenied = 5;
constexpr ErrorCode InvalidData = 13;
constexpr ErrorCode NotSameDevice = 17;
constexpr ErrorCode NoMoreFiles = 18;
constexpr ErrorCode WriteProtect = 19;
constexpr ErrorCode WriteFault = 29;
constexpr ErrorCode ReadFault = 30;
constexpr ErrorCode GenFailure = 31;
constexpr ErrorCode SharingViolation = 32;
constexpr ErrorCode FileExists = 80;
constexpr ErrorCode InvalidParameter = 87;
constexpr ErrorCode DiskFull = 112;
constexpr ErrorCode InvalidName = 123;
constexpr ErrorCode ModuleNotFound = 126;
constexpr ErrorCode ProcNotFound = 127;
constexpr ErrorCode DirNotEmpty = 145;
constexpr ErrorCode AlreadyExists = 183;
constexpr ErrorCode FilenameExcedRange = 206;
} // namespace error

ErrorCode lastError();
void setLastError(ErrorCode code);

} // namespace win
