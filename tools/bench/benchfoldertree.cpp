// bench-foldertree [FOLDER] [--photos N]
//
// Times the album hierarchy page on a government-building delivery of
// 100 000 photos (some 7 500 folders, seven levels deep): building the
// folder tree with its KOUJIMASTER.MDB in both editions' modes, and
// planning the albums with only the root folder ticked. The delivery is
// generated once into FOLDER (a temporary folder when none is given) and
// reused by later runs. Runs on Qt's offscreen platform; CPU time is
// printed beside the wall-clock time.
#include "benchstopwatch.h"
#include "benchsupport.h"
#include "ckaisoutree.h"
#include "folderalbumplanner.h"
#include "importsettings.h"

#include "eizengenerator.h"
#include "platform/winpath.h"
#include "ui/queuedanswerer.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QTemporaryDir>
#include <QTreeWidgetItemIterator>

#include <cstdio>
#include <functional>

namespace {

constexpr int DefaultPhotos = 100000;
constexpr char DeliveryName[] = "eizen";

void timed(const char *what, const std::function<void()> &work)
{
    const BenchStopwatch watch;
    work();
    bench::printTimed(what, watch);
}

int folderCount(const QString &folder)
{
    int folders = 0;
    QDirIterator it(folder, QDir::Dirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        ++folders;
    }
    return folders;
}

bool ensureDelivery(const QString &folder, int photos)
{
    if (QDir(folder).exists())
        return true;
    std::printf("generating %d photos into %s ...\n", photos, qPrintable(folder));
    EizenOptions options;
    options.photos = photos;
    EizenGenerator generator(options);
    if (!generator.generate(folder)) {
        std::fprintf(stderr, "%s\n", qPrintable(generator.errorText()));
        return false;
    }
    return true;
}

void tickRootOnly(reader::CKaisouTree &tree)
{
    for (QTreeWidgetItemIterator it(&tree); *it; ++it) {
        if (reader::CKaisouTree::isTicked(*it) != (*it == tree.rootItem()))
            tree.toggleItem(*it);
    }
}

void run(reader::ImportSettings &settings, bool h24)
{
    settings.m_nStd2012 = h24 ? 1 : 0;
    settings.m_nStd2002 = h24 ? 0 : 1;
    reader::CKaisouTree tree;
    const char *mode = h24 ? "H24" : "standard";
    timed(qPrintable(QStringLiteral("build tree, %1 mode").arg(QLatin1String(mode))),
          [&] { tree.BuildFolderTree(settings); });
    int items = 0;
    for (QTreeWidgetItemIterator it(&tree); *it; ++it)
        ++items;
    std::printf("    %d items shown\n", items);

    tickRootOnly(tree);
    reader::FolderAlbumPlanner planner(settings, tree);
    reader::FolderAlbumPlanner::Result result = reader::FolderAlbumPlanner::Result::Planned;
    timed(qPrintable(QStringLiteral("plan albums, root ticked, %1 mode").arg(QLatin1String(mode))),
          [&] { result = planner.PlanFolderAlbums(); });
    if (result == reader::FolderAlbumPlanner::Result::Planned) {
        std::printf("    %d albums, %d photos\n", settings.m_nAlbumNum, settings.m_nPhotoCount);
    } else {
        std::printf("    refused: more than %d folders in one album\n", reader::MaxAlbumFolders);
    }
}

} // namespace

int main(int argc, char **argv)
{
    bench::Bench bench(argc, argv, bench::Application::Widgets);
    const int photos = bench.photos(DefaultPhotos);
    if (photos <= 0) {
        std::fprintf(stderr, "usage: bench-foldertree [FOLDER] [--photos N]\n");
        return 2;
    }

    const QString folder = bench.folder();
    const QString delivery = QDir(folder).filePath(QStringLiteral("%1-%2").arg(QLatin1String(DeliveryName)).arg(photos));
    if (!ensureDelivery(delivery, photos))
        return 1;
    std::printf("%d photos in %d folders\n", photos, folderCount(delivery));

    // The delivery on D:, the temp folder on T:, KOUJIMASTER beside this
    // program on P:. Messages are logged, never shown.
    QTemporaryDir temp;
    win::mapDrive(QLatin1Char('D'), folder);
    win::mapDrive(QLatin1Char('T'), temp.path());
    win::mapDrive(QLatin1Char('P'), QCoreApplication::applicationDirPath());
    qputenv("TMP", "T:\\");
    ui::QueuedAnswerer answerer;

    reader::ImportSettings settings;
    settings.m_strProgramDir = QStringLiteral("P:\\");
    settings.m_strDataPath = QStringLiteral("D:\\%1-%2").arg(QLatin1String(DeliveryName)).arg(photos);
    run(settings, false);
    run(settings, true);
    for (const ui::MessageBoxRequest &box : answerer.messageBoxes())
        std::printf("message: %s\n", qPrintable(box.text));
    return answerer.messageBoxes().isEmpty() ? 0 : 1;
}
