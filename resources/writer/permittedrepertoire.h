#pragma once

#include <QList>
#include <QSet>
#include <QString>

#include <optional>

namespace characterlists {

// The characters a delivery may hold: JIS X 0208 under both of its common
// Unicode mappings, printable ASCII and the half-width katakana.
struct PermittedRepertoire
{
    // JIS X 0208 alone: the forms the transformation may map to.
    QSet<char16_t> jisX0208;
    // Everything permitted, ascending: the content of unicode_list.dat.
    QList<char16_t> permitted;

    // Built through iconv; nothing, with *error saying why, when the
    // system's codecs cannot give it.
    static std::optional<PermittedRepertoire> build(QString *error);
};

} // namespace characterlists
