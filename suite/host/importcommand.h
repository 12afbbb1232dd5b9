#pragma once

#include <QStringList>

namespace host {

// tessera-host import DATAROOT --shelf S [--no-new]: starts DeliveryReader
// as the host application does and waits; the wizard's exit code,
// G_INPUTXML.dat printed on 1; 2 when the command cannot run.
int runImportCommand(const QStringList &arguments);

} // namespace host
