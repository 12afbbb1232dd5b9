#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

class QTemporaryDir;

// What the benchmarks share: their command line, the folder that keeps the
// generated deliveries, and this process's use of CPU and memory.
namespace bench {

// User and system CPU seconds this process has used so far.
double cpuSeconds();
// The most memory this process has held at once, in kilobytes.
long peakKilobytes();

// "--sizes N,N,..." taken out of arguments; defaults when it is not there.
QList<int> takeSizes(QStringList *arguments, const QList<int> &defaults);
// "--photos N" taken out of arguments; fallback when it is not there, 0
// when N is not a number.
int takePhotos(QStringList *arguments, int fallback);
// The FOLDER left in arguments, made absolute; scratch when none is given.
QString deliveryFolder(const QStringList &arguments, const QTemporaryDir &scratch);

// A standard delivery (MLIT, Shift_JIS) of the given photos; the
// generator's error on stderr when it fails.
bool generateStandardDelivery(const QString &folder, int photos);
// Generating takes far longer than reading, so a standard delivery that an
// earlier run left in folder is used again; generate makes a missing one.
bool ensureStandardDelivery(const QString &folder, int photos,
                            const std::function<bool(const QString &, int)> &generate
                            = generateStandardDelivery);

// Wall seconds `cp -r` takes to copy the folders into target (made
// afresh): the measure a copying step is set beside. Negative when cp
// fails.
double copySeconds(const QStringList &folders, const QString &target);

} // namespace bench
