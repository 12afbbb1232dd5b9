// bench-workstree [FOLDER]
//
// Times the album tree library as the export wizard's album page calls it:
// CreateWorksTree over 100 bookshelves of 50 albums each, and CreatePhotoMdb
// of 100 000 photos in 100 ticked albums. The suite data is generated once
// into FOLDER (a temporary folder when none is given) and reused by later
// runs. Runs on Qt's offscreen platform; CPU time is printed beside the
// wall-clock time.
#include "benchstopwatch.h"
#include "benchsupport.h"

#include "suitesample.h"

#include "platform/suitelibrary.h"
#include "platform/winpath.h"
#include "suiteapi/workstreefunctions.h"
#include "ui/windowmessage.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QWidget>

#include <cstdio>

namespace {

constexpr int TreeShelves = 100;
constexpr int TreeAlbums = 50;
constexpr int PhotoAlbums = 100;
constexpr int PhotosPerAlbum = 1000;
// The page's tree rectangle at 96 dots per inch.
constexpr int Left = 48, Top = 60, Right = 720, Bottom = 448;

bool ensureSuite(const QString &folder, int shelves, int albums, int photos)
{
    if (QDir(folder).exists())
        return true;
    std::printf("generating %d bookshelves of %d albums of %d photos into %s ...\n", shelves,
                albums, photos, qPrintable(folder));
    SuiteSample sample;
    sample.root = folder;
    sample.shelves = shelves;
    sample.albums = albums;
    sample.photos = photos;
    // CreatePhotoMdb reads the databases only.
    sample.photoFiles = false;
    QString error;
    if (!sample.write(&error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return false;
    }
    return true;
}

// Collects the completion message CreatePhotoMdb posts.
class Page final : public QWidget
{
public:
    bool event(QEvent *event) override
    {
        if (event->type() == ui::WindowMessage::eventType())
            hasPhotos = static_cast<ui::WindowMessage *>(event)->wParam() != 0;
        return QWidget::event(event);
    }
    bool hasPhotos = false;
};

} // namespace

int main(int argc, char **argv)
{
    bench::Bench bench(argc, argv, bench::Application::Widgets);
    const QString folder = bench.folder();
    const QString treeSuite = QDir(folder).filePath(QStringLiteral("suite-tree"));
    const QString photoSuite = QDir(folder).filePath(QStringLiteral("suite-photos"));
    if (!ensureSuite(treeSuite, TreeShelves, TreeAlbums, 0)
        || !ensureSuite(photoSuite, 1, PhotoAlbums, PhotosPerAlbum))
        return 1;

    QTemporaryDir temp;
    win::mapDrive(QLatin1Char('D'), folder);
    win::mapDrive(QLatin1Char('T'), temp.path());
    qputenv("TMP", "T:\\");
    win::SuiteLibrary library;
    const std::optional<suiteapi::WorkstreeFunctions> workstree =
        library.load(QStringLiteral("workstree.dll"))
            ? suiteapi::WorkstreeFunctions::fromLibrary(library)
            : std::nullopt;
    if (!workstree) {
        std::fprintf(stderr, "workstree.dll cannot be loaded\n");
        return 1;
    }

    Page page;
    page.resize(Right + Left, Bottom + Top);
    QList<int> albums;
    for (int n = 1; n <= PhotoAlbums; ++n)
        albums.append(n);

    const std::u16string treeRoot = u"D:\\suite-tree";
    BenchStopwatch treeWatch;
    const int created = workstree->createWorksTree(treeRoot.c_str(), 0, albums.constData(),
                                                   TreeAlbums, Left, Top, Right, Bottom, &page, 0);
    bench::printTimed("CreateWorksTree, 100 x 50 albums", treeWatch);
    workstree->destoryWorksTree();

    const std::u16string photoRoot = u"D:\\suite-photos";
    workstree->createWorksTree(photoRoot.c_str(), 0, albums.constData(), int(albums.size()), Left,
                               Top, Right, Bottom, &page, 0);
    BenchStopwatch photoWatch;
    workstree->createPhotoMdb();
    bench::printTimed("CreatePhotoMdb, 100 000 photos in 100 albums", photoWatch);
    QCoreApplication::sendPostedEvents();
    workstree->destoryWorksTree();
    if (!created || !page.hasPhotos) {
        std::fprintf(stderr, "the tree or the photo database was not made\n");
        return 1;
    }
    return 0;
}
