#pragma once

#include "platform/textfile.h"

#include <QString>
#include <QStringList>
#include <QStringView>

// The settings files the wizards leave in the user's temp folder for the
// host application (G_INPUTXML.dat, G_OUTPUTXML.dat): INI-like lines of
// "[section]" and "key=value", UTF-16LE with a byte-order mark and CR LF
// line ends.
namespace settingsfile {

// The start media number (OPTION media of G_OUTPUTXML.dat) the export
// offers.
inline constexpr int MinStartMedia = 1;
inline constexpr int MaxStartMedia = 9;

// The user's temp folder followed by the file name.
QString tempFilePath(QStringView fileName);

// "key=value".
QString line(QStringView key, const QString &value);
QString line(QStringView key, int value);

// Writes the lines, each with its line end. WriteReplace writes the whole
// file or nothing (an earlier file stays as it was); Append adds the lines
// after what the file holds, creating it with a byte-order mark. False when
// the file could not be opened or a write failed.
bool writeLines(const QString &path, const QStringList &lines, win::TextFile::Mode mode);

} // namespace settingsfile
