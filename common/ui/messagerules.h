#pragma once

#include "dialogs.h"

#include <QString>

class QWidget;

namespace ui {

// A message box as the framework's AfxMessageBox shows it: captioned with
// the program's title, with the exclamation icon for OK boxes and the
// question icon for Yes/No boxes. Returns the button pressed.
int showMessage(QWidget *owner, const QString &text, Buttons buttons = Buttons::Ok);

} // namespace ui
