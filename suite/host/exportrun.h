#pragma once

#include <QString>

// What the host application does after DeliveryWriter finished: carries
// out G_OUTPUTXML.dat for the photos of G_PHOTO.mdb, with a progress bar on
// a terminal and a summary line (photos, media, bytes, seconds).
namespace host {

// All paths in Windows form; calsFolder holds the CALS.mdb whose
// registrations othrsData=1 adds (DeliveryWriter's eighth argument). 0 when
// the delivery was written, else 2 after the reason on stderr.
int carryOutExport(const QString &settingsFile, const QString &photoDatabase,
                   const QString &calsFolder);

} // namespace host
