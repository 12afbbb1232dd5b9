#include "ckaisoutree.h"

#include "importsettings.h"
#include "jetdao/cdaoexception.h"
#include "readerids.h"
#include "ui/messagerules.h"

#include <QBitmap>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPixmap>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QTreeWidgetItemIterator>

namespace reader {

namespace {

constexpr QStringView FolderNameTooLong =
    u"指定されたフォルダ名の長さが１２８バイトを超えました。処理を中止しました。";

// "Item data" is the node id; the rest is the tree's own bookkeeping.
constexpr int NodeIdRole = Qt::UserRole;
constexpr int TickImageRole = Qt::UserRole + 1;
constexpr int TickRole = Qt::UserRole + 2;
constexpr int FolderNameRole = Qt::UserRole + 3;

// Paths compare as Windows compares them: without regard to case, with or
// without a trailing backslash.
QString comparablePath(const QString &path)
{
    QString trimmed = path;
    const qsizetype driveRootLength = 3;  // "D:\"
    while (trimmed.size() > driveRootLength && trimmed.endsWith(u'\\'))
        trimmed.chop(1);
    return trimmed.toCaseFolded();
}

} // namespace

CKaisouTree::CKaisouTree(QWidget *parent)
    : QTreeWidget(parent)
{
}

CKaisouTree::~CKaisouTree() = default;

void CKaisouTree::BuildFolderTree(ImportSettings &settings)
{
    loadTickImages();
    m_root = {settings.m_strDataPath, RootDisplayName(settings.m_strDataPath), settings.m_nStd2012 != 0};
    if (!KoujiMaster::copyTemplate(settings.m_strProgramDir)) {
        ui::showMessage(this, KoujiMaster::TemplateCopyFailed.toString());
        return;
    }
    m_counter = PhotoFileCounter();
    m_nItemCounter = 1;
    try {
        m_master.open();
        if (!AddFolderLevel(nullptr, m_root.dataPath))
            settings.m_nTreeError = 1;
    } catch (const JETDAO::CDaoException &exception) {
        exception.ReportError();
    }
    m_master.close();
    // What the folders held is only good for this build.
    m_counter = PhotoFileCounter();
}

bool CKaisouTree::AddFolderLevel(QTreeWidgetItem *parent, const QString &path)
{
    const bool topCall = !parent;
    if (topCall) {
        const int photos = m_counter.CountPhotoFiles(path);
        m_master.setRootName(m_root.displayName);
        if (refuseLongName(m_root.displayName))
            return false;
        // Without a root node the folders cannot be written; the tree is
        // built all the same, so that the import can go on.
        m_bWriteNodes = m_master.CreateRootNode() == 1;
        parent = addRootItem(FolderItemText(m_root.displayName, photos));
    }

    const QStringList subfolders = m_counter.folder(path).subfolders;
    const int depth = GetFolderDepth(path);
    const int deepest = m_root.h24 ? DeepestListedDepthH24 : DeepestListedDepth;
    for (const QString &name : subfolders) {
        if (refuseLongName(name))
            return false;
        if (depth > deepest)
            continue;
        QString child = path;
        AppendPathPart(child, name);
        m_counter.clearSubfolderPhotos();
        int photos = m_counter.CountPhotoFiles(child);
        // The deepest shown level stands for everything below it.
        if (depth == deepest)
            photos += m_counter.subfolderPhotos();
        QTreeWidgetItem *item = addFolderItem(parent, name, photos, depth);
        writeNode(item);
        if (!AddFolderLevel(item, child))
            return false;
    }
    if (topCall)
        setCurrentItem(rootItem());
    return true;
}

QTreeWidgetItem *CKaisouTree::addRootItem(const QString &text)
{
    auto *item = new QTreeWidgetItem(this, {text});
    item->setData(0, FolderNameRole, m_root.displayName);
    item->setData(0, NodeIdRole, m_nItemCounter++);
    setTickImage(item, UpperLevelTicked, true);
    item->setExpanded(true);
    setCurrentItem(item);
    return item;
}

QTreeWidgetItem *CKaisouTree::addFolderItem(QTreeWidgetItem *parent, const QString &name, int photoCount,
                                            int listedDepth)
{
    auto *item = new QTreeWidgetItem(parent, {FolderItemText(name, photoCount)});
    item->setData(0, FolderNameRole, name);
    if (listedDepth < TickedBelowDepth)
        setTickImage(item, UpperLevelTicked, true);
    else
        setTickImage(item, DeeperLevelUnticked, false);
    item->setData(0, NodeIdRole, m_nItemCounter);
    if (listedDepth < ExpandedBelowDepth) {
        item->setExpanded(true);
        setCurrentItem(item);
    }
    return item;
}

void CKaisouTree::writeNode(const QTreeWidgetItem *item)
{
    // The node ids follow the items' ids only while every node is written.
    if (m_bWriteNodes && m_master.AddChildNode(nodeId(item->parent()), folderName(item)) == 0)
        m_bWriteNodes = false;
    ++m_nItemCounter;
}

bool CKaisouTree::refuseLongName(const QString &name)
{
    if (name.size() <= MaxFolderNameLength)
        return false;
    ui::showMessage(this, FolderNameTooLong.toString());
    return true;
}

QString CKaisouTree::GetItemFolderPath(const QTreeWidgetItem *item) const
{
    if (!item->parent())
        return m_root.dataPath;
    QString path = folderName(item);
    for (const QTreeWidgetItem *ancestor = item->parent(); ancestor->parent(); ancestor = ancestor->parent())
        path = folderName(ancestor) + u'\\' + path;
    return m_root.dataPath + u'\\' + path;
}

int CKaisouTree::GetFolderDepth(const QString &path) const
{
    return reader::GetFolderDepth(path, m_root);
}

QTreeWidgetItem *CKaisouTree::rootItem() const
{
    return topLevelItem(0);
}

QString CKaisouTree::folderName(const QTreeWidgetItem *item)
{
    return item->data(0, FolderNameRole).toString();
}

bool CKaisouTree::isTicked(const QTreeWidgetItem *item)
{
    return item->data(0, TickRole).toInt() == 1;
}

int CKaisouTree::tickImage(const QTreeWidgetItem *item)
{
    return item->data(0, TickImageRole).toInt();
}

int CKaisouTree::nodeId(const QTreeWidgetItem *item)
{
    return item->data(0, NodeIdRole).toInt();
}

void CKaisouTree::toggleItem(QTreeWidgetItem *item)
{
    setTickImage(item, tickImage(item) ^ 1, !isTicked(item));
    setCurrentItem(item);
    setFocus(Qt::MouseFocusReason);
}

QRect CKaisouTree::imageRect(const QTreeWidgetItem *item) const
{
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    option.rect = visualItemRect(item);
    option.features |= QStyleOptionViewItem::HasDecoration | QStyleOptionViewItem::HasDisplay;
    option.icon = item->icon(0);
    option.text = item->text(0);
    option.decorationSize = iconSize();
    return style()->subElementRect(QStyle::SE_ItemViewItemDecoration, &option, this);
}

bool CKaisouTree::tickPath(const QString &windowsPath)
{
    const QString wanted = comparablePath(windowsPath);
    for (QTreeWidgetItemIterator it(this); *it; ++it) {
        if (comparablePath(GetItemFolderPath(*it)) == wanted) {
            toggleItem(*it);
            return true;
        }
    }
    return false;
}

void CKaisouTree::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        const QPoint point = event->position().toPoint();
        QTreeWidgetItem *item = itemAt(point);
        if (item && imageRect(item).contains(point)) {
            toggleItem(item);
            event->accept();
            return;
        }
    }
    QTreeWidget::mousePressEvent(event);
}

void CKaisouTree::keyPressEvent(QKeyEvent *event)
{
    // The space bar ticks as a click on the image does, for keyboard users.
    if (event->key() == Qt::Key_Space && event->modifiers() == Qt::NoModifier && currentItem()) {
        toggleItem(currentItem());
        event->accept();
        return;
    }
    QTreeWidget::keyPressEvent(event);
}

void CKaisouTree::setTickImage(QTreeWidgetItem *item, int image, bool ticked)
{
    item->setData(0, TickImageRole, image);
    item->setData(0, TickRole, ticked ? 1 : 0);
    item->setIcon(0, m_images.value(image));
}

void CKaisouTree::loadTickImages()
{
    if (!m_images.isEmpty())
        return;
    QPixmap strip(QStringLiteral(":/reader/bitmap%1.xpm").arg(ids::hierarchy::TickImages));
    strip.setMask(strip.createMaskFromColor(Qt::white));
    for (int x = 0; x + ImageSize <= strip.width(); x += ImageSize)
        m_images.append(QIcon(strip.copy(x, 0, ImageSize, ImageSize)));
    setIconSize(QSize(ImageSize, ImageSize));
}

} // namespace reader
