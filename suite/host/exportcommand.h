#pragma once

#include <QStringList>

namespace host {

// tessera-host export DATAROOT --shelf S --code C [--albums 1,2,...]
// [--cals FOLDER]: leaves G_ALBUMLIST.dat for bookshelf S (all its albums
// without --albums), starts DeliveryWriter as the host application does and
// waits; on exit code 1 prints G_OUTPUTXML.dat and carries it out
// (exportrun.h). The wizard's exit code; 2 when the command cannot run or
// the export failed.
int runExportCommand(const QStringList &arguments);

} // namespace host
