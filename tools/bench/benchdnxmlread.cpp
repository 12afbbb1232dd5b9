// bench-dnxmlread [FOLDER] [--sizes N,N,...]
//
// Times DNXmlRead on generated deliveries of 1 000, 10 000 and 100 000
// photos and prints photos per second and peak memory. The deliveries are
// generated once into FOLDER (a temporary folder when none is given) and
// reused by later runs. Generation and each read run in child processes of
// their own, so that a read's peak memory is its own and not the
// generator's. CPU time is printed beside the wall-clock time: on a busy
// machine it is the steadier of the two.
#include "deliverygenerator.h"

#include "platform/winpath.h"
#include "suite/worksdata.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <sys/resource.h>

#include <cstdio>

namespace {

const QList<int> DefaultSizes = {1000, 10000, 100000};
constexpr char ReadMode[] = "--read";
constexpr char GenerateMode[] = "--generate";

struct Usage
{
    long peakKilobytes;
    double cpuSeconds;
};

Usage usage()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval &t) { return t.tv_sec + t.tv_usec / 1e6; };
    return {usage.ru_maxrss, seconds(usage.ru_utime) + seconds(usage.ru_stime)};
}

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

// Child: makes one delivery.
int generateDelivery(const QString &folder, int photos)
{
    DeliveryGenerator generator(
        {photos, DeliveryOptions::Standard::Mlit, DeliveryOptions::Encoding::ShiftJis});
    if (!generator.generate(folder)) {
        std::fprintf(stderr, "%s\n", qPrintable(generator.errorText()));
        return 1;
    }
    return 0;
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
    const Usage start = usage();
    QElapsedTimer timer;
    timer.start();
    const int read = DNXmlRead(reinterpret_cast<const char16_t *>(root.utf16()), 1);
    const double seconds = timer.nsecsElapsed() / 1e9;
    const Usage end = usage();
    if (!read) {
        std::fprintf(stderr, "DNXmlRead failed on %s\n", qPrintable(root));
        return 1;
    }
    std::printf("%.6f %.6f %ld %ld\n", seconds, end.cpuSeconds - start.cpuSeconds,
                end.peakKilobytes, start.peakKilobytes);
    return 0;
}

bool ensureDelivery(const QString &folder, int photos)
{
    if (QFileInfo::exists(folder + QStringLiteral("/PHOTO/PHOTO.XML")))
        return true;
    std::printf("(generating %d photos into %s)\n", photos, qPrintable(folder));
    std::fflush(stdout);
    QByteArray output;
    return runChild({QLatin1String(GenerateMode), folder, QString::number(photos)}, &output);
}

bool measure(const QString &base, int photos)
{
    const QString delivery = base + QStringLiteral("/photos-%1").arg(photos);
    const QString temp = base + QStringLiteral("/temp-%1").arg(photos);
    if (!ensureDelivery(delivery, photos) || !QDir().mkpath(temp))
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
    std::fflush(stdout);
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QStringList arguments = QCoreApplication::arguments().mid(1);
    if (arguments.size() == 3 && arguments.first() == QLatin1String(ReadMode))
        return readDelivery(arguments[1], arguments[2]);
    if (arguments.size() == 3 && arguments.first() == QLatin1String(GenerateMode))
        return generateDelivery(arguments[1], arguments[2].toInt());

    QList<int> sizes = DefaultSizes;
    if (const qsizetype at = arguments.indexOf(QStringLiteral("--sizes"));
        at >= 0 && at + 1 < arguments.size()) {
        sizes.clear();
        for (const QString &size : arguments[at + 1].split(u','))
            sizes.append(size.toInt());
        arguments.remove(at, 2);
    }
    QTemporaryDir scratch;
    const QString base =
        arguments.isEmpty() ? scratch.path() : QDir(arguments.first()).absolutePath();

    std::printf("%8s %8s %8s %8s %10s %8s %8s\n", "photos", "XML MB", "wall s", "cpu s", "photos/s",
                "peak MB", "read MB");
    for (const int photos : sizes) {
        if (photos <= 0 || !measure(base, photos)) {
            std::fprintf(stderr, "bench-dnxmlread: %d photos failed\n", photos);
            return 1;
        }
    }
    return 0;
}
