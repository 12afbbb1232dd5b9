#pragma once

#include <QStringList>

namespace host {

// tessera-host check FOLDER [--html REPORT]: checks a delivery folder and
// prints the report; 0 when it has no error, 1 when it has, 2 when the
// folder is not a delivery or the command cannot run.
int runCheckCommand(const QStringList &arguments);

} // namespace host
