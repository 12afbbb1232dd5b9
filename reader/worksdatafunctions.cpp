#include "worksdatafunctions.h"

#include "platform/suitelibrary.h"

#include <type_traits>

namespace reader {

namespace {

template <typename Pointer>
void resolve(const win::SuiteLibrary &library, const char *name, Pointer &function)
{
    function = library.function<std::remove_pointer_t<Pointer>>(name);
}

} // namespace

std::optional<WorksdataFunctions> WorksdataFunctions::fromLibrary(const win::SuiteLibrary &library)
{
    WorksdataFunctions functions;
    resolve(library, "CheckPhotoFolder", functions.checkPhotoFolder);
    resolve(library, "GetPlanFlag", functions.getPlanFlag);
    resolve(library, "DNXmlRead", functions.dnXmlRead);
    if (!functions.checkPhotoFolder || !functions.getPlanFlag || !functions.dnXmlRead)
        return std::nullopt;
    return functions;
}

} // namespace reader
