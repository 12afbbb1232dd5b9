#include "eizencommand.h"

#include "commandline.h"
#include "eizengenerator.h"

namespace {

constexpr int MaxPhotos = 1000000;
constexpr int MaxDepth = 20;

} // namespace

int runEizenCommand(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.addOptions({
        {QStringLiteral("photos"), QStringLiteral("number of photos"), QStringLiteral("N")},
        {QStringLiteral("depth"), QStringLiteral("folder levels below DIR"), QStringLiteral("D")},
    });
    const std::optional<QString> folder =
        commandline::parseFolder(parser, QStringLiteral("eizen"), arguments);
    if (!folder)
        return 2;
    const std::optional<int> photos =
        commandline::intOption(parser, QStringLiteral("photos"), 0, MaxPhotos, std::nullopt);
    const std::optional<int> depth = commandline::intOption(parser, QStringLiteral("depth"), 1,
                                                            MaxDepth, EizenOptions::DefaultDepth);
    if (!photos || !depth)
        return 2;

    EizenGenerator generator({*photos, *depth});
    if (!generator.generate(*folder)) {
        commandline::printError(generator.errorText());
        return 1;
    }
    commandline::printLine(QStringLiteral("%1: %2 photos").arg(*folder).arg(*photos));
    return 0;
}
