#pragma once

#include <QString>

#include <optional>

// Integer text as the C runtime reads it for the dialog data exchange
// (wcstol and MFC's check that nothing follows).
namespace ui {

// Leading and trailing white space allowed, an optional sign, at least one
// digit (ASCII or full-width, as wcstol takes them), nothing else. Nothing
// when the text is no integer or lies outside [minimum, maximum].
std::optional<qint64> parseIntegerText(const QString &text, qint64 minimum, qint64 maximum);

} // namespace ui
