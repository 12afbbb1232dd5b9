#include "platform/gui/windowbeacon.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QTimer>
#include <QUuid>
#include <QWidget>

#include <gtest/gtest.h>

using namespace win;

namespace {

QString uniqueTitle()
{
    return QStringLiteral("共有本棚の利用情報確認 ") + QUuid::createUuid().toString();
}

// A second program instance asking for the window; this process keeps its
// event loop running meanwhile so that the beacon can answer.
int askFromAnotherProcess(const QString &title)
{
    QProcess process;
    QEventLoop loop;
    QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
    QObject::connect(&process, &QProcess::errorOccurred, &loop, &QEventLoop::quit);
    QTimer::singleShot(20000, &loop, &QEventLoop::quit);
    process.start(QCoreApplication::applicationDirPath() + QStringLiteral("/platform_helper"),
                  {QStringLiteral("raise"), title});
    loop.exec();
    if (process.state() != QProcess::NotRunning) {
        process.kill();
        process.waitForFinished();
        return -1;
    }
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

} // namespace

TEST(WindowBeaconTest, SecondInstanceRestoresTheMinimisedWindow)
{
    QWidget window;
    window.setWindowTitle(uniqueTitle());
    window.showMinimized();
    ASSERT_TRUE(window.windowState() & Qt::WindowMinimized);
    WindowBeacon beacon(&window);
    ASSERT_TRUE(beacon.isAnnounced());

    EXPECT_EQ(askFromAnotherProcess(window.windowTitle()), 0);
    EXPECT_FALSE(window.windowState() & Qt::WindowMinimized);
    EXPECT_TRUE(window.isVisible());
}

TEST(WindowBeaconTest, DisabledWindowIsFoundButLeftAlone)
{
    QWidget window;
    window.setWindowTitle(uniqueTitle());
    window.showMinimized();
    window.setEnabled(false);
    WindowBeacon beacon(&window);
    EXPECT_EQ(askFromAnotherProcess(window.windowTitle()), 0);
    EXPECT_TRUE(window.windowState() & Qt::WindowMinimized);
}

TEST(WindowBeaconTest, NothingIsFoundWithoutABeacon)
{
    const QString title = uniqueTitle();
    EXPECT_EQ(askFromAnotherProcess(title), 1);
    EXPECT_FALSE(bringWindowForward(title));
    {
        QWidget window;
        window.setWindowTitle(title);
        WindowBeacon beacon(&window);
    }
    EXPECT_EQ(askFromAnotherProcess(title), 1) << "a beacon stops with its object";
}

TEST(WindowBeaconTest, OneBeaconPerTitleAndStaleOnesAreTakenOver)
{
    const QString title = uniqueTitle();
    QWidget window;
    window.setWindowTitle(title);
    {
        WindowBeacon first(&window);
        ASSERT_TRUE(first.isAnnounced());
        WindowBeacon second(&window);
        EXPECT_FALSE(second.isAnnounced());
    }

    // What a process that died leaves behind.
    QFile leftover(WindowBeacon::serverPath(title));
    ASSERT_TRUE(leftover.open(QIODevice::WriteOnly));
    leftover.close();
    WindowBeacon beacon(&window);
    EXPECT_TRUE(beacon.isAnnounced());
}
