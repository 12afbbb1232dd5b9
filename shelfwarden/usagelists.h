#pragma once

#include <QString>
#include <QStringList>

namespace shelfwarden {

// The two views of a shared bookshelf's NetProf.dat: the computers that
// share it and the computers using it now, either of this installation's
// own sharing group or of all other groups (plain USER names included).
struct UsageLists
{
    QStringList sharing;
    QStringList inUse;  // each name once

    static UsageLists readOwnGroup(const QString &profilePath, const QString &ownGroupSection);
    static UsageLists readOtherGroups(const QString &profilePath,
                                      const QString &ownGroupSection);
};

} // namespace shelfwarden
