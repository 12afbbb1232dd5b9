#include "benchsupport.h"

#include "deliverygenerator.h"

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
    const std::optional<QString> value = takeValue(arguments, QStringLiteral("--photos"));
    return value ? value->toInt() : fallback;
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

} // namespace bench
