#include "windowmessage.h"

#include <QCoreApplication>
#include <QWidget>

namespace ui {

WindowMessage::WindowMessage(unsigned message, quintptr wParam, qintptr lParam)
    : QEvent(eventType()),
      m_message(message),
      m_wParam(wParam),
      m_lParam(lParam)
{
}

QEvent::Type WindowMessage::eventType()
{
    static const QEvent::Type type = QEvent::Type(QEvent::registerEventType());
    return type;
}

void postMessage(QWidget *window, unsigned message, quintptr wParam, qintptr lParam)
{
    QCoreApplication::postEvent(window, new WindowMessage(message, wParam, lParam));
}

} // namespace ui
