#pragma once

#include "permittedrepertoire.h"

#include <QList>
#include <QString>

#include <optional>

namespace characterlists {

// The content of NeedTransformation.dat, its replacements derived from the
// Unicode compatibility forms (NFKC) of each source entry. README.md
// beside this file lists the source entries and why they are there.
// Nothing, with *error saying why, when a source has no single-unit form.
std::optional<QList<char16_t>> buildTransformationTable(const PermittedRepertoire &repertoire,
                                                        QString *error);

} // namespace characterlists
