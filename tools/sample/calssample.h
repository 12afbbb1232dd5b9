#pragma once

#include "calsdb/calsregistration.h"

#include <QList>
#include <QString>

// Sample registrations of the delivery support tool: CALS.mdb with
// meeting records, plans and other documents in turn, and their files in
// the subfolder 登録ファイル beside it: a one-page PDF for each meeting
// record and plan (every second meeting record has a text attachment too)
// and a Shift_JIS text file for each other document.
struct CalsSample
{
    static const QString FilesFolderName;

    QString hostFolder;    // where CALS.mdb and 登録ファイル go
    QString windowsFolder; // the same folder as the database library reaches it
    int registrations = 0;

    // The registrations write() stores, with paths relative to the folder.
    QList<calsdb::Registration> planned() const;
    // False with a message when a file cannot be written; an old CALS.mdb
    // is replaced.
    bool write(QString *error) const;
};
