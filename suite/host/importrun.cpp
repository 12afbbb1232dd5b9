#include "importrun.h"

#include "hostmessages.h"
#include "hostoutput.h"
#include "shelfimport.h"
#include "terminalprogress.h"

#include <QElapsedTimer>

namespace host {

namespace {

constexpr int ImportFailed = 2;
constexpr double MillisecondsPerSecond = 1000.0;

} // namespace

int carryOutImport(const QString &dataRoot, const QString &settingsFile,
                   const QString &photoDatabase)
{
    // The wizard may finish without leaving its settings file.
    const std::optional<ImportSettings> settings = readImportSettings(settingsFile);
    if (!settings) {
        print(stderr, messages::NoInputSettings.arg(settingsFile) + u'\n');
        return ImportFailed;
    }
    if (settings->mode == ImportMode::ReferOnly) {
        ImportSummary referenced;
        QString error;
        if (!importDelivery(dataRoot, *settings, photoDatabase, &referenced, &error)) {
            print(stderr, messages::ImportFailed.arg(error) + u'\n');
            return ImportFailed;
        }
        print(stdout, messages::ReferenceOnly.arg(settings->deliveryFolder,
                                                  QString::number(referenced.photos))
                          + u'\n');
        return 0;
    }
    QElapsedTimer timer;
    timer.start();
    ImportSummary summary;
    QString error;
    {
        TerminalProgress progress(stderr);
        if (!importDelivery(dataRoot, *settings, photoDatabase, &summary, &error,
                            [&progress](int done, int total) { progress.update(done, total); })) {
            print(stderr, messages::ImportFailed.arg(error) + u'\n');
            return ImportFailed;
        }
    }
    print(stdout, messages::ImportSummary.arg(QString::number(summary.photos),
                                              QString::number(summary.albums),
                                              QString::number(summary.bytes),
                                              QString::number(timer.elapsed() / MillisecondsPerSecond,
                                                              'f', 2),
                                              QString::number(summary.shelf), summary.dataFolder)
                      + u'\n');
    return 0;
}

} // namespace host
