#pragma once

#include <QString>

namespace shelfwarden {

// This installation's identifier, the value InstallId under the suite's
// registry key, as text: a string value, the first string of a
// multi-string value or a DWORD value in decimal; "" when the key or the
// value is missing or of another type.
QString installationId();

} // namespace shelfwarden
