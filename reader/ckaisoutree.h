#pragma once

#include "folderpaths.h"
#include "koujimaster.h"
#include "photofilecounter.h"
#include "ui/scripttickable.h"

#include <QIcon>
#include <QList>
#include <QTreeWidget>

namespace reader {

struct ImportSettings;

// The folder tree of the album hierarchy page (control 1024): the folders
// below a government-building delivery's root folder with their photo
// counts, ticked where they are to become albums. Building it writes the
// same tree into KOUJIMASTER.MDB.
//
// Each item stands for one folder. Its image is one of the four tick
// images: 0 and 1 for the upper levels, 2 and 3 for the deeper ones, bit 0
// set when ticked; a click on the image flips it. Ticks are independent:
// ticking an item leaves its parents and children as they are.
class CKaisouTree : public QTreeWidget, public ui::ScriptTickable
{
    Q_OBJECT

public:
    enum TickImage {
        UpperLevelUnticked = 0,
        UpperLevelTicked = 1,
        DeeperLevelUnticked = 2,
        DeeperLevelTicked = 3,
    };
    static constexpr int ImageSize = 16;
    // Longer folder names stop the build (counted in UTF-16 characters).
    static constexpr int MaxFolderNameLength = 128;
    // Folders listed at a depth below this start ticked, with the upper
    // levels' images; the others start unticked.
    static constexpr int TickedBelowDepth = 3;
    // Items listed at a depth below this are expanded.
    static constexpr int ExpandedBelowDepth = 4;
    // The deepest listing whose subfolders are shown; the items it adds
    // count the photos of every folder below them too.
    static constexpr int DeepestListedDepth = 5;
    static constexpr int DeepestListedDepthH24 = 3;

    explicit CKaisouTree(QWidget *parent = nullptr);
    ~CKaisouTree() override;

    // Fills the tree with the folders below settings.m_strDataPath, in the
    // order the platform lists them, and writes them into KOUJIMASTER.MDB
    // (copied from the template in settings.m_strProgramDir). A folder
    // name longer than MaxFolderNameLength stops the build with a message
    // and sets settings.m_nTreeError to 1; the items made so far stay. A
    // template that cannot be copied stops it in the same way, before any
    // item. Photos the host could not read are named in a message after
    // the build (PhotoFileCounter::Unreadable).
    void BuildFolderTree(ImportSettings &settings);

    // The root folder the tree was last built for.
    const FolderRoot &folderRoot() const { return m_root; }
    // The full folder path of an item: the root folder, then the names of
    // the item's ancestors below the root and its own.
    QString GetItemFolderPath(const QTreeWidgetItem *item) const;
    int GetFolderDepth(const QString &path) const;

    // The root folder's item, nullptr while the tree is empty.
    QTreeWidgetItem *rootItem() const;
    // The folder's own name (the item's text without its photo count).
    static QString folderName(const QTreeWidgetItem *item);
    static bool isTicked(const QTreeWidgetItem *item);
    static int tickImage(const QTreeWidgetItem *item);
    // The folder's node id in KOUJIMASTER.MDB: 1 for the root, then 2,
    // 3, ... in the order the items were inserted.
    static int nodeId(const QTreeWidgetItem *item);

    // Flips the item's tick, as a click on its image does, and makes it
    // the current item.
    void toggleItem(QTreeWidgetItem *item);
    // Where the item's image lies, in viewport coordinates.
    QRect imageRect(const QTreeWidgetItem *item) const;

    bool tickPath(const QString &windowsPath) override;

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    // False when a folder name stopped the build.
    bool AddFolderLevel(QTreeWidgetItem *parent, const QString &path);
    QTreeWidgetItem *addRootItem(const QString &path);
    QTreeWidgetItem *addFolderItem(QTreeWidgetItem *parent, const QString &name, int photoCount,
                                   int listedDepth);
    void writeNode(const QTreeWidgetItem *item);
    void reportUnreadablePhotos();
    bool refuseLongName(const QString &name);
    void setTickImage(QTreeWidgetItem *item, int image, bool ticked);
    void loadTickImages();

    FolderRoot m_root;
    KoujiMaster m_master;
    // Lists each folder once per build.
    PhotoFileCounter m_counter;
    QList<QIcon> m_images;
    int m_nItemCounter = 1;
    // Cleared by the first node the database refused, so that later
    // folders are not attached to a node that is missing.
    bool m_bWriteNodes = false;
};

} // namespace reader
