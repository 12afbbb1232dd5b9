#include "readermessagebox.h"

namespace reader {

int showMessage(QWidget *owner, const QString &text, ui::Buttons buttons)
{
    const bool question = buttons == ui::Buttons::YesNo || buttons == ui::Buttons::YesNoCancel;
    return ui::messageBox(owner, text, QString(), buttons,
                          question ? ui::Icon::Question : ui::Icon::Warning);
}

} // namespace reader
