#pragma once

#include <QStringList>

// tessera-sample cals DIR --rows N [--broken]: CALS.mdb as the electronic
// delivery support tool leaves it, with N rows in its table XML
// (docs/cals-database.md), or with --broken a file that is no database.
int runCalsCommand(const QStringList &arguments);
