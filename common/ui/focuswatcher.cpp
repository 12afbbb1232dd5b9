#include "focuswatcher.h"

#include <QFocusEvent>
#include <QWidget>

namespace ui {

FocusWatcher::FocusWatcher(QWidget *control, QEvent::Type type, std::function<void()> handler)
    : QObject(control)
    , m_type(type)
    , m_handler(std::move(handler))
{
    control->installEventFilter(this);
}

bool FocusWatcher::eventFilter(QObject *watched, QEvent *event)
{
    // A popup (the edit box's own context menu) takes the focus in Qt only;
    // on Windows the control keeps it.
    if (watched == parent() && event->type() == m_type
        && static_cast<QFocusEvent *>(event)->reason() != Qt::PopupFocusReason) {
        m_handler();
    }
    return false;
}

} // namespace ui
