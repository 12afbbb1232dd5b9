#pragma once

#include "importalbums.h"

#include <QList>
#include <QString>

// The albums DeliveryReader planned from the ticked folders of a
// government-building delivery: the [ALBUMn] sections of G_INPUTXML.dat.
namespace host {

struct PlannedFolder
{
    QString path;                // Windows form
    bool withSubfolders = false; // nHasChild=1: the folders below belong to the album too
};

struct FolderAlbumPlan
{
    QString name;                // albumname=
    QString box;                 // box=: the box folder (2012 edition), else empty
    QList<PlannedFolder> folders;
};

// The photos of each planned album, read from its folders: the files the
// folder tree counts (.jpg, .jpe, .jpeg in any case), ordered by file name
// across the album's folders (serial names keep their order; equal names
// keep the folders' order). A photo's 写真-大分類, 写真区分, ... are the
// names of its folder's path below the box folder (2012 edition), else
// below the delivery folder, down to five levels. False with the reason
// in *error (the folder's path) when a planned folder is not there or
// lies outside the delivery folder.
bool readFolderAlbums(const QString &deliveryFolder, const QList<FolderAlbumPlan> &plans,
                      QList<ImportAlbum> *albums, QString *error);

} // namespace host
