// bench-writerphotolist [FOLDER] [--sizes N,N,...]
//
// Times DeliveryWriter's photo information page on G_PHOTO.mdb of 10 000
// and 100 000 photos: worksdata's DNXmlRead leaves the database of a
// generated delivery in a temp folder (the table the page reads is the same
// as the one workstree builds for the export), then FillPhotoList reads it
// and fills the list of a CDialog3 (category 8 with Japanese names: all
// fourteen columns) on the offscreen platform unless QT_QPA_PLATFORM says
// otherwise. The deliveries are generated into FOLDER (a temporary folder
// when none is given) and reused by later runs.
#include "benchstopwatch.h"
#include "benchsupport.h"
#include "cdialog3.h"
#include "exportsettings.h"

#include "platform/winpath.h"
#include "suiteapi/worksdata.h"

#include <QDir>

#include <cstdio>

namespace {

const QList<int> DefaultSizes = {10000, 100000};
// The category with every optional column.
constexpr int AllColumnsCategory = 8;

bool measure(const QString &base, int photos)
{
    const QString delivery = base + QStringLiteral("/photos-%1").arg(photos);
    const QString temp = base + QStringLiteral("/writer-temp-%1").arg(photos);
    if (!bench::ensureStandardDelivery(delivery, photos) || !QDir().mkpath(temp))
        return false;
    qputenv("TMP", QFile::encodeName(temp));
    const QString root = win::toWindowsPath(delivery);
    if (root.isEmpty() || !DNXmlRead(reinterpret_cast<const char16_t *>(root.utf16()), 1)) {
        std::fprintf(stderr, "DNXmlRead failed on %s\n", qPrintable(delivery));
        return false;
    }

    writer::ExportSettings settings;
    settings.m_nPhotoStandard = AllColumnsCategory;
    settings.m_nJapaneseNames = 1;
    writer::CDialog3 page(settings);
    const BenchStopwatch fill;
    if (page.FillPhotoList() != 1)
        return false;
    const double fillWall = fill.wall();
    const double fillCpu = fill.cpu();

    const BenchStopwatch paint;
    page.show();
    page.repaint();
    const double paintWall = paint.wall();

    std::printf("%8d %10.3f %10.3f %10.3f\n", photos, fillWall, fillCpu, paintWall);
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    bench::Bench bench(argc, argv, bench::Application::Widgets);
    const QList<int> sizes = bench.sizes(DefaultSizes);
    const QString base = bench.folder();
    std::printf("%8s %10s %10s %10s\n", "photos", "fill s", "fill cpu", "paint s");
    return bench.forEachSize(sizes, [&base](int photos) { return measure(base, photos); });
}
