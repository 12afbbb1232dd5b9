#pragma once

#include "platform/winpath.h"

#include <QString>

#include <array>

namespace suiteapi {

// A zero-terminated buffer of 260 characters, as the suite's functions take
// and fill paths.
using PathBuffer = std::array<char16_t, win::MaxPath>;

// The text in a zeroed buffer, cut to 259 characters.
PathBuffer toPathBuffer(const QString &text);
// The text up to the buffer's terminator (or its end).
QString fromPathBuffer(const PathBuffer &buffer);

} // namespace suiteapi
