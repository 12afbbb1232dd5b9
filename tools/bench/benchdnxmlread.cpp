// bench-dnxmlread [FOLDER] [--sizes N,N,...]
//
// Times DNXmlRead on generated deliveries of 1 000, 10 000 and 100 000
// photos and prints photos per second and peak memory. The deliveries are
// generated once into FOLDER (a temporary folder when none is given) and
// reused by later runs. Generation and each read run in child processes of
// their own, so that a read's peak memory is its own and not the
// generator's. CPU time is printed beside the wall-clock time: on a busy
// machine it is the steadier of the two.
#include "benchstopwatch.h"
#include "benchsupport.h"

#include "platform/winpath.h"
#include "suiteapi/worksdata.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>

#include <cstdio>

namespace {

const QList<int> DefaultSizes = {1000, 10000, 100000};
constexpr char ReadMode[] = "--read";
constexpr char GenerateMode[] = "--generate";

bool runChild(const QStringList &arguments, QByteArray *output)
{
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(), arguments);
    if (!child.waitForFinished(-1) || child.exitStatus() != QProcess::NormalExit
        || child.exitCode() != 0)
        return false;
    *output = child.readAllStandardOutput();
    return true;
}

// Child: reads one delivery and prints "seconds cpuSeconds peakKB startKB".
int readDelivery(const QString &delivery, const QString &temp)
{
    qputenv("TMP", QFile::encodeName(temp));
    const QString root = win::toWindowsPath(delivery);
    if (root.isEmpty()) {
        std::fprintf(stderr, "no drive maps %s\n", qPrintable(delivery));
        return 1;
    }
    const long startPeak = bench::peakKilobytes();
    const BenchStopwatch watch;
    const int read = DNXmlRead(reinterpret_cast<const char16_t *>(root.utf16()), 1);
    const double seconds = watch.wall();
    const double cpuSeconds = watch.cpu();
    if (!read) {
        std::fprintf(stderr, "DNXmlRead failed on %s\n", qPrintable(root));
        return 1;
    }
    std::printf("%.6f %.6f %ld %ld\n", seconds, cpuSeconds, bench::peakKilobytes(), startPeak);
    return 0;
}

bool generateInChild(const QString &folder, int photos)
{
    QByteArray output;
    return runChild({QLatin1String(GenerateMode), folder, QString::number(photos)}, &output);
}

bool measure(const QString &base, int photos)
{
    const QString delivery = base + QStringLiteral("/photos-%1").arg(photos);
    const QString temp = base + QStringLiteral("/temp-%1").arg(photos);
    if (!bench::ensureStandardDelivery(delivery, photos, generateInChild) || !QDir().mkpath(temp))
        return false;

    QByteArray output;
    if (!runChild({QLatin1String(ReadMode), delivery, temp}, &output))
        return false;
    const QStringList fields = QString::fromLatin1(output).simplified().split(u' ');
    if (fields.size() != 4)
        return false;
    const double seconds = fields[0].toDouble();
    const double xmlMb = QFileInfo(delivery + QStringLiteral("/PHOTO/PHOTO.XML")).size() / 1e6;
    const long peakKb = fields[2].toLong();
    std::printf("%8d %8.1f %8.3f %8.3f %10.0f %8.1f %8.1f\n", photos, xmlMb, seconds,
                fields[1].toDouble(), photos / seconds, peakKb / 1024.0,
                (peakKb - fields[3].toLong()) / 1024.0);
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    bench::Bench bench(argc, argv);
    const QStringList &arguments = bench.arguments();
    if (arguments.size() == 3 && arguments.first() == QLatin1String(ReadMode))
        return readDelivery(arguments[1], arguments[2]);
    if (arguments.size() == 3 && arguments.first() == QLatin1String(GenerateMode))
        return bench::generateStandardDelivery(arguments[1], arguments[2].toInt()) ? 0 : 1;

    const QList<int> sizes = bench.sizes(DefaultSizes);
    const QString base = bench.folder();
    std::printf("%8s %8s %8s %8s %10s %8s %8s\n", "photos", "XML MB", "wall s", "cpu s", "photos/s",
                "peak MB", "read MB");
    return bench.forEachSize(sizes, [&base](int photos) { return measure(base, photos); });
}
