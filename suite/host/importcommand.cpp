#include "importcommand.h"

#include "importrun.h"
#include "wizardcommand.h"

#include "photodb/photodbschema.h"
#include "platform/fileops.h"
#include "settingsfile.h"

namespace host {

namespace {

const QString InputSettingsFileName = QStringLiteral("G_INPUTXML.dat");
const QString ReaderProgram = QStringLiteral("DeliveryReader");

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
    // A settings file an earlier run left must not be carried out again.
    win::deleteFile(settingsfile::tempFilePath(InputSettingsFileName));
    const int exitCode = runWizardAndPrint(ReaderProgram, readerArguments, InputSettingsFileName);
    if (exitCode != WizardFinished)
        return exitCode;
    const int imported =
        carryOutImport(line->dataRoot, settingsfile::tempFilePath(InputSettingsFileName),
                       settingsfile::tempFilePath(QStringView(photodb::FileName)));
    return imported == 0 ? exitCode : imported;
}

} // namespace host
