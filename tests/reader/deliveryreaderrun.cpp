#include "deliveryreaderrun.h"

#include <QProcess>

namespace {

constexpr int TimeoutMilliseconds = 120000;

} // namespace

int DeliveryReaderRun::run()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("TESSERA_DRIVES"), QStringLiteral("D=") + driveD);
    environment.insert(QStringLiteral("TMP"), tempPath);
    environment.insert(QStringLiteral("TESSERA_UI_SCRIPT"), script);
    environment.insert(QStringLiteral("TESSERA_UI_LOG"), log);
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(QStringLiteral(TESSERA_PROGRAM_DIR "/DeliveryReader"), arguments);
    if (!process.waitForFinished(TimeoutMilliseconds)) {
        process.kill();
        process.waitForFinished();
    }
    output = process.readAll();
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}
