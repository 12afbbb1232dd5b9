#pragma once

#include "suitedata/constructioninfo.h"

#include <QList>
#include <QString>

// The suite's bookshelves and their albums as the album tree shows them,
// read from the data root's profile folders (docs/suite-data.md), and the
// rules that decide what may go into one delivery.
namespace workstree {

struct AlbumEntry
{
    int number = 0;
    QString folder;         // Windows path of the album folder
    QString label;
    bool password = false;
};

struct ShelfEntry
{
    int profileNumber = 0;  // data = 0, data1 = 1, ...
    QString name;           // bksname, else kouji.xml's name
    QString dataFolder;     // Windows path of the data folder
    QString hostFolder;     // host path of the data folder; empty: not reachable
    bool hasData = false;   // kouji.xml read
    suitedata::ShelfInfo info;
    bool usedElsewhere = false;
    QList<AlbumEntry> albums;
};

// The bookshelves of the data root in the host's order: profile folders
// data, data1, ... up to the first missing one. dataFolder (Windows form)
// is the data root, or a profile folder in it; a RootDir in the root's
// Profile.dat moves the root. A bookshelf is in use elsewhere when its
// NetProf.dat lists in USED or LOCK a computer other than thisComputer.
QList<ShelfEntry> readSuiteShelves(const QString &dataFolder, const QString &thisComputer);

// True when another computer than thisComputer (compared without regard to
// case, as Windows compares computer names) is listed in the USED or LOCK
// section of the NetProf.dat at that Windows path.
bool usedOnAnotherComputer(const QString &netProfPath, const QString &thisComputer);

// Albums of a bookshelf may join a delivery of the selected one: it has
// data, is neither password-protected nor in use elsewhere, and agrees with
// the selected bookshelf in standard code and construction number.
bool shelfChoosable(const ShelfEntry &shelf, const ShelfEntry *selected);
bool albumChoosable(const ShelfEntry &shelf, const AlbumEntry &album, const ShelfEntry *selected);

} // namespace workstree
