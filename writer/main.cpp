#include "cdeliverywriterapp.h"
#include "cwizsheet.h"

#include "ui/scriptedrun.h"

#include <QApplication>

int main(int argc, char **argv)
{
    const QStringList arguments = ui::SuiteApplication::commandLine(argc, argv);
    ui::ScriptedRun::prepare();
    QApplication application(argc, argv);

    writer::CDeliveryWriterApp app;
    if (app.initInstance(arguments)) {
        writer::CWizSheet sheet(app, app.suite());
        ui::ScriptedRun::attach(&sheet);
        app.runWizard(sheet);
    }
    return app.exitInstance();
}
