#include "runshelfwarden.h"

#include "cshelfwardenapp.h"
#include "netprofresetdlg.h"

#include "platform/fileops.h"
#include "platform/gui/windowbeacon.h"
#include "platform/pathnames.h"
#include "platform/suitelibrary.h"
#include "ui/dialogs.h"
#include "ui/scriptedrun.h"
#include "ui/suiteapplication.h"

namespace shelfwarden {

namespace {

const QString WarningText = QStringLiteral(
    "本機能は、\n\n"
    "　　システム障害などにより共有している本棚に利用中の情報が残ってしまった。\n"
    "　　共有したまま再インストールした結果、共有できなくなってしまった。\n\n"
    "などの場合に利用してください。\n\n"
    "正常にご利用されている状態で、不用意に共有情報を変更し、そのまま、使い続けるとデータが破壊されるおそれがあります。");

} // namespace

int runShelfWarden()
{
    const ui::SuiteApplication program(CShelfWardenApp::Title);

    win::SuiteLibrary library;
    suiteapi::SuiteCommonFunctions suite;
    if (!ui::SuiteApplication::loadSuiteFunctions(library, suiteapi::SuiteCommonLibraryName,
                                                  suite))
        return 0;

    const QString programFile = win::moduleFileName();
    const QString programFolder = win::folderOfPath(programFile);
    const QString programFileName = programFile.mid(programFolder.size());

    CShelfWardenApp app(suite);
    app.locateDataRoot(programFolder);
    app.discoverShelves();
    // The command line as Windows gives a program started from the shell.
    const QString commandLine = QLatin1Char('"') + programFile + QLatin1Char('"');
    switch (app.claimInstance(commandLine, programFileName)) {
    case CShelfWardenApp::Instance::First:
        break;
    case CShelfWardenApp::Instance::AlreadyRunning:
        win::bringWindowForward(CShelfWardenApp::Title);
        return 0;
    case CShelfWardenApp::Instance::Failed:
        return 0;
    }

    ui::messageBox(nullptr, WarningText, QStringLiteral("警告"), ui::Buttons::Ok,
                   ui::Icon::Warning);
    NetProfResetDlg dialog(app);
    // Lets a second instance find this window and bring it forward.
    const win::WindowBeacon beacon(&dialog);
    ui::ScriptedRun::attach(&dialog);
    dialog.exec();
    return 0;
}

} // namespace shelfwarden
