#include "programrun.h"

#include <QProcess>

namespace {

constexpr int TimeoutMilliseconds = 120000;

} // namespace

QString programPath(const QString &name)
{
    return QStringLiteral(TESSERA_PROGRAM_DIR "/") + name;
}

int runProgram(const QString &path, const QStringList &arguments,
               const QProcessEnvironment &environment, QByteArray *output)
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(path, arguments);
    if (!process.waitForFinished(TimeoutMilliseconds)) {
        process.kill();
        process.waitForFinished();
    }
    if (output)
        *output = process.readAll();
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}
