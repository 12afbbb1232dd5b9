#include "importcommand.h"

#include "wizardcommand.h"

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
    return runWizardAndPrint(ReaderProgram, readerArguments, InputSettingsFileName);
}

} // namespace host
