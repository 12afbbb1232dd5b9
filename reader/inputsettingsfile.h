#pragma once

#include <QString>
#include <QStringView>

namespace reader {

struct ImportSettings;

// G_INPUTXML.dat: the import settings the host application reads from the
// user's temp folder after the wizard has finished, and carries out.
inline constexpr QStringView InputSettingsFileName = u"G_INPUTXML.dat";

// The user's temp folder followed by the file name.
QString inputSettingsPath();

// Writes the file as UTF-16LE with a byte-order mark and CR LF line ends.
// The file is replaced whole or not at all: false when it could not be
// opened or a write failed, and then an earlier file stays as it was.
bool writeInputSettings(const ImportSettings &settings, const QString &path);

} // namespace reader
