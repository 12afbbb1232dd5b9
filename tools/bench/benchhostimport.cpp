// bench-hostimport [FOLDER] [--photos N]
//
// Times the host's import of a generated standard delivery of N photos
// (100 000, small image files) as tessera-host carries out G_INPUTXML.dat
// after DeliveryReader: G_PHOTO.mdb read, a new bookshelf of albums by
// count with its photos.db, the photos copied. Its MB/s is printed beside
// `cp -r` of the same photo folder. DNXmlRead's G_PHOTO.mdb is made first
// and not timed; a delivery an earlier run left in FOLDER is used again.
#include "benchstopwatch.h"
#include "benchsupport.h"

#include "deliveryimport.h"
#include "platform/fileops.h"
#include "platform/winpath.h"
#include "shelfimport.h"

#include <QDir>

#include <cstdio>

namespace {

constexpr int DefaultPhotos = 100000;
// The most photos per album the import wizard takes.
constexpr int PhotosPerAlbum = 800;
constexpr double BytesPerMb = 1e6;

bool measure(const QString &scratch, int photos)
{
    const QString delivery = scratch + QStringLiteral("/delivery-%1").arg(photos);
    if (!bench::ensureStandardDelivery(delivery, photos))
        return false;
    const BenchStopwatch reading;
    DeliveryImport read(win::toWindowsPath(delivery), 0);
    if (!read.run()) {
        std::fprintf(stderr, "DNXmlRead: %s\n", qPrintable(read.errorText()));
        return false;
    }
    std::printf("%-26s %7d photos %8.3f s (not in the import's time)\n", "DNXmlRead to G_PHOTO.mdb",
                photos, reading.wall());

    const QString root = scratch + QStringLiteral("/suite-%1").arg(photos);
    QDir(root).removeRecursively();
    QDir().mkpath(root);
    host::ImportSettings settings;
    settings.deliveryFolder = win::toWindowsPath(delivery);
    settings.size = PhotosPerAlbum;
    host::ImportSummary summary;
    QString error;
    const BenchStopwatch watch;
    if (!host::importDelivery(win::toWindowsPath(root), settings,
                              win::tempPath() + QStringLiteral("G_PHOTO.mdb"), &summary, &error)) {
        std::fprintf(stderr, "import: %s\n", qPrintable(error));
        return false;
    }
    const double seconds = watch.wall();
    const double mb = summary.bytes / BytesPerMb;
    std::printf("%-26s %7d photos %8.3f s  (cpu %.3f s)  %4d albums %7.1f MB  %7.1f MB/s\n",
                "import into a bookshelf", summary.photos, seconds, watch.cpu(), summary.albums,
                mb, mb / seconds);
    if (!bench::printCopyBeside("cp -r of the photos", {delivery + QStringLiteral("/PHOTO/PIC")},
                                scratch + QStringLiteral("/cp-%1").arg(photos), photos, mb))
        return false;
    std::fflush(stdout);
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    bench::Bench bench(argc, argv);
    const int photos = bench.photos(DefaultPhotos);
    const QString scratch = bench.folder();
    QDir().mkpath(scratch + QStringLiteral("/temp"));
    qputenv("TMP", QFile::encodeName(scratch + QStringLiteral("/temp")));
    if (photos <= 0 || !measure(scratch, photos))
        return 1;
    std::printf("peak memory %.1f MB\n", bench::peakKilobytes() / 1024.0);
    return 0;
}
