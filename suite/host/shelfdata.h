#pragma once

#include <QList>
#include <QString>

// What the host knows of a bookshelf from the suite's data root
// (docs/suite-data.md). Paths in Windows form.
namespace host {

// DataDir of the bookshelf's profile folder (data, data1, ...); empty when
// the profile or the key is missing.
QString shelfDataFolder(const QString &dataRoot, int shelf);

// The delivery standard code the bookshelf follows (its kouji.xml); 0 when
// it cannot be read.
int shelfStandardCode(const QString &dataFolder);

// The numbers of the bookshelf's albums in its order; none when its
// photos cannot be read.
QList<qint32> shelfAlbumNumbers(const QString &dataFolder);

} // namespace host
