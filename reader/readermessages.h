#pragma once

#include <QStringView>

// Texts of DeliveryReader that its core code and its pages share.
namespace reader::msg {

// The caption of every page, and so the title of the wizard window.
inline constexpr QStringView WizardCaption = u"電子納品データ入力ウィザード";

} // namespace reader::msg
