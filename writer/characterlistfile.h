#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

// How the character lists are read: one block read of UTF-16LE units per
// call, never cached, since the lists are data shipped with the program
// rather than settings.
namespace writer::characterlistfile {

// The first `units` code units of the file, zero-filled to that count when
// the file is shorter; nothing when the file cannot be opened.
std::optional<QList<char16_t>> readUnits(const QString &path, int units);
// The same from the file's bytes.
QList<char16_t> unitsOf(const QByteArray &bytes, int units);

} // namespace writer::characterlistfile
