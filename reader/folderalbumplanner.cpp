#include "folderalbumplanner.h"

#include "ckaisoutree.h"
#include "importsettings.h"

namespace reader {

namespace {

// In 平成24年版 mode the root has depth 0 and the folders directly below it
// depth 2: those are the boxes, and a folder one level deeper lies in the
// box of its parent.
constexpr int BoxFolderDepth = 2;
constexpr int InBoxFolderDepth = BoxFolderDepth + 1;
// The items of the deepest shown level, whose count takes in everything
// below them.
constexpr int DeepestItemDepthH24 = CKaisouTree::DeepestListedDepthH24 + 1;

} // namespace

LevelNames SplitLevelNames(const QString &path, const QString &dataPath)
{
    QStringView below = QStringView(path).mid(qMin(dataPath.size(), path.size()));
    if (const qsizetype separator = below.indexOf(u'\\'); separator >= 0)
        below = below.mid(separator + 1);
    LevelNames names;
    if (below.isEmpty())
        return names;
    const auto parts = below.split(u'\\');
    for (qsizetype i = 0; i < qMin(qsizetype(LevelNameCount), parts.size()); ++i)
        names[i] = parts.at(i).left(LevelNameBuffer - 1).toString();
    return names;
}

FolderAlbumPlanner::FolderAlbumPlanner(ImportSettings &settings, const CKaisouTree &tree)
    : m_settings(settings)
    , m_tree(tree)
{
}

FolderAlbumPlanner::Result FolderAlbumPlanner::PlanFolderAlbums()
{
    m_settings.m_nAlbumNum = 0;
    m_settings.m_nPhotoCount = 0;
    m_counter = PhotoFileCounter();
    m_result = Result::Planned;
    if (!planTicked(m_tree.invisibleRootItem())) {
        m_settings.m_nAlbumNum = 0;
        m_settings.m_nPhotoCount = 0;
    }
    m_counter = PhotoFileCounter();
    return m_result;
}

bool FolderAlbumPlanner::planTicked(const QTreeWidgetItem *parent)
{
    // A ticked item is planned even when an ancestor is ticked too.
    for (int i = 0; i < parent->childCount(); ++i) {
        const QTreeWidgetItem *item = parent->child(i);
        if (CKaisouTree::isTicked(item) && !PlanAlbumForItem(item))
            return false;
        if (!planTicked(item))
            return false;
    }
    return true;
}

bool FolderAlbumPlanner::PlanAlbumForItem(const QTreeWidgetItem *item)
{
    const bool h24 = m_tree.folderRoot().h24;
    const QString path = m_tree.GetItemFolderPath(item);
    const int depth = m_tree.GetFolderDepth(path);
    m_counter.clearSubfolderPhotos();
    const int ownPhotos = m_counter.CountPhotoFiles(path);
    const int deeperPhotos = m_counter.subfolderPhotos();
    const bool deepestH24 = h24 && depth == DeepestItemDepthH24;
    // The deepest level's folders take in all photos below them.
    const int photos = deepestH24 ? ownPhotos + deeperPhotos : ownPhotos;
    m_settings.m_nPhotoCount += photos;
    if (h24)
        updateBoxPath(path, depth);
    const int subtreePhotos = ownPhotos + deeperPhotos;

    if (HasCheckedItem(item)) {
        // Something below gets its own album: this one keeps its own folder.
        if (photos < 1)
            return true;
        AlbumPlan *album = startAlbum(item, path);
        if (!album)
            return false;
        album->photoCount = photos;
        album->folders[0] = path;
        album->folderCount = 1;
        ++m_settings.m_nAlbumNum;
        return true;
    }

    if (subtreePhotos == 0)
        return true;
    if (item->childCount() == 0 && deeperPhotos > 0) {
        // Folders below exist but are not shown: the album takes them in
        // through the has-child flag, also when this folder has no photo
        // of its own.
        AlbumPlan *album = startAlbum(item, path);
        if (!album)
            return false;
        album->photoCount = subtreePhotos;
        album->folders[0] = path;
        album->hasChild[0] = 1;
        album->folderCount = 1;
        if (!deepestH24)
            m_settings.m_nPhotoCount += deeperPhotos;
        ++m_settings.m_nAlbumNum;
        return true;
    }

    AlbumPlan *album = startAlbum(item, path);
    if (!album)
        return false;
    album->photoCount = subtreePhotos;
    m_nFolderIndex = 0;
    // A folder without photos of its own is not listed itself.
    if (ownPhotos >= 1)
        album->folders[m_nFolderIndex++] = path;
    if (!CollectSubfolders(item, *album))
        return false;
    album->folderCount = m_nFolderIndex;
    ++m_settings.m_nAlbumNum;
    return true;
}

bool FolderAlbumPlanner::HasCheckedItem(const QTreeWidgetItem *parent)
{
    for (int i = 0; i < parent->childCount(); ++i) {
        const QTreeWidgetItem *item = parent->child(i);
        if (CKaisouTree::isTicked(item) || HasCheckedItem(item))
            return true;
    }
    return false;
}

bool FolderAlbumPlanner::CollectSubfolders(const QTreeWidgetItem *parent, AlbumPlan &album)
{
    for (int i = 0; i < parent->childCount(); ++i) {
        const QTreeWidgetItem *item = parent->child(i);
        if (m_nFolderIndex >= MaxAlbumFolders) {
            m_result = Result::TooManyFolders;
            return false;
        }
        const QString path = m_tree.GetItemFolderPath(item);
        m_counter.clearSubfolderPhotos();
        m_settings.m_nPhotoCount += m_counter.CountPhotoFiles(path);
        album.folders[m_nFolderIndex] = path;
        if (item->childCount() == 0 && m_counter.subfolderPhotos() > 0) {
            album.hasChild[m_nFolderIndex] = 1;
            m_settings.m_nPhotoCount += m_counter.subfolderPhotos();
        }
        ++m_nFolderIndex;
        if (!CollectSubfolders(item, album))
            return false;
    }
    return true;
}

AlbumPlan *FolderAlbumPlanner::startAlbum(const QTreeWidgetItem *item, const QString &path)
{
    if (m_settings.m_nAlbumNum >= MaxAlbums) {
        m_result = Result::TooManyAlbums;
        return nullptr;
    }
    AlbumPlan &album = m_settings.m_albums[m_settings.m_nAlbumNum];
    // A record used by an earlier planning keeps nothing of it.
    album = AlbumPlan();
    album.albumName = CKaisouTree::folderName(item);
    const LevelNames levels = SplitLevelNames(path, m_tree.folderRoot().dataPath);
    album.bunrui = levels[0];
    album.kubun = levels[1];
    album.kousyu = levels[2];
    album.syubetu = levels[3];
    album.saibetu = levels[4];
    if (m_tree.folderRoot().h24)
        album.box = m_strBoxPath;
    return &album;
}

void FolderAlbumPlanner::updateBoxPath(const QString &path, int depth)
{
    if (depth == InBoxFolderDepth)
        m_strBoxPath = path.left(path.lastIndexOf(u'\\'));
    else if (depth == BoxFolderDepth)
        m_strBoxPath = path;
    else if (depth < BoxFolderDepth)
        m_strBoxPath.clear();
}

} // namespace reader
