#include "launcharguments.h"

#include "exportsettings.h"
#include "standardcodes.h"

#include "platform/crtinteger.h"

namespace writer {

void takeLaunchArguments(const QStringList &arguments, ExportSettings &settings)
{
    Q_ASSERT(arguments.size() == LaunchArgumentCount + 1);
    settings.m_strKoujiFolder = arguments.at(1);
    settings.m_nStandardCode = win::wtoi(arguments.at(3));
    settings.m_nArg4 = win::wtoi(arguments.at(4));
    settings.m_nArg5 = win::wtoi(arguments.at(5));
    settings.m_strArg6 = settings.m_nArg5 == 1 ? arguments.at(6) : QString();
    settings.m_strArg7 = settings.m_nArg5 == 1 ? arguments.at(7) : QString();
    settings.m_strCalsFolder = arguments.at(8);
    settings.m_strArg9 = arguments.at(9);
}

void applyStartValues(ExportSettings &settings)
{
    const standards::StandardCode code = standards::standardCode(settings.m_nStandardCode);
    settings.m_nPhotoStandard = code.category;
    settings.m_pszKoujiJH = code.koujiJH.toString();
    settings.m_pszSyashiJH = code.syashiJH.toString();
    for (int *flag : {&settings.m_nStyleSheet, &settings.m_nLaunchBrowser,
                      &settings.m_nStyleSheetFormat}) {
        if (*flag == 0)
            *flag = 1;
    }
}

} // namespace writer
