#pragma once

#include <QCommandLineParser>
#include <QString>
#include <QStringList>

#include <optional>

// What the export and import commands share: DATAROOT and --shelf read
// from the command line, the run of the wizard and the settings file it
// leaves printed.
namespace host {

inline constexpr int CommandFailed = 2;
// The wizard ended with Finish and left its settings file.
inline constexpr int WizardFinished = 1;

struct WizardCommandLine
{
    QString dataRoot;  // Windows form
    int shelf = 0;
};

// Parses the arguments with the options added to parser beside --shelf;
// nothing, after the usage or the reason on stderr, when they do not fit.
std::optional<WizardCommandLine> parseWizardCommandLine(QCommandLineParser &parser,
                                                        const QStringList &arguments);

// A decimal number of a command-line option; nothing for any other text.
std::optional<int> optionNumber(const QString &text);

// Runs the wizard; on exit code 1 prints the settings file (temp folder +
// name). The wizard's exit code.
int runWizardAndPrint(const QString &programName, const QStringList &arguments,
                      const QString &settingsFileName);

} // namespace host
