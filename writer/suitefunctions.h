#pragma once

#include "suiteapi/suitecommonfunctions.h"
#include "suiteapi/worksdatafunctions.h"
#include "suiteapi/workstreefunctions.h"

namespace writer {

// The functions of the three suite libraries the export wizard's pages
// call, bound once at start-up.
struct SuiteFunctions
{
    suiteapi::WorksdataFunctions worksdata;
    suiteapi::SuiteCommonFunctions suiteCommon;
    suiteapi::WorkstreeFunctions workstree;
};

} // namespace writer
