#pragma once

#include "calsdb/calsregistration.h"
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
    // The other delivery data (othrsData=1): CALS.mdb's registrations and
    // the folder it is in, Windows form.
    QList<calsdb::Registration> registrations;
    QString calsFolder;
};

// photoDatabase in Windows form. False with the reason in *error when the
// database, a bookshelf's photos.db or kouji.xml cannot be read, or a
// serial names a photo its album does not hold: a delivery is never made
// of part of the photos chosen.
bool readExportSource(const QString &photoDatabase, ExportSource *source, QString *error);

// Adds the registrations of calsFolder's CALS.mdb. False with the reason in
// *error when there is no such database or it cannot be read: the user
// chose the other data, so a delivery without it is no success.
bool readOtherData(const QString &calsFolder, ExportSource *source, QString *error);

} // namespace host
