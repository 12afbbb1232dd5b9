#pragma once

#include <QString>

enum class SharedShelf {
    Changeable = 0,  // a shared bookshelf this tool may change
    Newer = 1,       // its profile is newer than the tool
    NotShared = 2,   // no shared bookshelf
};

// Whether a bookshelf data folder is a shared bookshelf this tool may
// change: it holds KOUJI.XML and NetProf.dat, and the profile's version is
// not above the tool's (the major product version).
SharedShelf CheckSharedShelf(const QString &folder);

// The major part of the program's product version.
int toolVersion();
