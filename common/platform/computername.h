#pragma once

#include <QString>

namespace win {

// GetComputerNameW: COMPUTERNAME when set (as Windows sets it for every
// process, and as tests set it), else the host's name up to its first dot.
QString computerName();

} // namespace win
