// Feeds arbitrary bytes to DeliveryWriter's reader of G_ALBUMLIST.dat as
// the file's content: the data folder within its buffer, the album count
// within its bound and every album number taken from the block of exactly
// that count.
#include "albumlistfile.h"
#include "fuzzcheck.h"
#include "fuzzsupport.h"

#include "platform/winpath.h"

#include <cstddef>
#include <cstdint>

namespace {

using fuzz::check;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString path =
        fuzz::writeInput(writer::AlbumListFileName.toString(), data, size);
    if (path.isEmpty())
        return 0;
    const writer::AlbumList list = writer::readAlbumList(path);
    check(list.dataDir.size() < win::MaxPath);
    check(list.albums.size() >= 0 && list.albums.size() <= writer::MaxSelectedAlbums);
    return 0;
}
