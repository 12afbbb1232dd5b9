#include "exportrun.h"

#include "deliveryexport.h"
#include "exportfollowup.h"
#include "terminalprogress.h"
#include "exportsource.h"
#include "hostmessages.h"
#include "hostoutput.h"
#include "outputsettings.h"
#include "photostylesheet.h"

#include "platform/pathnames.h"

#include <QElapsedTimer>

namespace host {

namespace {

constexpr int ExportFailed = 2;
constexpr double MillisecondsPerSecond = 1000.0;

} // namespace

int carryOutExport(const QString &settingsFile, const QString &photoDatabase,
                   const QString &calsFolder)
{
    const std::optional<OutputSettings> settings = readOutputSettings(settingsFile);
    if (!settings) {
        print(stderr, messages::NoOutputFolder.arg(settingsFile) + u'\n');
        return ExportFailed;
    }
    QElapsedTimer timer;
    timer.start();
    ExportSource source;
    QString error;
    if (!readExportSource(photoDatabase, &source, &error)
        || (settings->otherData && !readOtherData(calsFolder, &source, &error))) {
        print(stderr, messages::ExportFailed.arg(error) + u'\n');
        return ExportFailed;
    }
    DeliveryExport delivery(*settings, source);
    {
        TerminalProgress progress(stderr);
        delivery.setProgress([&progress](int done, int total) { progress.update(done, total); });
        if (!delivery.run()) {
            print(stderr, messages::ExportFailed.arg(delivery.errorText()) + u'\n');
            return ExportFailed;
        }
    }
    const ExportSummary &summary = delivery.summary();
    print(stdout, messages::ExportSummary.arg(QString::number(summary.photos),
                                              QString::number(summary.media),
                                              QString::number(summary.bytes),
                                              QString::number(timer.elapsed() / MillisecondsPerSecond,
                                                              'f', 2),
                                              settings->folder)
                      + u'\n');
    // The delivery stands; what follows only reports its own failure.
    if (settings->browser && isStylesheetFormat(settings->sheet))
        showInBrowser(stylesheetDocument(*settings, summary.media));
    if (settings->cooperation != NoCooperation)
        handOver(*settings, win::joinPath(win::programFolder(), QStringLiteral("Cooperation.ini")));
    return 0;
}

} // namespace host
