#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

namespace reader {

// Counts the photo files of a government-building delivery's folders.
//
// CountPhotoFiles gives the photos directly in a folder and adds those of
// every folder below it, at any depth, to the subfolder photo counter. The
// hierarchy tree and the album planning count the same folders again from
// every level above them; to stay quick on deliveries of thousands of
// folders, a counter lists each folder once and remembers what it found.
// So one counter serves one tree build or one planning: a fresh counter
// sees the folders as they are now.
//
// Photos that the host application could not read are not counted but
// kept apart: those under a path of MaxPath characters or more (counted
// through the long form of their folder's path), and entries whose names
// no Windows name stands for (a folder of such a name counts as one, since
// what it holds cannot be listed).
class PhotoFileCounter
{
public:
    struct Unreadable
    {
        int count = 0;
        // The first one met, in the order the folders are listed.
        QString firstPath;
    };

    struct Folder
    {
        // Names of the subfolders, in the order the platform lists them.
        QStringList subfolders;
        // Photo files directly in the folder.
        int photos = 0;
        // Photo files in all folders below it.
        int deeperPhotos = 0;
    };

    // The photos directly in the folder; adds the photos of all its
    // subfolders to subfolderPhotos(). A folder that cannot be listed has
    // none.
    int CountPhotoFiles(const QString &path);

    int subfolderPhotos() const { return m_nSubfolderPhotos; }
    void clearSubfolderPhotos() { m_nSubfolderPhotos = 0; }

    // What the folder holds, listed on first use.
    Folder folder(const QString &path);

    // What could not be read in the folders listed so far.
    const Unreadable &unreadable() const { return m_unreadable; }

private:
    void noteUnreadable(const QString &path);

    QHash<QString, Folder> m_folders;
    Unreadable m_unreadable;
    int m_nSubfolderPhotos = 0;
};

} // namespace reader
