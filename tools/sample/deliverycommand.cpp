#include "deliverycommand.h"

#include "commandline.h"
#include "deliverygenerator.h"

namespace {

constexpr int MaxPhotos = 99999; // serial numbers have five digits

} // namespace

int runDeliveryCommand(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.addOptions({
        {QStringLiteral("photos"), QStringLiteral("number of photos"), QStringLiteral("N")},
        {QStringLiteral("standard"), QStringLiteral("mlit, maff, nexco24 or nexco18"),
         QStringLiteral("S"), QStringLiteral("mlit")},
        {QStringLiteral("encoding"), QStringLiteral("sjis or utf8"), QStringLiteral("E"),
         QStringLiteral("sjis")},
    });
    const std::optional<QString> folder =
        commandline::parseFolder(parser, QStringLiteral("delivery"), arguments);
    if (!folder)
        return 2;
    const std::optional<int> photos =
        commandline::intOption(parser, QStringLiteral("photos"), 0, MaxPhotos, std::nullopt);
    const auto standard = DeliveryOptions::standardNamed(parser.value(QStringLiteral("standard")));
    const auto encoding = DeliveryOptions::encodingNamed(parser.value(QStringLiteral("encoding")));
    if (!standard)
        commandline::printError(
            QStringLiteral("unknown standard %1").arg(parser.value(QStringLiteral("standard"))));
    if (!encoding)
        commandline::printError(
            QStringLiteral("unknown encoding %1").arg(parser.value(QStringLiteral("encoding"))));
    if (!photos || !standard || !encoding)
        return 2;

    DeliveryGenerator generator({*photos, *standard, *encoding});
    if (!generator.generate(*folder)) {
        commandline::printError(generator.errorText());
        return 1;
    }
    commandline::printLine(QStringLiteral("%1: %2 photos, %3 reference drawings")
                               .arg(*folder)
                               .arg(*photos)
                               .arg(generator.drawingCount()));
    return 0;
}
