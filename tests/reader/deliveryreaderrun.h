#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The built DeliveryReader started as the host application starts it, on
// Qt's offscreen platform, following a UI script, with its message boxes
// logged.
struct DeliveryReaderRun
{
    // Host folder mapped as drive D:.
    QString driveD;
    // TMP, in Windows form with its trailing backslash.
    QString tempPath;
    // Host paths of the script to follow and of the message box log.
    QString script;
    QString log;
    QStringList arguments = {QStringLiteral("D:\\本棚"), QStringLiteral("0"), QStringLiteral("0")};

    // Runs the program to its end: its exit code, -1 when it crashed or
    // hung. What it printed is kept in output.
    int run();

    QByteArray output;
};
