// PLACEHOLDER-LEAD: replaced by the export functions before landing.
#include "suiteapi/worksdata.h"

extern "C" {

int GetCooperatorCount(const char16_t *)
{
    return 0;
}

int IsCooperatorInstalled(const char16_t *, int, int)
{
    return 0;
}

const char16_t *GetCooperatorAppName(const char16_t *, int, char16_t *buffer, int)
{
    if (buffer)
        buffer[0] = u'\0';
    return buffer;
}

} // extern "C"
