#pragma once

#include <QStringView>

#include <optional>

// Integer text as the C runtime reads it. Both readers skip leading white
// space (isspace in the C locale), take an optional sign and then decimal
// digits, ASCII or full-width as the wide-character runtime takes them.
namespace win {

// _wtoi: the leading digits, whatever follows them; 0 when there are none
// (" 13" is 13, "3abc" 3, "abc" 0). Values beyond int are clamped to its
// limits, as the runtime does on overflow.
int wtoi(QStringView text);

// wcstol followed by the data exchange's check that nothing but white space
// follows: nothing when the text is no integer or lies outside
// [minimum, maximum].
std::optional<qint64> parseIntegerText(QStringView text, qint64 minimum, qint64 maximum);

} // namespace win
