#include "commandline.h"

#include <cstdio>

namespace commandline {

std::optional<QString> parseFolder(QCommandLineParser &parser, const QString &command,
                                   const QStringList &arguments)
{
    parser.addPositionalArgument(QStringLiteral("DIR"), QStringLiteral("host folder to create"));
    if (!parser.parse(QStringList {QStringLiteral("tessera-sample ") + command} + arguments)) {
        printError(parser.errorText());
        return std::nullopt;
    }
    if (parser.positionalArguments().size() != 1) {
        printError(QStringLiteral("%1: one folder expected").arg(command));
        return std::nullopt;
    }
    return parser.positionalArguments().constFirst();
}

std::optional<int> intOption(const QCommandLineParser &parser, const QString &name, int minimum,
                             int maximum, std::optional<int> fallback)
{
    if (!parser.isSet(name)) {
        if (!fallback)
            printError(QStringLiteral("--%1 is required").arg(name));
        return fallback;
    }
    bool ok = false;
    const int value = parser.value(name).toInt(&ok);
    if (!ok || value < minimum || value > maximum) {
        printError(
            QStringLiteral("--%1 takes a number from %2 to %3").arg(name).arg(minimum).arg(maximum));
        return std::nullopt;
    }
    return value;
}

void printError(const QString &text)
{
    std::fprintf(stderr, "tessera-sample: %s\n", text.toLocal8Bit().constData());
}

void printLine(const QString &text)
{
    std::printf("%s\n", text.toLocal8Bit().constData());
}

} // namespace commandline
