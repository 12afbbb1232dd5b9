#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The ANSI code page of a Japanese Windows: CP932 (Windows-31J).
namespace win {

// WideCharToMultiByte(CP_ACP): each UTF-16 unit that CP932 cannot hold
// becomes '?' (so a character outside the BMP becomes "??").
QByteArray toAnsi(const QString &text);
// MultiByteToWideChar(CP_ACP): bytes that form no CP932 character become
// U+30FB (katakana middle dot), as Windows maps them: a lead byte with a
// trail byte that together name no character give one U+30FB; a lead byte
// without a trail byte, or a byte CP932 does not use, gives one on its own
// and the next byte is read afresh.
QString fromAnsi(const QByteArray &bytes);
// MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS): nothing when any byte
// sequence forms no CP932 character.
std::optional<QString> fromAnsiStrict(const QByteArray &bytes);

// Whether a byte starts a two-byte CP932 character, and whether a byte may
// be its second: ASCII signs such as '=' or CR are never part of one, but
// '[', ']' and the backslash may end one.
bool isAnsiLeadByte(uchar byte);
bool isAnsiTrailByte(uchar byte);

} // namespace win
