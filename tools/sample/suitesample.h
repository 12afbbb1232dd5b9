#pragma once

#include <QString>

// Sample data of the suite: a data root with Profile.dat, the profile
// folders data, data1, ... with BKSPROF.DAT, the bookshelf data folders with
// kouji.xml and, for shared bookshelves, NetProf.dat with registered and
// using computers, and a registry file with the installation identifier.
// With albums, each bookshelf also holds its album folders (KOUJI.XML and
// photo files) and photos.db, and the bookshelves differ as the export's
// album rules need (docs/suite-data.md).
struct SuiteSample
{
    static constexpr int DefaultStandardCode = 1;

    QString root;       // host folder of the data root
    int shelves = 1;
    bool shared = false;
    int albums = 0;     // albums in each bookshelf with data
    int photos = 0;     // photos in each album
    int standardCode = DefaultStandardCode;
    // The photo and drawing files; benchmarks of the databases leave them.
    bool photoFiles = true;

    // The installation identifier the registry file holds.
    static const QString InstallationId;
    // Name of the registry file in the data root (for TESSERA_REGISTRY).
    static const QString RegistryFileName;
    // The computer that uses the bookshelf marked as in use elsewhere.
    static const QString OtherComputer;

    // Writes the sample; false with a message when a file cannot be written.
    bool write(QString *error) const;
};
