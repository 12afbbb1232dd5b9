#pragma once

#include <QEvent>
#include <QObject>

#include <functional>

class QWidget;

namespace ui {

// Calls a handler when its control gets one kind of focus event (FocusIn or
// FocusOut). Lives as the control's child, so it goes with the control.
class FocusWatcher final : public QObject
{
    Q_OBJECT

public:
    FocusWatcher(QWidget *control, QEvent::Type type, std::function<void()> handler);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QEvent::Type m_type;
    std::function<void()> m_handler;
};

} // namespace ui
