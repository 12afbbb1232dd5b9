#pragma once

#include <QString>

#include <cstddef>
#include <cstdint>

namespace fuzz {

// Writes the input as fileName (it may name folders, made as needed) on
// drive F:, a scratch folder kept for the whole run, so that the code
// under test opens it by its Windows path as the programs do. The Windows path; empty when the file cannot be written.
QString writeInput(const QString &fileName, const std::uint8_t *data, std::size_t size);

} // namespace fuzz
