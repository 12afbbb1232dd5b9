#pragma once

#include "photofilecounter.h"

#include <QString>

#include <array>

class QTreeWidgetItem;

namespace reader {

struct AlbumPlan;
class CKaisouTree;
struct ImportSettings;

// 写真-大分類, 写真区分, 工種, 種別 and 細別 of an album folder.
inline constexpr int LevelNameCount = 5;
using LevelNames = std::array<QString, LevelNameCount>;

// The level names of a folder: the names of its path below the root
// folder dataPath, the first five of them; missing levels are empty, and
// each name is kept to the record's level name buffer.
LevelNames SplitLevelNames(const QString &path, const QString &dataPath);

// Turns the ticked folders of the hierarchy tree into the planned albums
// of the import settings (m_albums, m_nAlbumNum) and the number of photos
// taken in (m_nPhotoCount). Each ticked folder with photos becomes an
// album: of its own folder when something below it is ticked too, else of
// its whole subtree.
//
// The planner lives as long as the page: the box path of the 平成24年版
// edition carries over from one album, and one planning, to the next.
class FolderAlbumPlanner
{
public:
    enum class Result {
        Planned,
        // More albums than m_albums holds.
        TooManyAlbums,
        // More folders in one album than its record holds.
        TooManyFolders,
    };

    FolderAlbumPlanner(ImportSettings &settings, const CKaisouTree &tree);

    // Plans from record 0. A plan that does not fit the records is refused:
    // m_nAlbumNum and m_nPhotoCount are then 0, and no record beyond the
    // limits was touched.
    Result PlanFolderAlbums();

private:
    bool planTicked(const QTreeWidgetItem *parent);
    bool PlanAlbumForItem(const QTreeWidgetItem *item);
    // Whether any item below parent is ticked.
    static bool HasCheckedItem(const QTreeWidgetItem *parent);
    // Appends the folders below parent to the album, depth first.
    bool CollectSubfolders(const QTreeWidgetItem *parent, AlbumPlan &album);
    // The next record, emptied and named after the item; nullptr when all
    // records are used.
    AlbumPlan *startAlbum(const QTreeWidgetItem *item, const QString &path);
    void updateBoxPath(const QString &path, int depth);

    ImportSettings &m_settings;
    const CKaisouTree &m_tree;
    // Fresh for every planning, so it counts the folders as they are now.
    PhotoFileCounter m_counter;
    QString m_strBoxPath;
    int m_nFolderIndex = 0;
    Result m_result = Result::Planned;
};

} // namespace reader
