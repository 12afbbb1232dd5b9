#pragma once

#include <QString>
#include <QStringList>

// Starting a wizard as the host application does: the program from the
// program folder with its arguments, waited for; TESSERA_UI_SCRIPT,
// TESSERA_UI_LOG and the drive table pass through in the environment.
namespace host {

// Exit code of a wizard that could not be started or did not end normally.
inline constexpr int WizardNotRun = 2;

// The wizard's exit code (1 finished, 0 cancelled), or WizardNotRun after a
// note on stderr.
int runWizard(const QString &programName, const QStringList &arguments);

} // namespace host
