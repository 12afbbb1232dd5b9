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
class PhotoFileCounter
{
public:
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

private:
    QHash<QString, Folder> m_folders;
    int m_nSubfolderPhotos = 0;
};

} // namespace reader
