#include "workstreeview.h"

#include <QHeaderView>

namespace {
// Where an album item keeps the indexes of its bookshelf and album.
constexpr int ShelfRole = Qt::UserRole;
constexpr int AlbumRole = Qt::UserRole + 1;
} // namespace

WorksTreeView::WorksTreeView(QWidget *parent, QList<workstree::ShelfEntry> shelves,
                             int selectedShelf, const QList<int> &albumNumbers)
    : QTreeWidget(parent),
      m_shelves(std::move(shelves))
{
    setHeaderHidden(true);
    setColumnCount(1);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    for (qsizetype n = 0; n < m_shelves.size(); ++n) {
        if (m_shelves.at(n).profileNumber == selectedShelf)
            m_selected = int(n);
    }
    // Building the items detached and adding them at once keeps a tree of
    // thousands of albums quick to create.
    for (int n = 0; n < int(m_shelves.size()); ++n)
        addShelf(n, albumNumbers);
    expandAll();
}

void WorksTreeView::addShelf(int shelfIndex, const QList<int> &albumNumbers)
{
    const workstree::ShelfEntry &shelf = m_shelves.at(shelfIndex);
    const workstree::ShelfEntry *selected = selectedShelf();
    auto *shelfItem = new QTreeWidgetItem(QStringList{shelf.name});
    const bool shelfUsable = workstree::shelfChoosable(shelf, selected);
    shelfItem->setFlags(shelfUsable ? Qt::ItemIsEnabled : Qt::NoItemFlags);
    QList<QTreeWidgetItem *> albumItems;
    albumItems.reserve(shelf.albums.size());
    for (int n = 0; n < int(shelf.albums.size()); ++n) {
        const workstree::AlbumEntry &album = shelf.albums.at(n);
        auto *item = new QTreeWidgetItem(QStringList{album.label});
        item->setData(0, ShelfRole, shelfIndex);
        item->setData(0, AlbumRole, n);
        const bool usable = workstree::albumChoosable(shelf, album, selected);
        item->setFlags(usable ? Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable
                              : Qt::NoItemFlags);
        const bool ticked =
            usable && shelfIndex == m_selected && albumNumbers.contains(album.number);
        item->setCheckState(0, ticked ? Qt::Checked : Qt::Unchecked);
        albumItems.append(item);
    }
    shelfItem->addChildren(albumItems);
    addTopLevelItem(shelfItem);
}

const workstree::ShelfEntry *WorksTreeView::selectedShelf() const
{
    return m_selected >= 0 ? &m_shelves.at(m_selected) : nullptr;
}

QList<workstree::ChosenAlbum> WorksTreeView::chosenAlbums() const
{
    QList<workstree::ChosenAlbum> chosen;
    for (int top = 0; top < topLevelItemCount(); ++top) {
        const QTreeWidgetItem *shelfItem = topLevelItem(top);
        for (int n = 0; n < shelfItem->childCount(); ++n) {
            const QTreeWidgetItem *item = shelfItem->child(n);
            // A disabled album can hold no tick the user could see.
            if (item->checkState(0) != Qt::Checked || !(item->flags() & Qt::ItemIsEnabled))
                continue;
            const workstree::ShelfEntry &shelf = m_shelves.at(item->data(0, ShelfRole).toInt());
            const workstree::AlbumEntry &album = shelf.albums.at(item->data(0, AlbumRole).toInt());
            chosen.append({shelf.hostFolder, album.number, album.folder});
        }
    }
    return chosen;
}

bool WorksTreeView::tickPath(const QString &text)
{
    const qsizetype separator = text.lastIndexOf(u'\\');
    const QString shelfName = separator >= 0 ? text.left(separator) : QString();
    const QString label = separator >= 0 ? text.mid(separator + 1) : text;
    QTreeWidgetItem *found = nullptr;
    for (int top = 0; top < topLevelItemCount(); ++top) {
        QTreeWidgetItem *shelfItem = topLevelItem(top);
        if (separator >= 0 && shelfItem->text(0) != shelfName)
            continue;
        for (int n = 0; n < shelfItem->childCount(); ++n) {
            QTreeWidgetItem *item = shelfItem->child(n);
            if (item->text(0) != label)
                continue;
            if (item->flags() & Qt::ItemIsEnabled) {
                item->setCheckState(0, item->checkState(0) == Qt::Checked ? Qt::Unchecked
                                                                          : Qt::Checked);
                return true;
            }
            if (!found)
                found = item;
        }
    }
    return found != nullptr;
}
