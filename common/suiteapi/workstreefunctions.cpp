#include "workstreefunctions.h"

#include "libraryfunctions.h"

namespace suiteapi {

std::optional<WorkstreeFunctions> WorkstreeFunctions::fromLibrary(const win::SuiteLibrary &library)
{
    WorkstreeFunctions f;
    const bool bound = bindFunction(library, "CreateWorksTree", f.createWorksTree)
        && bindFunction(library, "CreatePhotoMdb", f.createPhotoMdb)
        && bindFunction(library, "GetOtherData", f.getOtherData)
        && bindFunction(library, "SetOtherData", f.setOtherData)
        && bindFunction(library, "DestoryWorksTree", f.destoryWorksTree);
    if (!bound)
        return std::nullopt;
    return f;
}

} // namespace suiteapi
