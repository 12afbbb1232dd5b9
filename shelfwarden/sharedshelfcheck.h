#pragma once

#include <QString>

namespace shelfwarden {

enum class SharedShelf {
    Changeable = 0,  // a shared bookshelf this tool may change
    Newer = 1,       // its profile is newer than the tool
    NotShared = 2,   // no shared bookshelf
};

// Whether a bookshelf data folder is a shared bookshelf this tool may
// change: it holds KOUJI.XML and NetProf.dat, and the profile's version is
// not above the tool's (the major product version).
SharedShelf CheckSharedShelf(const QString &folder);

// Whether a NetProf.dat comes from a newer version of the suite than this
// tool (its Version is above the tool's). The tool does not know the form
// of such a profile and never changes it, however the bookshelf was chosen.
bool ProfileIsNewer(const QString &profilePath);

// The major part of the program's product version.
int toolVersion();

} // namespace shelfwarden
