// bench-hostexport [FOLDER] [--photos N] [--image-photos M]
//
// Times the host's export of a generated bookshelf as tessera-host carries
// out G_OUTPUTXML.dat: G_PHOTO.mdb and photos.db read, INDEX_C.XML and
// PHOTO.XML written. Once with xml=1 on N photos (100 000: XML only), once
// with the small sample images on M photos (10 000), whose MB/s is printed
// beside `cp -r` of the same album folders.
#include "benchstopwatch.h"
#include "benchsupport.h"

#include "deliveryexport.h"
#include "exportsource.h"
#include "photomdbbuilder.h"
#include "platform/winpath.h"
#include "suitesample.h"

#include <QDir>

#include <cstdio>

namespace {

constexpr int DefaultPhotos = 100000;
constexpr int DefaultImagePhotos = 10000;
constexpr int PhotosPerAlbum = 1000;
constexpr double BytesPerMb = 1e6;

// A bookshelf of photos in albums of PhotosPerAlbum, with G_PHOTO.mdb of
// all of them in the temp folder.
bool makeBookshelf(const QString &root, int photos, bool files, QStringList *albumFolders)
{
    SuiteSample sample;
    sample.root = root;
    sample.albums = (photos + PhotosPerAlbum - 1) / PhotosPerAlbum;
    sample.photos = PhotosPerAlbum;
    sample.photoFiles = files;
    QString error;
    if (!sample.write(&error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return false;
    }
    const QString shelf = root + QStringLiteral("/shelves/shelf01");
    QList<workstree::ChosenAlbum> albums;
    for (int number = 1; number <= sample.albums; ++number) {
        const QString folder = shelf + QStringLiteral("/album%1").arg(number, 3, 10, QLatin1Char('0'));
        albumFolders->append(folder);
        albums.append({shelf, number, win::toWindowsPath(folder)});
    }
    if (workstree::buildPhotoDatabase(albums, &error) < 0) {
        std::fprintf(stderr, "G_PHOTO.mdb: %s\n", qPrintable(error));
        return false;
    }
    return true;
}

bool measure(const char *what, const QString &scratch, int photos, bool xmlOnly)
{
    const QString root = scratch + QStringLiteral("/suite-%1").arg(photos);
    QStringList albumFolders;
    if (!makeBookshelf(root, photos, !xmlOnly, &albumFolders))
        return false;
    host::OutputSettings settings;
    settings.standardCode = 25;
    settings.outputKind = host::OutputToFolder;
    settings.folder = win::toWindowsPath(scratch + QStringLiteral("/out-%1").arg(photos));
    settings.xmlOnly = xmlOnly;

    const BenchStopwatch watch;
    host::ExportSource source;
    QString error;
    if (!host::readExportSource(win::toWindowsPath(qEnvironmentVariable("TMP")) + u'\\'
                                    + QStringLiteral("G_PHOTO.mdb"),
                                &source, &error)) {
        std::fprintf(stderr, "%s: %s\n", what, qPrintable(error));
        return false;
    }
    const double readSeconds = watch.wall();
    host::DeliveryExport delivery(settings, source);
    if (!delivery.run()) {
        std::fprintf(stderr, "%s: %s\n", what, qPrintable(delivery.errorText()));
        return false;
    }
    const double seconds = watch.wall();
    const double mb = delivery.summary().bytes / BytesPerMb;
    std::printf("%-26s %7d photos %8.3f s  (cpu %.3f s, reading %.3f s)  %7.1f MB  %7.1f MB/s\n",
                what, delivery.summary().photos, seconds, watch.cpu(), readSeconds, mb,
                mb / seconds);
    if (!xmlOnly
        && !bench::printCopyBeside("cp -r of the albums", albumFolders,
                                   scratch + QStringLiteral("/cp-%1").arg(photos), photos, mb))
        return false;
    std::fflush(stdout);
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    bench::Bench bench(argc, argv);
    const int imagePhotos = bench.intOption(QStringLiteral("--image-photos"), DefaultImagePhotos);
    const int photos = bench.photos(DefaultPhotos);
    const QString scratch = bench.folder();
    QDir().mkpath(scratch + QStringLiteral("/temp"));
    qputenv("TMP", QFile::encodeName(scratch + QStringLiteral("/temp")));
    if (photos <= 0 || imagePhotos <= 0 || !measure("export xml=1", scratch, photos, true)
        || !measure("export with images", scratch, imagePhotos, false))
        return 1;
    std::printf("peak memory %.1f MB\n", bench::peakKilobytes() / 1024.0);
    return 0;
}
