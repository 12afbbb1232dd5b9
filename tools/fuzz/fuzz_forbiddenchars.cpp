// Feeds arbitrary text, and at times an arbitrary unicode_list.dat, to
// CollectForbiddenChars in both modes with result buffers of 0 to 567
// bytes: out stays terminated within its size and lists each unit once.
#include "characterlistinput.h"

#include "characterlistlayout.h"
#include "forbiddenchars.h"

#include <algorithm>
#include <set>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using namespace writer;

    const auto input = fuzz::CharacterListInput::take(data, size, listlayout::PermittedFileName,
                                                      listlayout::PermittedCount * 2);
    if (!input)
        return 0;
    // Exactly the bytes asked for, so that a write past them is caught.
    const int outBytes = input->bufferSelector * 9;
    std::vector<unsigned char> buffer(static_cast<std::size_t>(outBytes));
    auto *out = reinterpret_cast<char16_t *>(buffer.data());
    const int result =
        CollectForbiddenChars(input->text.data(), out, outBytes, input->strict, input->folder);
    fuzz::check(result == 0 || result == 1);
    if (outBytes < 2)
        return 0;
    const auto end = out + outBytes / 2;
    const auto terminator = std::find(out, end, 0);
    fuzz::check(terminator != end);
    fuzz::check(std::set<char16_t>(out, terminator).size() == std::size_t(terminator - out));
    return 0;
}
