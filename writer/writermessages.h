#pragma once

#include <QStringView>

// Texts of DeliveryWriter that its core code and its pages share.
namespace writer::msg {

// The caption of every page, and so the title of the wizard window.
inline constexpr QStringView WizardCaption = u"電子納品データ出力";

// Basic-information page (134).
inline constexpr QStringView InfoMakeFailed = u"基礎情報／工事情報の読み込みに失敗しました。";
inline constexpr QStringView SaveInfoButton = u"表示情報を保存する";
inline constexpr QStringView SaveInfoTitle = u"保存先ファイルを指定";
inline constexpr QStringView TextFileFilter = u"テキスト文書(*.txt)";
inline constexpr QStringView AllFilesFilter = u"すべてのファイル(*.*)";

} // namespace writer::msg
