#include "suiteapplication.h"

#include "messagerules.h"
#include "wizardsheet.h"

#include "suitemessages.h"

#include <QDialog>
#include <QGuiApplication>

namespace ui {

SuiteApplication::SuiteApplication(QStringView title)
{
    QGuiApplication::setApplicationDisplayName(title.toString());
}

SuiteApplication::~SuiteApplication() = default;

QStringList SuiteApplication::commandLine(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

bool SuiteApplication::acceptArgumentCount(const QStringList &arguments, int count)
{
    if (arguments.size() == count + 1)
        return true;
    showMessage(nullptr, suitemsg::NotCooperating.toString());
    return false;
}

bool SuiteApplication::loadSuiteLibrary(win::SuiteLibrary &library, QStringView windowsName)
{
    if (library.load(windowsName.toString()))
        return true;
    showMessage(nullptr, suitemsg::LibraryNotLoaded.arg(windowsName));
    return false;
}

void SuiteApplication::refuseLibrary(win::SuiteLibrary &library, QStringView windowsName)
{
    library.free();
    showMessage(nullptr, suitemsg::LibraryNotLoaded.arg(windowsName));
}

void SuiteApplication::runModal(QDialog &window)
{
    // Only Cancel counts as cancelled; any other end of the modal run is
    // taken as Finish.
    m_nResult = window.exec() == WizardSheet::CancelResult ? 0 : 1;
}

} // namespace ui
