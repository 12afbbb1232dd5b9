#pragma once

#include <QByteArray>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

// Built programs run as their own processes, as the host application or
// the user starts them.

// Host path of a program of the build's program folder.
QString programPath(const QString &name);

// Runs a program to its end: its exit code, or -1 when it crashed or did
// not end within two minutes (then it is killed). What it printed, both
// channels, goes to *output.
int runProgram(const QString &path, const QStringList &arguments,
               const QProcessEnvironment &environment, QByteArray *output = nullptr);
