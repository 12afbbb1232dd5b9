#pragma once

#include <QList>
#include <QString>

namespace photodb {

// One row of 写真情報, the photo information table of G_PHOTO.mdb. Null
// cells read as empty texts and as 0.
struct PhotoInfoRecord
{
    int serial = 0;
    QString fileName;
    QString japaneseFileName;
    QString majorClass;
    QString category;
    QString workType;
    QString kind;
    QString subKind;
    QString title;
    bool hasDrawings = false;  // 付加情報 nonzero: reference drawings
    QString place;
    QString managementValue;
    QString representative;
    QString frequency;
};

// 写真情報 of G_PHOTO.mdb, as DNXmlRead or workstree left it.
class PhotoInfoTable
{
public:
    // The temp folder's G_PHOTO.mdb; empty when there is no temp folder.
    static QString databasePath();

    // Every row, in the table's order. The database is opened read-only
    // and closed again before this returns. Throws JETDAO::CDaoException
    // when the database or the table cannot be opened or a row cannot be
    // read, so that no caller takes part of a delivery for all of it.
    static QList<PhotoInfoRecord> readAll(const QString &databasePath);
};

} // namespace photodb
