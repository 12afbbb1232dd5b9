#pragma once

class QWidget;

// Shows a window and makes it the active one, so that focus changes send
// their focus events as they do for a user.
void showActive(QWidget *window);
