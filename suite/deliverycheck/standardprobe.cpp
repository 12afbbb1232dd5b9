#include "standardprobe.h"

#include "indexxmlreader.h"
#include "photoxmlreader.h"
#include "xmlstream.h"

namespace deliverycheck {

PhotoStandard StandardProbe::determine(const QString &indexHostPath, const QString &photoHostPath)
{
    QString indexCriterion;
    if (const auto stream =
            indexHostPath.isEmpty() ? nullptr : XmlStream::fromFile(indexHostPath)) {
        IndexXmlReader reader(*stream);
        reader.read();
        indexCriterion = reader.criterion();
    }
    PhotoBasicInfo basic;
    if (const auto stream =
            photoHostPath.isEmpty() ? nullptr : XmlStream::fromFile(photoHostPath)) {
        PhotoXmlReader reader(*stream);
        // 基礎情報 comes before the first photo, where the read stops.
        reader.read([](const PhotoRecord &) { return false; });
        basic = reader.basicInfo();
    }
    return PhotoStandard::determine(QString::fromStdString(basic.criterion), indexCriterion,
                                    QString::fromStdString(basic.dtdVersion));
}

} // namespace deliverycheck
