#include "messagerules.h"

namespace ui {

int showMessage(QWidget *owner, const QString &text, Buttons buttons)
{
    const bool question = buttons == Buttons::YesNo || buttons == Buttons::YesNoCancel;
    return messageBox(owner, text, QString(), buttons, question ? Icon::Question : Icon::Warning);
}

} // namespace ui
