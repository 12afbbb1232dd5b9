#pragma once

#include "outputsettings.h"

#include <QString>

// What the host application does once the delivery is written: opens the
// photo information with its stylesheet in the browser, and hands the
// delivery to the other delivery program the user chose.
namespace host {

// The PHOTO.XML that names the stylesheet, in Windows form: the first
// medium's when the delivery was split into media.
QString stylesheetDocument(const OutputSettings &settings, int media);

// With a display the desktop's browser opens the document; without one its
// path is printed for the user to open.
void showInBrowser(const QString &windowsPath);

// Starts program number settings.cooperation of the Cooperation.ini given
// with the output folder as its argument. False, after the reason on
// stderr, when it is not described there or cannot be started.
bool handOver(const OutputSettings &settings, const QString &cooperationIni);

} // namespace host
