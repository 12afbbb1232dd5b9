#pragma once

#include "photomdbbuilder.h"
#include "suiteshelves.h"

#include "ui/scripttickable.h"

#include <QList>
#include <QTreeWidget>

// The tree of bookshelves and their albums that the export wizard's album
// page shows: bookshelves as parents in the host's order, albums with check
// boxes. Only albums that may join a delivery of the selected bookshelf can
// be ticked; the others are shown disabled.
class WorksTreeView final : public QTreeWidget, public ui::ScriptTickable
{
public:
    // shelves as readSuiteShelves gives them; the albums of the selected
    // bookshelf named in albumNumbers start ticked.
    WorksTreeView(QWidget *parent, QList<workstree::ShelfEntry> shelves, int selectedShelf,
                  const QList<int> &albumNumbers);

    // The selected bookshelf; nullptr when the host named none that exists.
    const workstree::ShelfEntry *selectedShelf() const;
    // The ticked albums, in the order shown.
    QList<workstree::ChosenAlbum> chosenAlbums() const;

    // "label" or "bookshelf name\label": toggles the first such album that
    // can be ticked; a disabled album stays as it is. False when none is
    // shown.
    bool tickPath(const QString &text) override;

private:
    void addShelf(int shelfIndex, const QList<int> &albumNumbers);

    QList<workstree::ShelfEntry> m_shelves;
    int m_selected = -1;
};
