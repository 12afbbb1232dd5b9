#pragma once

#include <QCommandLineParser>
#include <QString>
#include <QStringList>

#include <optional>

// What the export and import commands share: DATAROOT and --shelf read
// from the command line (or their defaults, so that a desktop entry can
// start either on the user's own bookshelves), the run of the wizard and
// the settings file it leaves printed.
namespace host {

inline constexpr int CommandFailed = 2;
// The wizard ended with Finish and left its settings file.
inline constexpr int WizardFinished = 1;

struct WizardCommandLine
{
    QString dataRoot;  // Windows form
    int shelf = 0;
};

// The bookshelf number when --shelf is not given.
enum class ShelfDefault {
    Active,         // the active bookshelf (activebks): the one to export
    NextFreeFolder  // the profile folder a new bookshelf gets: the import's
};

// Parses the arguments with the options added to parser beside --shelf;
// nothing, after the usage or the reason on stderr, when they do not fit.
// Without DATAROOT the data root is the suite's, found as ShelfWarden finds
// it from the program folder.
std::optional<WizardCommandLine> parseWizardCommandLine(QCommandLineParser &parser,
                                                        const QStringList &arguments,
                                                        ShelfDefault shelfDefault);

// A decimal number of a command-line option; nothing for any other text.
std::optional<int> optionNumber(const QString &text);

// Runs the wizard; on exit code 1 prints the settings file (temp folder +
// name). The wizard's exit code.
int runWizardAndPrint(const QString &programName, const QStringList &arguments,
                      const QString &settingsFileName);

} // namespace host
