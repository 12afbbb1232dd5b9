#pragma once

#include <array>

// The full-width symbols that the delivery formats treat apart: left as
// they are by the lenient transformation, and forbidden in strict mode
// even where the permitted list holds them.
namespace writer {

inline constexpr std::array<char32_t, 29> DeliverySymbols = {
    U'！', U'＃', U'＄', U'％', U'＆', U'（', U'）', U'＊', U'＋', U'，',
    U'．', U'／', U'：', U'；', U'＜', U'＝', U'＞', U'？', U'＠', U'［',
    U'］', U'＾', U'＿', U'｀', U'｛', U'｜', U'｝', U'￣', U'￥',
};

bool isDeliverySymbol(char32_t character);

} // namespace writer
