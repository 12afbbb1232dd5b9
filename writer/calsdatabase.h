#pragma once

#include <QString>
#include <QStringView>

// CALS.mdb, where the electronic delivery support tool registers the
// delivery data other than PHOTO (meeting records, plans, other
// documents), in the folder given as argument 8.
namespace writer {

inline constexpr QStringView CalsDatabaseFileName = u"CALS.mdb";

// The folder followed by "\CALS.mdb".
QString calsDatabasePath(const QString &calsFolder);

// Whether other delivery data exists: the file is there and its table XML
// holds a row. A database that cannot be read is reported to the user by
// the database library's own error report; the probe then fails.
bool probeCalsDatabase(const QString &calsFolder);

} // namespace writer
