#pragma once

#include <QString>

#include <cstdio>

namespace host {

// Text to a standard stream in UTF-8, flushed at once.
void print(FILE *stream, const QString &text);

// A settings file a wizard left (UTF-16LE, CR LF), printed as it stands;
// false when it cannot be read.
bool printSettingsFile(const QString &windowsPath);

} // namespace host
