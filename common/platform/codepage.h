#pragma once

#include <QByteArray>
#include <QString>

// The ANSI code page of a Japanese Windows: CP932 (Windows-31J).
namespace win {

// WideCharToMultiByte(CP_ACP): characters CP932 cannot hold become '?'.
QByteArray toAnsi(const QString &text);
// MultiByteToWideChar(CP_ACP): bytes that form no CP932 character become
// U+30FB (katakana middle dot), as Windows maps them.
QString fromAnsi(const QByteArray &bytes);

} // namespace win
