#pragma once

#include "suite/worksdata.h"

#include <optional>

namespace win {
class SuiteLibrary;
}

namespace reader {

// The worksdata functions DeliveryReader calls. The program takes them from
// the library it loaded by name; tests put fakes in their place.
struct WorksdataFunctions
{
    decltype(&::CheckPhotoFolder) checkPhotoFolder = nullptr;
    decltype(&::GetPlanFlag) getPlanFlag = nullptr;
    decltype(&::DNXmlRead) dnXmlRead = nullptr;

    // The functions of a loaded library; nothing when one is missing.
    static std::optional<WorksdataFunctions> fromLibrary(const win::SuiteLibrary &library);
};

} // namespace reader
