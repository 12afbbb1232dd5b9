#pragma once

#include <QString>

// Computer names and installation identifiers are kept in NetProf.dat as
// the hexadecimal text of their ANSI (CP932) bytes, so that any name fits
// a profile key's value and a group section's name.

namespace netprof {

// Two lower-case hexadecimal digits per ANSI byte.
QString EncodeName(const QString &name);

// The name back from its hexadecimal text; digits of either case. A text
// that is not pairs of hexadecimal digits is no encoded name (another
// writer's plain name) and is returned unchanged, so it stays visible and
// removable.
QString DecodeName(const QString &hexText);

} // namespace netprof
