#include "cdeliveryreaderapp.h"

#include "commandline.h"
#include "cwizsheet.h"
#include "readermessagebox.h"
#include "readermessages.h"

#include "platform/fileops.h"

#include <QGuiApplication>

namespace reader {

namespace {

// Drive and folder of a program path, with the trailing backslash.
QString folderOf(const QString &programPath)
{
    return programPath.left(programPath.lastIndexOf(u'\\') + 1);
}

} // namespace

CDeliveryReaderApp::CDeliveryReaderApp() = default;

CDeliveryReaderApp::~CDeliveryReaderApp() = default;

QStringList CDeliveryReaderApp::commandLine(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

bool CDeliveryReaderApp::initInstance(const QStringList &arguments)
{
    // Message boxes without a caption of their own carry the wizard's title.
    QGuiApplication::setApplicationDisplayName(msg::WizardCaption.toString());
    m_nResult = 0;

    const std::optional<LaunchArguments> launch = parseLaunchArguments(arguments);
    if (!launch) {
        showMessage(nullptr, msg::NotCooperating.toString());
        return false;
    }

    std::optional<WorksdataFunctions> functions;
    if (m_worksdataLibrary.load(WorksdataLibraryName.toString()))
        functions = WorksdataFunctions::fromLibrary(m_worksdataLibrary);
    if (!functions) {
        m_worksdataLibrary.free();
        showMessage(nullptr, msg::WorksdataNotLoaded.toString());
        return false;
    }
    m_worksdata = *functions;

    m_strDataRoot = launch->dataRoot;
    m_nShelfNumber = launch->shelfNumber;
    m_nNoNewShelf = launch->noNewShelf;
    // The other settings hold their start values since construction.
    m_strProgramDir = folderOf(win::moduleFileName());
    return true;
}

void CDeliveryReaderApp::runWizard(CWizSheet &sheet)
{
    // Only Cancel counts as cancelled; any other end of the modal run is
    // taken as Finish.
    m_nResult = sheet.exec() == ui::WizardSheet::CancelResult ? 0 : 1;
    m_worksdataLibrary.free();
    m_worksdata = WorksdataFunctions();
}

} // namespace reader
