#include "suitecommand.h"

#include "commandline.h"
#include "suitesample.h"

namespace {
// Profile folders are numbered data, data1, ...; the suite keeps far fewer.
constexpr int MaxShelves = 1000;
constexpr int MaxAlbums = 1000;
constexpr int MaxPhotos = 100000;
// Delivery standard codes are small positive numbers.
constexpr int MaxStandardCode = 999;
} // namespace

int runSuiteSample(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.addOptions({
        {QStringLiteral("shelves"), QStringLiteral("number of bookshelves"), QStringLiteral("N")},
        {QStringLiteral("shared"), QStringLiteral("every bookshelf is shared (NetProf.dat)")},
        {QStringLiteral("albums"), QStringLiteral("albums in each bookshelf"), QStringLiteral("M")},
        {QStringLiteral("photos"), QStringLiteral("photos in each album"), QStringLiteral("P")},
        {QStringLiteral("standard"), QStringLiteral("delivery standard code of the bookshelves"),
         QStringLiteral("CODE")},
    });
    const std::optional<QString> folder =
        commandline::parseFolder(parser, QStringLiteral("suite"), arguments);
    if (!folder)
        return 2;
    const std::optional<int> shelves =
        commandline::intOption(parser, QStringLiteral("shelves"), 1, MaxShelves, std::nullopt);
    const std::optional<int> albums =
        commandline::intOption(parser, QStringLiteral("albums"), 0, MaxAlbums, 0);
    const std::optional<int> photos =
        commandline::intOption(parser, QStringLiteral("photos"), 0, MaxPhotos, 0);
    const std::optional<int> standard = commandline::intOption(
        parser, QStringLiteral("standard"), 1, MaxStandardCode, SuiteSample::DefaultStandardCode);
    if (!shelves || !albums || !photos || !standard)
        return 2;

    SuiteSample sample;
    sample.root = *folder;
    sample.shelves = *shelves;
    sample.shared = parser.isSet(QStringLiteral("shared"));
    sample.albums = *albums;
    sample.photos = *photos;
    sample.standardCode = *standard;
    QString error;
    if (!sample.write(&error)) {
        commandline::printError(error);
        return 1;
    }
    commandline::printLine(QStringLiteral("%1: %2 bookshelves%3%4")
                               .arg(*folder)
                               .arg(*shelves)
                               .arg(sample.shared ? QStringLiteral(", shared") : QString())
                               .arg(sample.albums > 0
                                        ? QStringLiteral(", %1 albums of %2 photos each")
                                              .arg(sample.albums)
                                              .arg(sample.photos)
                                        : QString()));
    return 0;
}
