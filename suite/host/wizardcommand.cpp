#include "wizardcommand.h"

#include "hostmessages.h"
#include "hostoutput.h"
#include "hostpaths.h"
#include "wizardlaunch.h"

#include "platform/fileops.h"
#include "platform/pathnames.h"
#include "platform/suitelibrary.h"
#include "platform/winpath.h"
#include "settingsfile.h"
#include "suitedata/dataroot.h"

namespace host {

namespace {

// The suite's data root as ShelfWarden finds it from the program folder,
// in the form the command line gives it (no trailing backslash); empty
// when the suite's common library cannot be used.
QString suiteDataRoot()
{
    win::SuiteLibrary library;
    if (!library.load(suiteapi::SuiteCommonLibraryName.toString()))
        return {};
    const std::optional<suiteapi::SuiteCommonFunctions> suite =
        suiteapi::SuiteCommonFunctions::fromLibrary(library);
    if (!suite)
        return {};
    const QString programFolder = win::folderOfPath(win::moduleFileName());
    QString root = suitedata::locateDataRoot(*suite, programFolder).folder;
    if (root.endsWith(u'\\') && !root.endsWith(QStringLiteral(":\\")))
        root.chop(1);
    return root;
}

} // namespace

std::optional<int> optionNumber(const QString &text)
{
    bool ok = false;
    const int number = text.toInt(&ok, 10);
    return ok ? std::optional<int>(number) : std::nullopt;
}

std::optional<WizardCommandLine> parseWizardCommandLine(QCommandLineParser &parser,
                                                        const QStringList &arguments,
                                                        ShelfDefault shelfDefault)
{
    const QCommandLineOption shelfOption(QStringLiteral("shelf"), QString(), QStringLiteral("S"));
    parser.addOption(shelfOption);
    // The parser takes the program name first.
    if (!parser.parse(QStringList{QStringLiteral("tessera-host")} + arguments)
        || parser.positionalArguments().size() > 1) {
        print(stderr, messages::Usage.toString() + u'\n');
        return std::nullopt;
    }
    const std::optional<int> shelf =
        parser.isSet(shelfOption) ? optionNumber(parser.value(shelfOption)) : std::optional<int>(0);
    if (!shelf || *shelf < 0) {
        print(stderr, messages::Usage.toString() + u'\n');
        return std::nullopt;
    }
    QString dataRoot;
    if (parser.positionalArguments().isEmpty()) {
        dataRoot = suiteDataRoot();
        if (dataRoot.isEmpty()) {
            print(stderr, messages::NoSuiteDataRoot.toString() + u'\n');
            return std::nullopt;
        }
    } else {
        const QString folder = parser.positionalArguments().first();
        dataRoot = windowsPathOf(folder);
        if (dataRoot.isEmpty()) {
            print(stderr, messages::NoDriveMapsFolder.arg(folder) + u'\n');
            return std::nullopt;
        }
    }
    if (parser.isSet(shelfOption))
        return WizardCommandLine{dataRoot, *shelf};
    switch (shelfDefault) {
    case ShelfDefault::Active:
        return WizardCommandLine{dataRoot, suitedata::activeProfileFolder(dataRoot)};
    case ShelfDefault::NextFreeFolder:
        return WizardCommandLine{dataRoot,
                                 suitedata::nextFreeProfileFolder(win::toHostPath(dataRoot))};
    }
    return std::nullopt;
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
