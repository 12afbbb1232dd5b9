#pragma once

#include <QStringView>

// Message texts of DeliveryReader that its core code hands to the pages.
// %1 stands where the message names a path.
namespace reader::msg {

// The caption of every page, and so the title of the wizard window.
inline constexpr QStringView WizardCaption = u"電子納品データ入力ウィザード";

inline constexpr QStringView NotCooperating =
    u"このプログラムは、TesseraOrbisと連携したときのみ有効です。";
inline constexpr QStringView WorksdataNotLoaded = u"worksdata.dllがロードできません。";
inline constexpr QStringView FileOpenFailed = u"ファイル(%1)のオープンに失敗しました。";

} // namespace reader::msg
