#pragma once

#include "worksdata.h"

#include <optional>

namespace win {
class SuiteLibrary;
}

namespace suiteapi {

// The functions of the construction-data library "worksdata.dll".
struct WorksdataFunctions
{
    decltype(&::CheckPhotoFolder) checkPhotoFolder = nullptr;
    decltype(&::GetPlanFlag) getPlanFlag = nullptr;
    decltype(&::DNXmlRead) dnXmlRead = nullptr;
    decltype(&::DNInfMake) dnInfMake = nullptr;
    decltype(&::DNKoujiInfGet2) dnKoujiInfGet2 = nullptr;
    decltype(&::DNErrInfMake4) dnErrInfMake4 = nullptr;
    decltype(&::GetCooperatorCount) getCooperatorCount = nullptr;
    decltype(&::IsCooperatorInstalled) isCooperatorInstalled = nullptr;
    decltype(&::GetCooperatorAppName) getCooperatorAppName = nullptr;

    // The functions of a loaded library; nothing when one is missing.
    static std::optional<WorksdataFunctions> fromLibrary(const win::SuiteLibrary &library);
};

} // namespace suiteapi
