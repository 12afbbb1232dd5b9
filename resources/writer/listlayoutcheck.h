#pragma once

#include <QList>
#include <QStringList>

namespace characterlists {

// What keeps the generated lists from their layouts, so that the build
// fails rather than ship them: empty when both are sound.
QStringList permittedListFaults(const QList<char16_t> &permitted);
QStringList transformationTableFaults(const QList<char16_t> &table,
                                      const QList<char16_t> &permitted);

} // namespace characterlists
