#pragma once

#include "workstree.h"

#include <optional>

namespace win {
class SuiteLibrary;
}

namespace suiteapi {

// The functions of the album tree library "workstree.dll".
struct WorkstreeFunctions
{
    decltype(&::CreateWorksTree) createWorksTree = nullptr;
    decltype(&::CreatePhotoMdb) createPhotoMdb = nullptr;
    decltype(&::GetOtherData) getOtherData = nullptr;
    decltype(&::SetOtherData) setOtherData = nullptr;
    decltype(&::DestoryWorksTree) destoryWorksTree = nullptr;

    // The functions of a loaded library; nothing when one is missing.
    static std::optional<WorkstreeFunctions> fromLibrary(const win::SuiteLibrary &library);
};

} // namespace suiteapi
