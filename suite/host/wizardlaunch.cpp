#include "wizardlaunch.h"

#include "hostmessages.h"
#include "hostoutput.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>

namespace host {

int runWizard(const QString &programName, const QStringList &arguments)
{
    const QString program = QDir(QCoreApplication::applicationDirPath()).filePath(programName);
    QProcess wizard;
    wizard.setProcessChannelMode(QProcess::ForwardedChannels);
    wizard.start(program, arguments);
    // The user takes as long as the wizard is open.
    if (!wizard.waitForStarted() || !wizard.waitForFinished(-1)
        || wizard.exitStatus() != QProcess::NormalExit) {
        print(stderr, messages::WizardFailed.arg(program, wizard.errorString()) + u'\n');
        return WizardNotRun;
    }
    return wizard.exitCode();
}

} // namespace host
