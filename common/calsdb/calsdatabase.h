#pragma once

#include "calsregistration.h"

#include <QList>
#include <QString>

// Reads and writes CALS.mdb through the database library. Paths are
// Windows paths.
namespace calsdb {

// The registrations of the kinds the export makes, in ID order, each with
// its files; rows of other folders (DRAWING, ...) are left out. False with
// the reason in *error when the file is missing, not a database or lacks a
// table or column.
bool readRegistrations(const QString &databasePath, QList<Registration> *registrations,
                       QString *error);

// A new CALS.mdb with the registrations; the file must not exist yet.
// False with the reason in *error.
bool writeRegistrations(const QString &databasePath, const QList<Registration> &registrations,
                        QString *error);

// The folder name of a kind in the table XML and in the delivery.
QString folderOf(Kind kind);

} // namespace calsdb
