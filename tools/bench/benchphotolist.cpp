// bench-photolist [FOLDER] [--sizes N,N,...]
//
// Times DeliveryReader's photo information page on generated deliveries of
// 10 000 and 100 000 photos: DNXmlRead leaves G_PHOTO.mdb in a temp folder
// of the delivery's own, then FillPhotoList lists it on a CDialog3 (on the
// offscreen platform unless QT_QPA_PLATFORM says otherwise) and the page is
// painted once, as the user first sees it; leaving the page by Next builds
// KOUJIMASTER.MDB from the delivery's classifications. The deliveries are generated
// into FOLDER (a temporary folder when none is given) and reused by later
// runs. CPU time is printed beside the wall-clock time: on a busy machine
// it is the steadier of the two.
#include "benchstopwatch.h"
#include "benchsupport.h"
#include "cdialog3.h"
#include "importsettings.h"

#include "gxtemp.h"
#include "platform/winpath.h"
#include "suiteapi/worksdata.h"

#include <QCoreApplication>
#include <QDir>

#include <cstdio>
#include <optional>

namespace {

const QList<int> DefaultSizes = {10000, 100000};

// DNXmlRead of the delivery into the temp folder; the standard's name from
// GXTemp, nothing when the read failed.
std::optional<QString> readDelivery(const QString &delivery, double *seconds)
{
    const QString root = win::toWindowsPath(delivery);
    const BenchStopwatch read;
    if (root.isEmpty() || !DNXmlRead(reinterpret_cast<const char16_t *>(root.utf16()), 1)) {
        std::fprintf(stderr, "DNXmlRead failed on %s\n", qPrintable(delivery));
        return std::nullopt;
    }
    *seconds = read.wall();
    GXTemp file;
    GXTemp::Line line;
    if (!file.open() || !file.readLine(&line))
        return std::nullopt;
    return line.value;
}

bool measure(const QString &base, int photos)
{
    const QString delivery = base + QStringLiteral("/photos-%1").arg(photos);
    const QString temp = base + QStringLiteral("/temp-%1").arg(photos);
    if (!bench::ensureStandardDelivery(delivery, photos) || !QDir().mkpath(temp))
        return false;
    qputenv("TMP", QFile::encodeName(temp));

    double readSeconds = 0;
    const std::optional<QString> standardName = readDelivery(delivery, &readSeconds);
    if (!standardName)
        return false;

    reader::ImportSettings settings;
    settings.m_strStandardName = *standardName;
    settings.m_strProgramDir = win::toWindowsPath(QCoreApplication::applicationDirPath());
    reader::CDialog3 page(settings);
    const BenchStopwatch fill;
    if (page.FillPhotoList() != 1)
        return false;
    const double fillWall = fill.wall();
    const double fillCpu = fill.cpu();

    const BenchStopwatch paint;
    page.show();
    page.repaint();
    const double paintWall = paint.wall();

    const BenchStopwatch next;
    if (page.onWizardNext() != 0)
        return false;
    const double nextWall = next.wall();

    std::printf("%8d %10.3f %10.3f %10.3f %10.3f %10.3f\n", photos, readSeconds, fillWall, fillCpu,
                paintWall, nextWall);
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    bench::Bench bench(argc, argv, bench::Application::Widgets);
    const QList<int> sizes = bench.sizes(DefaultSizes);
    const QString base = bench.folder();
    std::printf("%8s %10s %10s %10s %10s %10s\n", "photos", "read s", "fill s", "fill cpu",
                "paint s", "next s");
    return bench.forEachSize(sizes, [&base](int photos) { return measure(base, photos); });
}
