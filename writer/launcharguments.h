#pragma once

#include <QStringList>

namespace writer {

struct ExportSettings;

// The host application starts DeliveryWriter with exactly this many
// arguments after the program name:
//   1 construction folder, 2 not used, 3 standard code, 4 a number for
//   DNInfMake, 5 1 when 6 and 7 are given, 6 and 7 texts for DNInfMake,
//   8 the folder that may hold CALS.mdb, 9 a text for DNInfMake.
inline constexpr int LaunchArgumentCount = 9;

// Takes the arguments (program name first; the count checked before) into
// the settings: integers as the C runtime's _wtoi reads them, arguments 6
// and 7 only when argument 5 is 1.
void takeLaunchArguments(const QStringList &arguments, ExportSettings &settings);

// Sets every start value that depends on the standard code: the photo
// category, the two identifiers, and the three option flags that start at
// 1 (the wizard sheet then sets them by its options page).
void applyStartValues(ExportSettings &settings);

} // namespace writer
