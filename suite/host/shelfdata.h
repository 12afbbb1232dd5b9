#pragma once

#include <QList>
#include <QString>

// What the host knows of a bookshelf from the suite's data root
// (docs/suite-data.md). Paths in Windows form.
namespace host {

// DataDir of the bookshelf's profile folder (data, data1, ...); empty when
// the profile or the key is missing.
QString shelfDataFolder(const QString &dataRoot, int shelf);

// The bookshelf's albums as the host numbers them: the folders of the data
// folder that hold an album's KOUJI.XML, in name order, from 1.
QList<qint32> shelfAlbumNumbers(const QString &dataFolder);

} // namespace host
