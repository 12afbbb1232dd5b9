#pragma once

#include <QStringList>

// tessera-sample suite DIR --shelves N [--shared]
int runSuiteSample(const QStringList &arguments);
