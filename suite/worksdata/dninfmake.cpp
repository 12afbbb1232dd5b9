// PLACEHOLDER-LEAD: replaced by the export functions before landing.
#include "suiteapi/worksdata.h"

extern "C" {

int DNInfMake(const char16_t *, int, int, const char16_t *, const char16_t *, int, char16_t *,
              const char16_t *, const char16_t *, int, char16_t *)
{
    return 0;
}

} // extern "C"
