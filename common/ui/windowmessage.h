#pragma once

#include <QEvent>

class QWidget;

namespace ui {

inline constexpr unsigned UserMessage = 0x0400;  // WM_USER

// A window message as PostMessage delivers it, as a Qt event of one
// registered type: the suite libraries tell a page's window that long work
// has ended this way.
class WindowMessage final : public QEvent
{
public:
    WindowMessage(unsigned message, quintptr wParam, qintptr lParam);

    static QEvent::Type eventType();

    unsigned message() const { return m_message; }
    quintptr wParam() const { return m_wParam; }
    qintptr lParam() const { return m_lParam; }

private:
    unsigned m_message;
    quintptr m_wParam;
    qintptr m_lParam;
};

// PostMessage: queues the message for the window.
void postMessage(QWidget *window, unsigned message, quintptr wParam, qintptr lParam);

} // namespace ui
