#include "importcommand.h"

#include "shelfimport.h"
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
    const std::optional<ImportSettings> settings =
        readImportSettings(settingsfile::tempFilePath(InputSettingsFileName));
    if (!settings) {
        print(stderr, QStringLiteral("No import settings were left.\n"));
        return CommandFailed;
    }
    ImportSummary summary;
    QString error;
    if (!importDelivery(dataRoot, *settings, photodb::PhotoInfoTable::databasePath(), &summary,
                        &error)) {
        print(stderr, QStringLiteral("Import failed: %1\n").arg(error));
        return CommandFailed;
    }
    if (settings->mode == ImportMode::ReferOnly)
        print(stdout, QStringLiteral("Reference only: nothing imported.\n"));
    else
        print(stdout, QStringLiteral("Imported %1 photos in %2 albums into bookshelf %3 (%4).\n")
                          .arg(summary.photos)
                          .arg(summary.albums)
                          .arg(summary.shelf)
                          .arg(summary.dataFolder));
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
