#pragma once

#include <QString>

// Sample data of the suite: a data root with Profile.dat, the profile
// folders data, data1, ... with BKSPROF.DAT, the bookshelf data folders with
// kouji.xml and, for shared bookshelves, NetProf.dat with registered and
// using computers, and a registry file with the installation identifier.
struct SuiteSample
{
    QString root;       // host folder of the data root
    int shelves = 1;
    bool shared = false;

    // The installation identifier the registry file holds.
    static const QString InstallationId;
    // Name of the registry file in the data root (for TESSERA_REGISTRY).
    static const QString RegistryFileName;

    // Writes the sample; false with a message when a file cannot be written.
    bool write(QString *error) const;
};
