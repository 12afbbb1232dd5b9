#pragma once

#include <QList>
#include <QString>
#include <QStringView>

#include <optional>

// Where the character lists are and how they are read: beside the running
// program, one block read of UTF-16LE units per call, never cached, since
// the lists are data shipped with the program rather than settings.
namespace writer::characterlistfile {

// The drive and folder of the running program, without a trailing
// backslash: the folder the lists are read from unless a caller names
// another.
QString programFolder();

// The list's full Windows path in the folder, as messages name it.
QString path(const QString &folder, QStringView fileName);

// The first `units` code units of the file, zero-filled to that count when
// the file is shorter; nothing when the file cannot be opened.
std::optional<QList<char16_t>> readUnits(const QString &path, int units);

} // namespace writer::characterlistfile
