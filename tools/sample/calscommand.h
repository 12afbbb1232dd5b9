#pragma once

#include <QStringList>

// tessera-sample cals DIR --rows N [--broken]: CALS.mdb as the electronic
// delivery support tool leaves it, with N registered documents (rows of its
// table XML) and their files (docs/cals-database.md), or with --broken a
// file that is no database.
int runCalsCommand(const QStringList &arguments);
