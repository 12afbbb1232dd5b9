#pragma once

#include <QStringView>

// Texts of DeliveryWriter that its core code and its pages share.
namespace writer::msg {

// The caption of every page, and so the title of the wizard window.
inline constexpr QStringView WizardCaption = u"電子納品データ出力";

} // namespace writer::msg
