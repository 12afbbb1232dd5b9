#pragma once

#include <QStringView>

// Message texts of DeliveryReader that its core code hands to the pages.
// %1 stands where the message names a path.
namespace reader::msg {

inline constexpr QStringView NotCooperating =
    u"このプログラムは、TesseraOrbisと連携したときのみ有効です。";
inline constexpr QStringView WorksdataNotLoaded = u"worksdata.dllがロードできません。";
inline constexpr QStringView FileOpenFailed = u"ファイル(%1)のオープンに失敗しました。";

} // namespace reader::msg
