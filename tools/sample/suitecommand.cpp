#include "suitecommand.h"

#include "commandline.h"
#include "suitesample.h"

namespace {
// Profile folders are numbered data, data1, ...; the suite keeps far fewer.
constexpr int MaxShelves = 1000;
} // namespace

int runSuiteSample(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.addOptions({
        {QStringLiteral("shelves"), QStringLiteral("number of bookshelves"), QStringLiteral("N")},
        {QStringLiteral("shared"), QStringLiteral("every bookshelf is shared (NetProf.dat)")},
    });
    const std::optional<QString> folder =
        commandline::parseFolder(parser, QStringLiteral("suite"), arguments);
    if (!folder)
        return 2;
    const std::optional<int> shelves =
        commandline::intOption(parser, QStringLiteral("shelves"), 1, MaxShelves, std::nullopt);
    if (!shelves)
        return 2;

    SuiteSample sample;
    sample.root = *folder;
    sample.shelves = *shelves;
    sample.shared = parser.isSet(QStringLiteral("shared"));
    QString error;
    if (!sample.write(&error)) {
        commandline::printError(error);
        return 1;
    }
    commandline::printLine(QStringLiteral("%1: %2 bookshelves%3")
                               .arg(*folder)
                               .arg(*shelves)
                               .arg(sample.shared ? QStringLiteral(", shared") : QString()));
    return 0;
}
