#pragma once

#include <QString>

// Names compared as an NTFS volume compares them: each UTF-16 code unit
// upper-cased on its own, then compared by value.
namespace win {

QString ntfsUpper(const QString &name);
bool ntfsEqual(const QString &a, const QString &b);
// Listing order: upper-cased names first; names that differ only in case
// (possible on a host volume) by their code units, so the order is total.
bool ntfsLess(const QString &a, const QString &b);

} // namespace win
