#pragma once

#include <QList>
#include <QString>

// G_PHOTO.mdb of the albums chosen in the tree, for the export wizard's
// photo and destination pages.
namespace workstree {

struct ChosenAlbum
{
    QString shelfHostFolder; // the bookshelf's data folder, host path
    int number = 0;          // the album's number in its bookshelf
    QString folder;          // the album folder, Windows path
};

// Writes G_PHOTO.mdb into the temp folder: the photos of the albums in the
// order given, serial numbers 1, 2, ... across them, each photo's
// 写真情報Temp albumpath its album folder with a trailing backslash. The file
// is built under a scratch name and renamed into place; on failure no
// G_PHOTO.mdb is left, so no earlier selection's photos are taken for this
// one. The number of photos written, or -1 with the reason in *error.
int buildPhotoDatabase(const QList<ChosenAlbum> &albums, QString *error);

} // namespace workstree
