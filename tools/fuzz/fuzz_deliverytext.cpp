// Feeds arbitrary text, and at times an arbitrary NeedTransformation.dat,
// to TransformDeliveryText in both modes with destinations of 1 to 505
// units: the result is one of its three values and dst stays terminated
// within its size.
#include "characterlistinput.h"

#include "characterlistlayout.h"
#include "deliverytext.h"

#include <algorithm>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using namespace writer;

    const auto input = fuzz::CharacterListInput::take(data, size, listlayout::TransformationFileName,
                                                      listlayout::TransformationUnits * 2);
    if (!input)
        return 0;
    const int dstCount = 1 + input->bufferSelector * 8;
    std::vector<char16_t> dst(static_cast<std::size_t>(dstCount));
    const int result =
        TransformDeliveryText(input->text.data(), dst.data(), dstCount, input->strict, input->folder);
    fuzz::check(result == transform::Failed || result == transform::Done
                || result == transform::TagFound);
    fuzz::check(std::find(dst.begin(), dst.end(), 0) != dst.end());
    return 0;
}
