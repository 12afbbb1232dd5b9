#include "characterlistinput.h"

#include "fuzzsupport.h"

#include "platform/pathnames.h"

#include <algorithm>
#include <cstring>

namespace fuzz {

std::optional<CharacterListInput> CharacterListInput::take(const std::uint8_t *data,
                                                           std::size_t size,
                                                           QStringView listFileName,
                                                           std::size_t listBytes)
{
    if (size == 0)
        return std::nullopt;
    CharacterListInput input;
    input.strict = data[0] & 1;
    const bool ownList = data[0] & 2;
    input.bufferSelector = data[0] >> 2;
    ++data;
    --size;
    input.folder = win::programFolder();
    if (ownList) {
        const std::size_t taken = std::min(size, listBytes);
        const QString path = writeInput(listFileName.toString(), data, taken);
        if (path.isEmpty())
            return std::nullopt;
        input.folder = win::folderOfPath(path);
        data += taken;
        size -= taken;
    }
    input.text.assign(size / 2 + 1, 0);
    std::memcpy(input.text.data(), data, size / 2 * 2);
    return input;
}

} // namespace fuzz
