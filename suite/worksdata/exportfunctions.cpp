// PLACEHOLDER-LEAD: replaced by the export functions before landing.
#include "suiteapi/worksdata.h"

extern "C" {

int DNKoujiInfGet2(const char16_t *, char16_t *buffer)
{
    if (buffer)
        buffer[0] = u'\0';
    return 0;
}

int DNErrInfMake4(char16_t *, int)
{
    return 0;
}

} // extern "C"
