#pragma once

#include <QString>
#include <QStringView>

// G_OUTPUTXML.dat: the export settings the host application reads from the
// user's temp folder after the wizard has finished, and carries out. A
// UTF-16LE file with a byte-order mark: the block [XMLOUT] of text lines,
// and the keys of [OPTION] written one by one through the profile writer
// (replaced where they stand, new ones at the end of their section, the
// section at the end of the file when it is missing).
namespace writer {

struct ExportSettings;

inline constexpr QStringView OutputSettingsFileName = u"G_OUTPUTXML.dat";

// The user's temp folder followed by the file name.
QString outputSettingsPath();

// Leaving the options page with stylesheet, for the codes that can create
// other delivery data: "folder", then "othrsData" of [OPTION]. A missing
// file is created as UTF-16LE with its byte-order mark, so that Finish
// appends to one file of one encoding. False when a write failed.
bool writeOtherDataOptions(const ExportSettings &settings, const QString &path);

// Finish: the [XMLOUT] block appended after what the file holds, then the
// [OPTION] keys, the hand-over to other software and the browser option,
// in that order. The host carries out whatever file it finds, so the whole
// write happens on a copy that replaces the file only when every step
// succeeded: false, with the file as it was, when one failed.
bool writeOutputSettings(const ExportSettings &settings, const QString &path);

} // namespace writer
