#include "exportcommand.h"

#include "albumlistwriter.h"
#include "exportrun.h"
#include "hostmessages.h"
#include "hostoutput.h"
#include "hostpaths.h"
#include "shelfdata.h"
#include "wizardcommand.h"

#include "photodb/photodbschema.h"
#include "platform/fileops.h"
#include "settingsfile.h"

namespace host {

namespace {

const QString OutputSettingsFileName = QStringLiteral("G_OUTPUTXML.dat");
const QString WriterProgram = QStringLiteral("DeliveryWriter");

// The album numbers of --albums 1,2,...; nothing when one is not a number.
std::optional<QList<qint32>> albumNumbers(const QString &text)
{
    QList<qint32> numbers;
    for (const QString &item : text.split(u',', Qt::SkipEmptyParts)) {
        const std::optional<int> number = optionNumber(item.trimmed());
        if (!number)
            return std::nullopt;
        numbers.append(*number);
    }
    return numbers;
}

// DeliveryWriter's nine arguments: the data folder, an unused one, the
// code, DNInfMake's number (0), no texts 6 and 7 (argument 5 is 0), the
// CALS folder and an empty text 9.
QStringList writerArguments(const QString &dataFolder, int code, const QString &calsFolder)
{
    return {dataFolder,       QStringLiteral("0"), QString::number(code),
            QStringLiteral("0"), QStringLiteral("0"), QString(),
            QString(),        calsFolder,          QString()};
}

} // namespace

int runExportCommand(const QStringList &arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption codeOption(QStringLiteral("code"), QString(), QStringLiteral("C"));
    const QCommandLineOption albumsOption(QStringLiteral("albums"), QString(),
                                          QStringLiteral("LIST"));
    const QCommandLineOption calsOption(QStringLiteral("cals"), QString(),
                                        QStringLiteral("FOLDER"));
    parser.addOptions({codeOption, albumsOption, calsOption});
    const std::optional<WizardCommandLine> line = parseWizardCommandLine(parser, arguments);
    if (!line)
        return CommandFailed;
    const std::optional<int> code = optionNumber(parser.value(codeOption));
    const std::optional<QList<qint32>> chosen =
        parser.isSet(albumsOption) ? albumNumbers(parser.value(albumsOption))
                                   : std::optional<QList<qint32>>(QList<qint32>());
    if (!code || !chosen) {
        print(stderr, messages::Usage.toString() + u'\n');
        return CommandFailed;
    }

    const QString dataFolder = shelfDataFolder(line->dataRoot, line->shelf);
    if (dataFolder.isEmpty()) {
        print(stderr, messages::NoShelf.arg(QString::number(line->shelf)) + u'\n');
        return CommandFailed;
    }
    QString calsFolder = dataFolder;
    if (parser.isSet(calsOption)) {
        calsFolder = windowsPathOf(parser.value(calsOption));
        if (calsFolder.isEmpty()) {
            print(stderr, messages::NoDriveMapsFolder.arg(parser.value(calsOption)) + u'\n');
            return CommandFailed;
        }
    }
    const QList<qint32> albums =
        parser.isSet(albumsOption) ? *chosen : shelfAlbumNumbers(dataFolder);

    // The host carries out whatever G_OUTPUTXML.dat it finds: none of an
    // earlier run may be taken for this one's.
    win::deleteFile(settingsfile::tempFilePath(OutputSettingsFileName));
    const QString albumList = settingsfile::tempFilePath(QStringView(AlbumListFileName));
    if (!writeAlbumList(albumList, line->dataRoot, line->shelf, albums)) {
        print(stderr, messages::AlbumListNotWritten.arg(albumList) + u'\n');
        return CommandFailed;
    }
    const int exitCode = runWizardAndPrint(
        WriterProgram, writerArguments(dataFolder, *code, calsFolder), OutputSettingsFileName);
    if (exitCode != WizardFinished)
        return exitCode;
    const int exported =
        carryOutExport(settingsfile::tempFilePath(OutputSettingsFileName),
                       settingsfile::tempFilePath(QStringView(photodb::FileName)), calsFolder);
    return exported == 0 ? exitCode : exported;
}

} // namespace host
