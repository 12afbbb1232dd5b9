// bench-pathlength [FOLDER] [--sizes N,N,...]
//
// Times DeliveryWriter's destination page check of every photo's output
// path length on G_PHOTO.mdb databases of 10 000 and 100 000 photos in 100
// albums, each album's label read once through a stand-in for
// DNKoujiInfGet2. The databases are written into FOLDER (a temporary folder
// when none is given). CPU time is printed beside the wall-clock time.
#include "benchstopwatch.h"
#include "benchsupport.h"
#include "photopathlength.h"

#include "photodb/photodatabasewriter.h"
#include "platform/winpath.h"

#include <QDir>
#include <QFile>

#include <cstdio>

namespace {

const QList<int> DefaultSizes = {10000, 100000};
constexpr int Albums = 100;

bool writeDatabase(const QString &path, int photos)
{
    PhotoDatabaseWriter writer;
    if (!writer.create(path))
        return false;
    for (int serial = 1; serial <= photos; ++serial) {
        PhotoRecord record;
        record.serial = serial;
        record.fields[PhotoRecord::SerialText] = std::to_string(serial);
        record.fields[PhotoRecord::MajorClass] = "工事";
        record.fields[PhotoRecord::Category] = "施工状況写真";
        record.fields[PhotoRecord::WorkType] = "道路土工";
        record.fields[PhotoRecord::FileName] = "P" + std::to_string(serial) + ".JPG";
        record.fields[PhotoRecord::JapaneseFileName] = "掘削状況" + std::to_string(serial) + ".JPG";
        const std::string album =
            "D:\\本棚\\album" + std::to_string((serial - 1) * Albums / photos + 1) + "\\";
        if (!writer.add(record, album))
            return false;
    }
    return writer.commit();
}

bool measure(const QString &base, int photos)
{
    const QString file = QDir(base).filePath(QStringLiteral("G_PHOTO-%1.mdb").arg(photos));
    if (!QFile::exists(file) && !writeDatabase(file, photos)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
        return false;
    }
    const QString database = win::toWindowsPath(file);
    int labelReads = 0;
    const BenchStopwatch check;
    const std::optional<int> length = writer::findOverlongPhotoPath(
        database, QStringLiteral("D:\\納品\\出力"), {1, 0}, [&labelReads](const QString &) {
            ++labelReads;
            return QStringLiteral("第1回 掘削工");
        });
    const double wall = check.wall();
    const double cpu = check.cpu();
    if (length) {
        std::fprintf(stderr, "unexpected overlong path of %d\n", *length);
        return false;
    }
    std::printf("%8d %8d %10.3f %10.3f\n", photos, labelReads, wall, cpu);
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    bench::Bench bench(argc, argv);
    const QList<int> sizes = bench.sizes(DefaultSizes);
    const QString base = bench.folder();
    std::printf("%8s %8s %10s %10s\n", "photos", "labels", "check s", "check cpu");
    return bench.forEachSize(sizes, [&base](int photos) { return measure(base, photos); });
}
