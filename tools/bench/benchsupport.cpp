#include "benchsupport.h"

#include "benchstopwatch.h"

#include "deliverygenerator.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <sys/resource.h>

#include <cstdio>
#include <optional>

namespace bench {

namespace {

rusage ownUsage()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return usage;
}

// The value after option, taken out of arguments with it; nothing when
// option is not there.
std::optional<QString> takeValue(QStringList *arguments, const QString &option)
{
    const qsizetype at = arguments->indexOf(option);
    if (at < 0)
        return std::nullopt;
    const QString value = arguments->value(at + 1);
    arguments->remove(at, qMin<qsizetype>(2, arguments->size() - at));
    return value;
}

int takeNumber(QStringList *arguments, const QString &option, int fallback)
{
    const std::optional<QString> value = takeValue(arguments, option);
    return value ? value->toInt() : fallback;
}

} // namespace

double cpuSeconds()
{
    const rusage usage = ownUsage();
    const auto seconds = [](const timeval &t) { return t.tv_sec + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

long peakKilobytes()
{
    return ownUsage().ru_maxrss;
}

QList<int> takeSizes(QStringList *arguments, const QList<int> &defaults)
{
    const std::optional<QString> value = takeValue(arguments, QStringLiteral("--sizes"));
    if (!value)
        return defaults;
    QList<int> sizes;
    for (const QString &size : value->split(u','))
        sizes.append(size.toInt());
    return sizes;
}

int takePhotos(QStringList *arguments, int fallback)
{
    return takeNumber(arguments, QStringLiteral("--photos"), fallback);
}

QString deliveryFolder(const QStringList &arguments, const QTemporaryDir &scratch)
{
    return arguments.isEmpty() ? scratch.path() : QDir(arguments.first()).absolutePath();
}

bool generateStandardDelivery(const QString &folder, int photos)
{
    DeliveryGenerator generator(
        {photos, DeliveryOptions::Standard::Mlit, DeliveryOptions::Encoding::ShiftJis});
    if (!generator.generate(folder)) {
        std::fprintf(stderr, "%s\n", qPrintable(generator.errorText()));
        return false;
    }
    return true;
}

bool ensureStandardDelivery(const QString &folder, int photos,
                            const std::function<bool(const QString &, int)> &generate)
{
    if (QFileInfo::exists(folder + QStringLiteral("/PHOTO/PHOTO.XML")))
        return true;
    std::printf("(generating %d photos into %s)\n", photos, qPrintable(folder));
    std::fflush(stdout);
    return generate(folder, photos);
}

Bench::Bench(int &argc, char **argv, Application application)
{
    if (application == Application::Widgets) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        m_application = std::make_unique<QApplication>(argc, argv);
    } else {
        m_application = std::make_unique<QCoreApplication>(argc, argv);
    }
    m_arguments = QCoreApplication::arguments().mid(1);
}

Bench::~Bench() = default;

QList<int> Bench::sizes(const QList<int> &defaults)
{
    return takeSizes(&m_arguments, defaults);
}

int Bench::photos(int fallback)
{
    return takePhotos(&m_arguments, fallback);
}

int Bench::intOption(const QString &option, int fallback)
{
    return takeNumber(&m_arguments, option, fallback);
}

QString Bench::folder() const
{
    const QString folder = deliveryFolder(m_arguments, m_scratch);
    QDir().mkpath(folder);
    return folder;
}

int Bench::forEachSize(const QList<int> &sizes, const std::function<bool(int)> &work) const
{
    for (const int size : sizes) {
        const bool done = size > 0 && work(size);
        std::fflush(stdout);
        if (!done) {
            std::fprintf(stderr, "%s: %d failed\n",
                         qPrintable(QCoreApplication::applicationName()), size);
            return 1;
        }
    }
    return 0;
}

void printTimed(const char *what, const BenchStopwatch &watch)
{
    std::printf("%-44s %8.3f s  (cpu %.3f s)\n", what, watch.wall(), watch.cpu());
}

namespace {

// Wall seconds `cp -r` takes to copy the folders into target (made
// afresh): the measure a copying step is set beside. Negative when cp
// fails.
double copySeconds(const QStringList &folders, const QString &target)
{
    QDir(target).removeRecursively(); // a copy of an earlier run would be overwritten
    QDir().mkpath(target);
    QElapsedTimer timer;
    timer.start();
    if (QProcess::execute(QStringLiteral("cp"), QStringList{QStringLiteral("-r")} + folders + QStringList{target})
        != 0)
        return -1;
    return timer.nsecsElapsed() / 1e9;
}

} // namespace

bool printCopyBeside(const char *what, const QStringList &folders, const QString &target,
                     int photos, double mb)
{
    const double seconds = copySeconds(folders, target);
    if (seconds < 0)
        return false;
    std::printf("%-26s %7d photos %8.3f s                %7.1f MB/s\n", what, photos, seconds,
                mb / seconds);
    return true;
}

} // namespace bench
