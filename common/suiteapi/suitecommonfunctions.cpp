#include "suitecommonfunctions.h"

#include "libraryfunctions.h"
#include "pathbuffer.h"

namespace suiteapi {

std::optional<SuiteCommonFunctions> SuiteCommonFunctions::fromLibrary(
    const win::SuiteLibrary &library)
{
    SuiteCommonFunctions f;
    const bool bound = bindFunction(library, "InitializeCommonDll", f.initializeCommonDll)
        && bindFunction(library, "IsThisDriveWritable", f.isThisDriveWritable)
        && bindFunction(library, "IsWin2KorXP", f.isWin2KorXP)
        && bindFunction(library, "GetMyDataDir", f.getMyDataDir)
        && bindFunction(library, "GetLongPath", f.getLongPath)
        && bindFunction(library, "CatPath", f.catPath);
    if (!bound)
        return std::nullopt;
    return f;
}

QString myDataDir(const SuiteCommonFunctions &suite, const QString &programFolder)
{
    const PathBuffer folder = toPathBuffer(programFolder);
    PathBuffer result{};
    if (!suite.getMyDataDir(folder.data(), result.data()))
        return QString();
    return fromPathBuffer(result);
}

QString longPath(const SuiteCommonFunctions &suite, const QString &path)
{
    const PathBuffer source = toPathBuffer(path);
    PathBuffer result{};
    suite.getLongPath(source.data(), result.data());
    return fromPathBuffer(result);
}

QString catPath(const SuiteCommonFunctions &suite, const QString &path, const QString &name)
{
    PathBuffer result = toPathBuffer(path);
    const PathBuffer tail = toPathBuffer(name);
    suite.catPath(result.data(), tail.data());
    return fromPathBuffer(result);
}

bool isThisDriveWritable(const SuiteCommonFunctions &suite, const QString &folder)
{
    PathBuffer buffer = toPathBuffer(folder);
    return suite.isThisDriveWritable(buffer.data()) != 0;
}

} // namespace suiteapi
