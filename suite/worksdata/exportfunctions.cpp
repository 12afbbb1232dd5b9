// PLACEHOLDER-LEAD: replaced by the export functions before landing.
#include "suiteapi/worksdata.h"

#include "errorinformation.h"
#include "settingsfile.h"

extern "C" {

int DNKoujiInfGet2(const char16_t *, char16_t *buffer)
{
    if (buffer)
        buffer[0] = u'\0';
    return 0;
}

int DNErrInfMake4(char16_t *koujiXmlPath, int standardCode)
{
    if (!koujiXmlPath)
        return 0;
    const QString kouji = QString::fromUtf16(koujiXmlPath);
    return errorinformation::write(settingsfile::tempFilePath(errorinformation::FileName), kouji,
                                   standardCode,
                                   errorinformation::findProblems(kouji, standardCode))
        ? 1
        : 0;
}

} // extern "C"
