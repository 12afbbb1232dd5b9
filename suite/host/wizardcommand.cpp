#include "wizardcommand.h"

#include "hostmessages.h"
#include "hostoutput.h"
#include "hostpaths.h"
#include "wizardlaunch.h"

#include "settingsfile.h"

namespace host {

std::optional<int> optionNumber(const QString &text)
{
    bool ok = false;
    const int number = text.toInt(&ok, 10);
    return ok ? std::optional<int>(number) : std::nullopt;
}

std::optional<WizardCommandLine> parseWizardCommandLine(QCommandLineParser &parser,
                                                        const QStringList &arguments)
{
    const QCommandLineOption shelfOption(QStringLiteral("shelf"), QString(), QStringLiteral("S"));
    parser.addOption(shelfOption);
    // The parser takes the program name first.
    if (!parser.parse(QStringList{QStringLiteral("tessera-host")} + arguments)
        || parser.positionalArguments().size() != 1 || !parser.isSet(shelfOption)) {
        print(stderr, messages::Usage.toString() + u'\n');
        return std::nullopt;
    }
    const std::optional<int> shelf = optionNumber(parser.value(shelfOption));
    if (!shelf || *shelf < 0) {
        print(stderr, messages::Usage.toString() + u'\n');
        return std::nullopt;
    }
    const QString folder = parser.positionalArguments().first();
    const QString dataRoot = windowsPathOf(folder);
    if (dataRoot.isEmpty()) {
        print(stderr, messages::NoDriveMapsFolder.arg(folder) + u'\n');
        return std::nullopt;
    }
    return WizardCommandLine{dataRoot, *shelf};
}

int runWizardAndPrint(const QString &programName, const QStringList &arguments,
                      const QString &settingsFileName)
{
    const int exitCode = runWizard(programName, arguments);
    if (exitCode == WizardFinished) {
        const QString path = settingsfile::tempFilePath(settingsFileName);
        if (!printSettingsFile(path))
            print(stderr, messages::SettingsFileUnreadable.arg(path) + u'\n');
    }
    return exitCode;
}

} // namespace host
