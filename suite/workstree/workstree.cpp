// The suite's album tree library, "workstree.dll": the tree of bookshelves
// and albums on the export wizard's album page and the G_PHOTO.mdb of the
// albums ticked in it.
#include "suiteapi/workstree.h"

#include "photomdbbuilder.h"
#include "suiteshelves.h"
#include "workstreeview.h"

#include "platform/computername.h"
#include "ui/controls.h"
#include "ui/windowmessage.h"

#include <QGuiApplication>
#include <QPointer>

namespace {

// Message 2025: the photo database is built.
constexpr unsigned PhotoMdbBuiltMessage = ui::UserMessage + 1001;

// The one tree of the process, as the page creates it once per run.
struct TreeState
{
    QPointer<QWidget> parent;
    QPointer<WorksTreeView> view;
    int otherData = 0;
};

TreeState &state()
{
    static TreeState tree;
    return tree;
}

} // namespace

extern "C" {

int CreateWorksTree(const char16_t *dataFolder, int shelfNumber, const int *albumNumbers,
                    int albumCount, int left, int top, int right, int bottom,
                    void *parentWindow, int)
{
    auto *parent = static_cast<QWidget *>(parentWindow);
    if (!parent || !dataFolder)
        return 0;
    DestoryWorksTree();
    QList<int> selectedAlbums;
    for (int n = 0; albumNumbers && n < albumCount; ++n)
        selectedAlbums.append(albumNumbers[n]);

    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    auto *view = new WorksTreeView(
        parent, workstree::readSuiteShelves(QString::fromUtf16(dataFolder), win::computerName()),
        shelfNumber, selectedAlbums);
    QGuiApplication::restoreOverrideCursor();
    ui::setControlId(view, suiteapi::WorksTreeControlId);
    view->setGeometry(left, top, right - left, bottom - top);
    view->show();

    TreeState &tree = state();
    tree.parent = parent;
    tree.view = view;
    const workstree::ShelfEntry *selected = view->selectedShelf();
    tree.otherData = selected && selected->info.otherData ? 1 : 0;
    return 1;
}

void CreatePhotoMdb()
{
    TreeState &tree = state();
    int photos = 0;
    if (tree.view) {
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        QString error;
        photos = workstree::buildPhotoDatabase(tree.view->chosenAlbums(), &error);
        QGuiApplication::restoreOverrideCursor();
        if (photos < 0)
            qWarning("workstree: %s", qUtf8Printable(error));
    }
    // A failed build leaves no database: the page hears "no photos".
    if (tree.parent)
        ui::postMessage(tree.parent, PhotoMdbBuiltMessage, photos > 0 ? 1 : 0, 0);
}

int GetOtherData()
{
    return state().otherData;
}

void SetOtherData(int flag)
{
    state().otherData = flag ? 1 : 0;
}

void DestoryWorksTree()
{
    TreeState &tree = state();
    delete tree.view.data();
    tree.view = nullptr;
    tree.parent = nullptr;
}

} // extern "C"
