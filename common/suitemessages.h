#pragma once

#include <QStringView>

// Message texts that more than one of the suite's programs shows. %1 stands
// where a message names a library or a path.
namespace suitemsg {

// A wizard started otherwise than by the host application.
inline constexpr QStringView NotCooperating =
    u"このプログラムは、TesseraOrbisと連携したときのみ有効です。";
// %1: the library's Windows name ("worksdata.dll").
inline constexpr QStringView LibraryNotLoaded = u"%1がロードできません。";
inline constexpr QStringView FileOpenFailed = u"ファイル(%1)のオープンに失敗しました。";
inline constexpr QStringView ErrorCaption = u"エラー";
// GXTemp stopped on a read error.
inline constexpr QStringView GXTempReadError = u"工事情報の読み込みエラーが発生しました。";

} // namespace suitemsg
