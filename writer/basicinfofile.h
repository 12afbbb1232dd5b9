#pragma once

#include <QString>

// Saving the information of the basic-information page (134) for the user.
namespace writer::basicinfo {

// The name proposed in the save-file dialog.
inline constexpr QStringView SaveFileName = u"電子納品データ出力.txt";

// The user's desktop folder in Windows form; empty when it cannot be
// determined.
QString desktopFolder();
// The text of GXTemp without its byte-order mark and without any of the
// markers; empty when the file cannot be read.
QString markerFreeText(const QString &gxTempPath);
// Creates (or replaces) the file with the byte-order mark and the text in
// UTF-16LE, no terminator; false when it cannot be created or written.
bool writeUtf16File(const QString &windowsPath, const QString &text);

} // namespace writer::basicinfo
