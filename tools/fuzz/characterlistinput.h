#pragma once

#include "fuzzcheck.h"

#include <QString>
#include <QStringView>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace fuzz {

// One input for a text service over a character list. The first byte
// chooses the mode (bit 0: strict), where the list comes from (bit 1: the
// input carries its own list file in the bytes that follow, up to the
// list's full size, else the list shipped beside the target) and the size
// of the result buffer (the other bits). The rest is the text, in UTF-16LE.
struct CharacterListInput
{
    int strict = 0;
    int bufferSelector = 0;  // 0 to 63
    QString folder;          // the list's folder
    std::vector<char16_t> text;  // zero-terminated

    static std::optional<CharacterListInput> take(const std::uint8_t *data, std::size_t size,
                                                  QStringView listFileName, std::size_t listBytes);
};

} // namespace fuzz
