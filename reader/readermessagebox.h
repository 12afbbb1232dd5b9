#pragma once

#include "ui/dialogs.h"

#include <QString>

class QWidget;

namespace reader {

// A message box as MFC's AfxMessageBox shows it: captioned with the
// program's title, with the exclamation icon for OK boxes and the question
// icon for Yes/No boxes. Returns the button pressed.
int showMessage(QWidget *owner, const QString &text, ui::Buttons buttons = ui::Buttons::Ok);

} // namespace reader
