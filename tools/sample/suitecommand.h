#pragma once

#include <QStringList>

// tessera-sample suite DIR --shelves N [--shared] [--albums M] [--photos P]
//     [--standard CODE]
int runSuiteSample(const QStringList &arguments);
