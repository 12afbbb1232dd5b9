#pragma once

#include <QString>

// Path rules of the album hierarchy page: how folder paths are put
// together, how deep a folder lies below the delivery root folder, and
// which files are photos. Paths are Windows paths (D:\工事\写真).
namespace reader {

// The delivery root folder as the hierarchy tree sees it.
struct FolderRoot
{
    // m_strDataPath: the root folder as the user gave it.
    QString dataPath;
    // The tree's root display name: the root folder's own name, or "ROOT"
    // for a drive root.
    QString displayName;
    // The 平成24年版 edition is chosen (m_nStd2012): depths come from the
    // path's length instead of its names.
    bool h24 = false;
};

// Name shown for a root folder whose path ends in a backslash (a drive root).
inline constexpr QStringView RootDisplayNameOfDriveRoot = u"ROOT";

// The root display name of a root folder: its last path component, or
// "ROOT" when there is none.
QString RootDisplayName(const QString &dataPath);

// The depth that the tree's level rules use. In 平成24年版 mode it counts
// the backslashes after the root folder's path: the root itself has depth
// 0 and each level below it one more than the backslashes found (a direct
// subfolder has 2). Otherwise it counts path components back up to the
// first one named like the root (without regard to case): the root has
// depth 1, a direct subfolder 2; running into the drive ends the count one
// lower.
int GetFolderDepth(const QString &path, const FolderRoot &root);

// Appends a backslash and the name, then turns doubled backslashes into
// single ones everywhere but at the very start, so a network path's
// leading "\\" stays.
void AppendPathPart(QString &path, const QString &name);

// The extension of a file name as the hierarchy tree reads it: the last
// three characters when the fourth from the end is a dot ("x.jpg.bak"
// gives "bak"); otherwise the text after the last dot that is followed by
// neither a blank nor the end, where a backslash forgets earlier dots.
// Empty when there is none.
QString GetFileExtension(const QString &name);

// jpg, jpe or jpeg in any case.
bool IsPhotoFileName(const QString &name);

// Item text of a folder: "名前 (12 枚)" when it holds photos, else the name.
QString FolderItemText(const QString &name, int photoCount);

} // namespace reader
