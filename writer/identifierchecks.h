#pragma once

#include <QString>

// The checks the options pages run on Next over the construction and photo
// information identifiers: each must fit the delivery formats' length
// limit, transform with NeedTransformation.dat and hold only permitted
// characters.
namespace writer {

struct ExportSettings;

// Full-width characters an identifier may hold.
inline constexpr int MaxIdentifierLength = 255;
// Units of the buffers the transformation and the forbidden-character
// check work in.
inline constexpr int IdentifierBufferUnits = 512;
inline constexpr int ForbiddenCharsBufferBytes = 512;

struct IdentifierCheckResult
{
    bool passed = true;
    // What to tell the user when the page stays; empty when it stays
    // without a word (a tag of the delivery schemas, or a result too long).
    QString message;
};

// Construction information first, then photo information; the first
// failure ends the checks. Strict for the code whose symbols count as
// forbidden. The lists are read from the folder. A missing NeedTransformation.dat is named in the message, so
// the user learns why the page cannot be left.
IdentifierCheckResult checkInformationIdentifiers(const ExportSettings &settings,
                                                  const QString &folder);

} // namespace writer
