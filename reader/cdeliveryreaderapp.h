#pragma once

#include "importsettings.h"

#include "platform/suitelibrary.h"
#include "suiteapi/worksdatafunctions.h"
#include "ui/suiteapplication.h"

#include <QStringList>

namespace reader {

class CWizSheet;

// DeliveryReader's application object: the import settings all pages
// share, the worksdata library, and the run from the host application's
// command line to the exit code. main() drives it:
//
//     CDeliveryReaderApp app;
//     if (app.initInstance(arguments)) {
//         CWizSheet sheet(app, app.worksdata());
//         app.runWizard(sheet);
//     }
//     return app.exitInstance();
class CDeliveryReaderApp final : public ui::SuiteApplication, public ImportSettings
{
public:
    // The name the suite's construction-data library is loaded by.
    static constexpr QStringView WorksdataLibraryName = u"worksdata.dll";

    CDeliveryReaderApp();
    ~CDeliveryReaderApp() override;
    Q_DISABLE_COPY_MOVE(CDeliveryReaderApp)

    // Start-up before the wizard: refuses a command line other than the
    // host application's three arguments, loads worksdata (each refusal
    // with its message, and false), then takes the arguments and the
    // program folder.
    bool initInstance(const QStringList &arguments);
    // The worksdata functions; valid after a successful initInstance()
    // until runWizard() returns.
    const suiteapi::WorksdataFunctions &worksdata() const { return m_worksdata; }
    // Runs the wizard modally, keeps its outcome as the exit code and
    // frees worksdata.
    void runWizard(CWizSheet &sheet);

private:
    win::SuiteLibrary m_worksdataLibrary;
    suiteapi::WorksdataFunctions m_worksdata;
};

} // namespace reader
