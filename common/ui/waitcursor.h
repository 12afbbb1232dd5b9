#pragma once

#include <QtGlobal>

namespace ui {

// Shows the wait cursor for the guard's lifetime.
class WaitCursor
{
public:
    WaitCursor();
    ~WaitCursor();
    Q_DISABLE_COPY_MOVE(WaitCursor)
};

} // namespace ui
