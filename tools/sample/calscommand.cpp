#include "calscommand.h"

#include "commandline.h"

#include "calssample.h"

#include "calsdb/calsschema.h"
#include "platform/winpath.h"

#include <QDir>
#include <QFile>

namespace {

// The folder is reached through a drive of its own, as the database
// library takes Windows paths.
constexpr char16_t SampleDrive = u'S';
constexpr int MaxRows = 100000;

} // namespace

int runCalsCommand(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.addOptions({
        {QStringLiteral("rows"), QStringLiteral("rows of the table XML"), QStringLiteral("N")},
        {QStringLiteral("broken"), QStringLiteral("a file that is not a database")},
    });
    const std::optional<QString> folder =
        commandline::parseFolder(parser, QStringLiteral("cals"), arguments);
    if (!folder)
        return 2;
    const std::optional<int> rows =
        commandline::intOption(parser, QStringLiteral("rows"), 0, MaxRows, 0);
    if (!rows)
        return 2;
    if (!QDir().mkpath(*folder)) {
        commandline::printError(QStringLiteral("%1: cannot create the folder").arg(*folder));
        return 1;
    }
    const QString hostFile = QDir(*folder).filePath(QString::fromUtf16(calsdb::FileName));
    QFile::remove(hostFile);
    if (parser.isSet(QStringLiteral("broken"))) {
        QFile file(hostFile);
        if (!file.open(QIODevice::WriteOnly) || file.write("not a database\r\n") < 0) {
            commandline::printError(QStringLiteral("%1: cannot write").arg(hostFile));
            return 1;
        }
        commandline::printLine(QStringLiteral("%1: not a database").arg(hostFile));
        return 0;
    }
    win::mapDrive(QChar(SampleDrive), QDir(*folder).absolutePath());
    const CalsSample sample{*folder, QStringLiteral("%1:").arg(QChar(SampleDrive)), *rows};
    QString error;
    if (!sample.write(&error)) {
        commandline::printError(QStringLiteral("%1: %2").arg(hostFile, error));
        return 1;
    }
    commandline::printLine(QStringLiteral("%1: %2 rows in XML").arg(hostFile).arg(*rows));
    return 0;
}
