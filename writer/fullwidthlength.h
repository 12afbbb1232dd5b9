#pragma once

// The length of a text in full-width characters, as the delivery formats'
// limits count it: a unit at or above U+0100 (or a surrogate pair) counts
// one, two units below U+0100 count one, rounded up. A null text counts 0.
namespace writer {

int FullWidthLength(const char16_t *text);

} // namespace writer
