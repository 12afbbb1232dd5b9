#pragma once

#include "suitedata/constructioninfo.h"
#include "suitedata/shelfphotos.h"

#include <QList>
#include <QString>

// What an export is made of: the photos of G_PHOTO.mdb (the albums chosen
// in the wizard) in serial order, each with the whole of its items from its
// bookshelf's photos.db, and the construction information of the bookshelf
// of the first album.
namespace host {

struct ExportPhoto
{
    QString albumHostFolder; // where the photo's files are
    QString albumLabel;      // KOUJI.XML label of the album
    suitedata::ShelfPhoto item;
};

struct ExportSource
{
    suitedata::ConstructionInfo construction;
    QList<ExportPhoto> photos;
};

// photoDatabase in Windows form. False with the reason in *error when the
// database, a bookshelf's photos.db or kouji.xml cannot be read, or a
// serial names a photo its album does not hold: a delivery is never made
// of part of the photos chosen.
bool readExportSource(const QString &photoDatabase, ExportSource *source, QString *error);

} // namespace host
