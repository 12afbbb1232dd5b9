#include "testsuiteservices.h"

namespace {

bool perUserDataFolder = true;

int testIsWin2KorXP()
{
    return perUserDataFolder ? 1 : 0;
}

} // namespace

suiteapi::SuiteCommonFunctions testSuiteCommon()
{
    perUserDataFolder = true;
    suiteapi::SuiteCommonFunctions functions;
    functions.initializeCommonDll = InitializeCommonDll;
    functions.isThisDriveWritable = IsThisDriveWritable;
    functions.isWin2KorXP = testIsWin2KorXP;
    functions.getMyDataDir = GetMyDataDir;
    functions.getLongPath = GetLongPath;
    functions.catPath = CatPath;
    return functions;
}

void setPerUserDataFolder(bool perUser)
{
    perUserDataFolder = perUser;
}
