// Feeds arbitrary bytes to the readers of the suite's own XML files, as a
// bookshelf's kouji.xml and as an album's KOUJI.XML, in memory. What reads
// is written again and must read back to the same: the suite rewrites
// these files from what it read, so nothing may change on the way.
#include "fuzzcheck.h"
#include "suitedata/albuminfo.h"
#include "suitedata/constructioninfo.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>

namespace {

using fuzz::check;

void shelfRoundTrip(const QByteArray &bytes)
{
    suitedata::ShelfInfo info;
    if (!suitedata::readShelfInfoXml(bytes, &info))
        return;
    const QByteArray written = suitedata::shelfInfoXml(info);
    suitedata::ShelfInfo again;
    check(suitedata::readShelfInfoXml(written, &again));
    check(suitedata::shelfInfoXml(again) == written);
}

void albumRoundTrip(const QByteArray &bytes)
{
    suitedata::AlbumInfo album;
    if (!suitedata::readAlbumInfoXml(bytes, &album))
        return;
    suitedata::AlbumInfo again;
    check(suitedata::readAlbumInfoXml(suitedata::albumInfoXml(album), &again));
    check(again.label == album.label && again.password == album.password);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    shelfRoundTrip(bytes);
    albumRoundTrip(bytes);
    return 0;
}
