#pragma once

#include <QStringView>

// The texts of tessera-host, shown to the user as they stand.
namespace host::messages {

inline constexpr QStringView Usage =
    u"使い方: tessera-host check FOLDER [--html REPORT]\n"
    u"        tessera-host export DATAROOT --shelf S --code C [--albums 1,2,…] [--cals FOLDER]\n"
    u"        tessera-host import DATAROOT --shelf S [--no-new]";
inline constexpr QStringView NoDriveMapsFolder = u"ドライブに割り当てられていないフォルダです: %1";
inline constexpr QStringView ReportNotWritten = u"報告を書き込めません: %1（%2）";

inline constexpr QStringView NoShelf = u"本棚 %1 のデータフォルダがありません。";
inline constexpr QStringView AlbumListNotWritten = u"アルバム一覧を書き込めません: %1";
inline constexpr QStringView SettingsFileUnreadable = u"設定ファイルを読み込めません: %1";
inline constexpr QStringView WizardFailed = u"ウィザードを起動できません: %1（%2）";

inline constexpr QStringView NoOutputFolder = u"設定ファイルがないか、出力先フォルダが書かれていません: %1";
inline constexpr QStringView ExportFailed = u"電子納品データを出力できません: %1";
inline constexpr QStringView ExportSummary =
    u"出力しました: 写真 %1 枚、メディア %2 枚、%3 バイト、%4 秒（%5）";
inline constexpr QStringView OpenInBrowser = u"ブラウザで開いてください: %1";
inline constexpr QStringView HandedOver = u"%1 に引き渡しました: %2";
inline constexpr QStringView HandOverFailed = u"連携するプログラムを起動できません: %1";

inline constexpr QStringView NoInputSettings = u"設定ファイルがないか、入力データのパスが書かれていません: %1";
inline constexpr QStringView ReferenceOnly =
    u"参照のみです。本棚には取り込みません（%1、写真 %2 枚）。";
inline constexpr QStringView ImportFailed = u"電子納品データを取り込めません: %1";
inline constexpr QStringView ImportSummary =
    u"取り込みました: 写真 %1 枚、アルバム %2 冊、%3 バイト、%4 秒（本棚 %5: %6）";
inline constexpr QStringView UnknownAlbumMethod = u"アルバムの作成方法 %1 は取り込めません。";
inline constexpr QStringView NoDeliveryFolder = u"入力データのフォルダがありません: %1";
inline constexpr QStringView DatabaseUnreadable = u"%1 を読み込めません: %2";
inline constexpr QStringView ProfileFolderTaken = u"プロファイルのフォルダが既にあります: %1";
inline constexpr QStringView ShelfFolderNotEmpty = u"本棚作成フォルダが空のフォルダではありません: %1";
inline constexpr QStringView FolderNotMade = u"フォルダを作成できません: %1";
inline constexpr QStringView FolderNotRenamed = u"フォルダの名前を変更できません: %1";
inline constexpr QStringView FileNotWritten = u"ファイルを書き込めません: %1";
inline constexpr QStringView FolderNotSynced = u"フォルダをディスクに書き込めません: %1";
inline constexpr QStringView AlbumNotWritten = u"アルバムを書き込めません: %1";
inline constexpr QStringView PhotoNotCopied = u"写真をコピーできません: %1";
inline constexpr QStringView DrawingNotCopied = u"参考図をコピーできません: %1";
inline constexpr QStringView PhotosNotWritten = u"写真情報を書き込めません: %1";
inline constexpr QStringView PlannedFolderMissing = u"アルバムに計画されたフォルダがありません: %1";

} // namespace host::messages
