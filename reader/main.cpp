#include "cdeliveryreaderapp.h"
#include "cwizsheet.h"

#include "ui/scriptedrun.h"

#include <QApplication>

int main(int argc, char **argv)
{
    const QStringList arguments = ui::SuiteApplication::commandLine(argc, argv);
    ui::ScriptedRun::prepare();
    QApplication application(argc, argv);

    reader::CDeliveryReaderApp app;
    if (app.initInstance(arguments)) {
        reader::CWizSheet sheet(app, app.worksdata());
        ui::ScriptedRun::attach(&sheet);
        app.runWizard(sheet);
    }
    return app.exitInstance();
}
