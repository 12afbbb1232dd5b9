// bench-deliverycheck [FOLDER] [--photos N]
//
// Times `tessera-host check` on a standard delivery of 100 000 photos:
// once without decoding the images (structure, grammar and items: the
// folder listed, both XML files validated and every item checked) and
// once with every photo and drawing decoded through Qt's image reader. The
// delivery is generated once into FOLDER (a temporary folder when none is
// given) and reused by later runs. CPU time is printed beside the
// wall-clock time, and the peak memory at the end.
#include "benchstopwatch.h"
#include "benchsupport.h"

#include "deliverychecker.h"
#include "platform/winpath.h"

#include <QFileInfo>

#include <cstdio>

namespace {

constexpr int DefaultPhotos = 100000;

bool measure(const char *what, const QString &root, int photos, bool decode)
{
    deliverycheck::DeliveryChecker::Options options;
    options.decodeImages = decode;
    const BenchStopwatch watch;
    const deliverycheck::CheckReport report = deliverycheck::DeliveryChecker(options).check(root);
    const double seconds = watch.wall();
    if (report.outcome() != deliverycheck::CheckReport::Outcome::Passed) {
        std::fprintf(stderr, "%s: the generated delivery did not pass (%d errors)\n", what,
                     report.count(deliverycheck::Level::Error));
        return false;
    }
    std::printf("%-28s %8.3f s  (cpu %.3f s)  %9.0f photos/s  %d findings\n", what, seconds,
                watch.cpu(), photos / seconds, int(report.findings().size()));
    std::fflush(stdout);
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    bench::Bench bench(argc, argv);
    const int photos = bench.photos(DefaultPhotos);
    const QString folder = bench.folder() + QStringLiteral("/check-%1").arg(photos);
    if (photos <= 0 || !bench::ensureStandardDelivery(folder, photos))
        return 1;
    const QString root = win::toWindowsPath(folder);
    if (root.isEmpty()) {
        std::fprintf(stderr, "no drive maps %s\n", qPrintable(folder));
        return 1;
    }
    const double xmlMb = QFileInfo(folder + QStringLiteral("/PHOTO/PHOTO.XML")).size() / 1e6;
    std::printf("%d photos, PHOTO.XML %.1f MB\n", photos, xmlMb);
    if (!measure("check without image decode", root, photos, false)
        || !measure("check with image decode", root, photos, true))
        return 1;
    std::printf("peak memory %.1f MB\n", bench::peakKilobytes() / 1024.0);
    return 0;
}
