#pragma once

#include "suitecommon.h"

#include <QString>
#include <QStringView>

#include <optional>

namespace win {
class SuiteLibrary;
}

namespace suiteapi {

// The suite's common library, by its Windows name.
inline constexpr QStringView SuiteCommonLibraryName = u"suitecommon.DLL";

// The functions of the suite's common library "suitecommon.DLL".
struct SuiteCommonFunctions
{
    decltype(&::InitializeCommonDll) initializeCommonDll = nullptr;
    decltype(&::IsThisDriveWritable) isThisDriveWritable = nullptr;
    decltype(&::IsWin2KorXP) isWin2KorXP = nullptr;
    decltype(&::GetMyDataDir) getMyDataDir = nullptr;
    decltype(&::GetLongPath) getLongPath = nullptr;
    decltype(&::CatPath) catPath = nullptr;

    // The functions of a loaded library; nothing when one is missing.
    static std::optional<SuiteCommonFunctions> fromLibrary(const win::SuiteLibrary &library);
};

// The calls over QString, through buffers of 260 characters (texts cut to
// fit).

// GetMyDataDir: the per-user data folder for a program folder given without
// its trailing backslash; empty when there is none.
QString myDataDir(const SuiteCommonFunctions &suite, const QString &programFolder);
// GetLongPath.
QString longPath(const SuiteCommonFunctions &suite, const QString &path);
// CatPath: name appended to path with one backslash between.
QString catPath(const SuiteCommonFunctions &suite, const QString &path, const QString &name);
// IsThisDriveWritable: false when the folder cannot be written.
bool isThisDriveWritable(const SuiteCommonFunctions &suite, const QString &folder);

} // namespace suiteapi
