#pragma once

#include "exportsettings.h"

#include "suitefunctions.h"

#include "platform/suitelibrary.h"
#include "ui/suiteapplication.h"

#include <QStringList>

namespace writer {

class CWizSheet;

// DeliveryWriter's application object: the export settings all pages
// share, the suite libraries, and the run from the host application's
// command line to the exit code. main() drives it:
//
//     CDeliveryWriterApp app;
//     if (app.initInstance(arguments)) {
//         CWizSheet sheet(app, app.suite());
//         app.runWizard(sheet);
//     }
//     return app.exitInstance();
class CDeliveryWriterApp final : public ui::SuiteApplication, public ExportSettings
{
public:
    // The names the suite's libraries are loaded by.
    static constexpr QStringView WorksdataLibraryName = u"worksdata.dll";
    static constexpr QStringView SuiteCommonLibraryName = u"suitecommon.DLL";
    static constexpr QStringView WorkstreeLibraryName = u"workstree.dll";

    CDeliveryWriterApp();
    ~CDeliveryWriterApp() override;
    Q_DISABLE_COPY_MOVE(CDeliveryWriterApp)

    // Start-up before the wizard: refuses a command line other than the
    // host application's nine arguments, loads worksdata, suitecommon and
    // workstree (each refusal with its message, and false), initialises
    // suitecommon, takes the arguments and the start values, and for the
    // codes that ask for it looks into CALS.mdb for other delivery data.
    bool initInstance(const QStringList &arguments);

    // The suite functions; valid after a successful initInstance() until
    // runWizard() returns.
    const SuiteFunctions &suite() const { return m_suite; }

    // Runs the wizard modally and keeps its outcome as the exit code; then
    // frees worksdata and suitecommon and destroys the album tree.
    void runWizard(CWizSheet &sheet);

private:
    win::SuiteLibrary m_worksdataLibrary;
    win::SuiteLibrary m_suiteCommonLibrary;
    win::SuiteLibrary m_workstreeLibrary;
    SuiteFunctions m_suite;
};

} // namespace writer
