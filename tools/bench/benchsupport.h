#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <functional>
#include <memory>

class BenchStopwatch;
class QCoreApplication;

// What the benchmarks share: their application and command line, the folder
// that keeps the generated deliveries, this process's use of CPU and memory,
// and how a timed step is printed.
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

// The application a bench runs in.
enum class Application {
    Core,
    // Widgets, on Qt's offscreen platform unless QT_QPA_PLATFORM names another.
    Widgets,
};

// What every bench's main() does around its own work, made first thing:
// the application, the command line (FOLDER, --sizes, --photos and the
// like) and a scratch folder for the run.
class Bench final
{
public:
    Bench(int &argc, char **argv, Application application = Application::Core);
    ~Bench();
    Q_DISABLE_COPY_MOVE(Bench)

    // The arguments not taken yet, the program's name left out.
    const QStringList &arguments() const { return m_arguments; }
    // "--sizes N,N,..." taken; defaults when it is not there.
    QList<int> sizes(const QList<int> &defaults);
    // "--photos N" taken; fallback when it is not there, 0 when N is not a
    // number.
    int photos(int fallback);
    // The same for another option of a number.
    int intOption(const QString &option, int fallback);
    // FOLDER made absolute, else the scratch folder; made when missing.
    QString folder() const;

    // work for each size in turn, stdout flushed after each; a size of 0 or
    // less, or work that fails, ends the run with the bench's name and the
    // size on stderr. The exit code.
    int forEachSize(const QList<int> &sizes, const std::function<bool(int)> &work) const;

private:
    std::unique_ptr<QCoreApplication> m_application;
    QStringList m_arguments;
    QTemporaryDir m_scratch;
};

// One timed step as the benches print it: what, wall-clock and CPU seconds.
void printTimed(const char *what, const BenchStopwatch &watch);

// Times `cp -r` of the folders into target and prints its MB/s for mb
// megabytes in the benches' line, labelled what; false when cp fails.
bool printCopyBeside(const char *what, const QStringList &folders, const QString &target,
                     int photos, double mb);

} // namespace bench
