#include "worksdatafunctions.h"

#include "libraryfunctions.h"

namespace suiteapi {

std::optional<WorksdataFunctions> WorksdataFunctions::fromLibrary(const win::SuiteLibrary &library)
{
    WorksdataFunctions f;
    const bool bound = bindFunction(library, "CheckPhotoFolder", f.checkPhotoFolder)
        && bindFunction(library, "GetPlanFlag", f.getPlanFlag)
        && bindFunction(library, "DNXmlRead", f.dnXmlRead)
        && bindFunction(library, "DNInfMake", f.dnInfMake)
        && bindFunction(library, "DNKoujiInfGet2", f.dnKoujiInfGet2)
        && bindFunction(library, "DNErrInfMake4", f.dnErrInfMake4)
        && bindFunction(library, "GetCooperatorCount", f.getCooperatorCount)
        && bindFunction(library, "IsCooperatorInstalled", f.isCooperatorInstalled)
        && bindFunction(library, "GetCooperatorAppName", f.getCooperatorAppName);
    if (!bound)
        return std::nullopt;
    return f;
}

} // namespace suiteapi
