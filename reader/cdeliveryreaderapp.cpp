#include "cdeliveryreaderapp.h"

#include "commandline.h"
#include "cwizsheet.h"
#include "readermessages.h"

#include "platform/pathnames.h"

namespace reader {

CDeliveryReaderApp::CDeliveryReaderApp()
    : ui::SuiteApplication(msg::WizardCaption)
{
}

CDeliveryReaderApp::~CDeliveryReaderApp() = default;

bool CDeliveryReaderApp::initInstance(const QStringList &arguments)
{
    m_nResult = 0;
    if (!acceptArgumentCount(arguments, LaunchArgumentCount))
        return false;
    if (!loadSuiteFunctions(m_worksdataLibrary, WorksdataLibraryName, m_worksdata))
        return false;

    const LaunchArguments launch = parseLaunchArguments(arguments);
    m_strDataRoot = launch.dataRoot;
    m_nShelfNumber = launch.shelfNumber;
    m_nNoNewShelf = launch.noNewShelf;
    // The other settings hold their start values since construction.
    m_strProgramDir = win::programFolder();
    return true;
}

void CDeliveryReaderApp::runWizard(CWizSheet &sheet)
{
    runModal(sheet);
    m_worksdataLibrary.free();
    m_worksdata = suiteapi::WorksdataFunctions();
}

} // namespace reader
