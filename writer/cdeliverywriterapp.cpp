#include "cdeliverywriterapp.h"

#include "calsdatabase.h"
#include "cwizsheet.h"
#include "launcharguments.h"
#include "standardcodes.h"
#include "writermessages.h"

namespace writer {

CDeliveryWriterApp::CDeliveryWriterApp()
    : ui::SuiteApplication(msg::WizardCaption)
{
}

CDeliveryWriterApp::~CDeliveryWriterApp() = default;

bool CDeliveryWriterApp::initInstance(const QStringList &arguments)
{
    m_nResult = 0;
    if (!acceptArgumentCount(arguments, LaunchArgumentCount))
        return false;
    if (!loadSuiteFunctions(m_worksdataLibrary, WorksdataLibraryName, m_suite.worksdata)
        || !loadSuiteFunctions(m_suiteCommonLibrary, SuiteCommonLibraryName, m_suite.suiteCommon)
        || !loadSuiteFunctions(m_workstreeLibrary, WorkstreeLibraryName, m_suite.workstree))
        return false;
    m_suite.suiteCommon.initializeCommonDll(0);

    takeLaunchArguments(arguments, *this);
    applyStartValues(*this);
    if (standards::standardCode(m_nStandardCode).calsAtStartUp) {
        m_nOtherFolder = 1;
        m_nOtherData = probeCalsDatabase(m_strCalsFolder) ? 1 : 0;
    }
    return true;
}

void CDeliveryWriterApp::runWizard(CWizSheet &sheet)
{
    runModal(sheet);
    m_worksdataLibrary.free();
    m_suiteCommonLibrary.free();
    m_suite.worksdata = suiteapi::WorksdataFunctions();
    m_suite.suiteCommon = suiteapi::SuiteCommonFunctions();
    m_suite.workstree.destoryWorksTree();
    m_workstreeLibrary.free();
    m_suite.workstree = suiteapi::WorkstreeFunctions();
}

} // namespace writer
