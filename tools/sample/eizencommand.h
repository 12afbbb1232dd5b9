#pragma once

#include <QStringList>

// tessera-sample eizen DIR --photos N [--depth D]
int runEizenCommand(const QStringList &arguments);
