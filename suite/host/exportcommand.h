#pragma once

#include <QStringList>

namespace host {

// tessera-host export DATAROOT --shelf S --code C [--albums 1,2,...]
// [--cals FOLDER]: leaves G_ALBUMLIST.dat for bookshelf S (all its albums
// without --albums), starts DeliveryWriter as the host application does and
// waits; the wizard's exit code, G_OUTPUTXML.dat printed on 1; 2 when the
// command cannot run.
int runExportCommand(const QStringList &arguments);

} // namespace host
