#include "importcommand.h"

#include "shelfimport.h"
#include "hostmessages.h"
#include "hostoutput.h"
#include "wizardcommand.h"

#include "photodb/photoinfotable.h"
#include "settingsfile.h"

namespace host {

namespace {

const QString InputSettingsFileName = QStringLiteral("G_INPUTXML.dat");
const QString ReaderProgram = QStringLiteral("DeliveryReader");

// The wizard may finish without leaving its settings file.
int carryOutImport(const QString &dataRoot)
{
    const QString settingsFile = settingsfile::tempFilePath(InputSettingsFileName);
    const std::optional<ImportSettings> settings = readImportSettings(settingsFile);
    if (!settings) {
        print(stderr, messages::NoImportSettings.arg(settingsFile) + u'\n');
        return CommandFailed;
    }
    ImportSummary summary;
    QString error;
    if (!importDelivery(dataRoot, *settings, photodb::PhotoInfoTable::databasePath(), &summary,
                        &error)) {
        print(stderr, messages::ImportFailed.arg(error) + u'\n');
        return CommandFailed;
    }
    if (settings->mode == ImportMode::ReferOnly)
        print(stdout, messages::ReferenceOnly.arg(settings->deliveryFolder).arg(summary.photos)
                          + u'\n');
    else
        print(stdout, messages::ImportSummary.toString().arg(summary.photos)
                          .arg(summary.albums)
                          .arg(summary.shelf)
                          .arg(summary.dataFolder)
                          + u'\n');
    return WizardFinished;
}

} // namespace

int runImportCommand(const QStringList &arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption noNewOption(QStringLiteral("no-new"));
    parser.addOption(noNewOption);
    const std::optional<WizardCommandLine> line = parseWizardCommandLine(parser, arguments);
    if (!line)
        return CommandFailed;
    // The data root, the bookshelf folder number and the new-bookshelf
    // refusal.
    const QStringList readerArguments{line->dataRoot, QString::number(line->shelf),
                                      parser.isSet(noNewOption) ? QStringLiteral("1")
                                                                : QStringLiteral("0")};
    const int exitCode = runWizardAndPrint(ReaderProgram, readerArguments, InputSettingsFileName);
    if (exitCode != WizardFinished)
        return exitCode;
    return carryOutImport(line->dataRoot);
}

} // namespace host
