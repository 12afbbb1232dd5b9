#include "uitestsupport.h"

#include <QApplication>
#include <QWidget>

#include <gtest/gtest.h>

void showActive(QWidget *window)
{
    window->show();
    window->activateWindow();
    QApplication::processEvents();
    ASSERT_TRUE(window->isActiveWindow());
}
