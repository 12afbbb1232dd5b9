// Feeds arbitrary bytes to the host import's readers of a delivery, in
// memory, as Shift_JIS as discs carry them: as PHOTO.XML, whose folders
// must stay inside the delivery and whose photos are kept by their file
// names; and as INDEX_C.XML, whose construction information becomes the
// new bookshelf's kouji.xml, which must read back to the same.
#include "deliveryphotoxml.h"
#include "fuzzcheck.h"
#include "shelfimport.h"

#include "suitedata/constructioninfo.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>

namespace {

using fuzz::check;

// A folder the import copies from: relative, '/' between levels, no level
// leading up.
void checkFolder(const QString &folder)
{
    check(!folder.isEmpty() && !folder.startsWith(u'/') && !folder.contains(u'\\')
          && !folder.contains(u':'));
    check(!folder.split(u'/').contains(QStringLiteral("..")));
}

void readPhotoXml(const QByteArray &bytes)
{
    const host::DeliveryPhotoXml xml = host::deliveryPhotoXmlOf(bytes);
    checkFolder(xml.pictureFolder);
    checkFolder(xml.drawingFolder);
    for (auto photo = xml.photos.cbegin(); photo != xml.photos.cend(); ++photo) {
        check(!photo.key().isEmpty() && photo.key() == photo->fileName);
        for (const suitedata::ShelfDrawing &drawing : photo->drawings)
            check(!drawing.fileName.isEmpty());
    }
}

void readIndex(const QByteArray &bytes)
{
    const suitedata::ShelfInfo info = host::shelfInfoOfIndex(bytes);
    const QByteArray written = suitedata::shelfInfoXml(info);
    suitedata::ShelfInfo again;
    check(suitedata::readShelfInfoXml(written, &again));
    check(suitedata::shelfInfoXml(again) == written);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    readPhotoXml(bytes);
    readIndex(bytes);
    return 0;
}
