// Feeds arbitrary bytes to the delivery XML readers the way DNXmlRead does:
// as PHOTO.XML (photos streamed out one by one, the standard told from what
// was read) and as an index file shown as GXTemp. Every GXTemp line must
// stay whole for the wizards' line reads. The deliveries under
// tests/data/worksdata make a good seed corpus.
#include "deliveryinfo.h"
#include "fuzzcheck.h"
#include "indexxmlreader.h"
#include "photostandard.h"
#include "photoxmlreader.h"
#include "xmlstream.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>

namespace {

void readAsPhotoXml(const QByteArray &bytes, DeliveryInfo *info)
{
    const std::unique_ptr<XmlStream> stream = XmlStream::fromMemory(bytes);
    if (!stream)
        return;
    PhotoXmlReader reader(*stream);
    reader.read([](const PhotoRecord &record) { return record.serial > 0; });
    info->photoBasic = reader.basicInfo();
    info->photoCount = reader.photoCount();
    info->drawingCount = reader.drawingCount();
}

void readAsIndex(const QByteArray &bytes, DeliveryInfo *info)
{
    const std::unique_ptr<XmlStream> stream = XmlStream::fromMemory(bytes);
    if (!stream)
        return;
    IndexXmlReader reader(*stream);
    if (!reader.read())
        info->indexError = reader.errorText();
    info->indexFileName = reader.rootName();
    info->indexItems = reader.items();
    info->indexCriterion = reader.criterion();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    DeliveryInfo info;
    readAsPhotoXml(bytes, &info);
    readAsIndex(bytes, &info);
    info.standardName = PhotoStandard::determine(QString::fromStdString(info.photoBasic.criterion),
                                                 info.indexCriterion,
                                                 QString::fromStdString(info.photoBasic.dtdVersion))
                            .name();
    const GXTempDocument gxtemp = info.toGXTemp();
    for (const QString &line : gxtemp.lines())
        fuzz::check(line.size() <= GXTempDocument::MaxLineChars && !line.contains(u'\n'));
    return 0;
}
