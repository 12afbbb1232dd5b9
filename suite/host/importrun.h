#pragma once

#include <QString>

// What the host application does after DeliveryReader finished: carries
// out G_INPUTXML.dat with the photo information of G_PHOTO.mdb into the
// suite's data, with a progress bar on a terminal and a summary line
// (photos, albums, bytes, seconds).
namespace host {

// All paths in Windows form. 0 when the import was carried out (or there
// was nothing to import), else 2 after the reason on stderr.
int carryOutImport(const QString &dataRoot, const QString &settingsFile,
                   const QString &photoDatabase);

} // namespace host
