#include "deliveryinfo.h"

namespace {

// The label that ends the part of GXTemp whose values set the width of
// DeliveryReader's value column; free texts follow it.
constexpr char16_t SectionEndLabel[] = u"準拠する要領";

} // namespace

GXTempDocument DeliveryInfo::toGXTemp() const
{
    GXTempDocument gxtemp;
    gxtemp.addLine(0, QStringLiteral("写真管理基準"), standardName);

    gxtemp.addLine(0, QStringLiteral("写真管理情報"));
    gxtemp.addLine(1, QStringLiteral("写真フォルダ名"),
                   QString::fromStdString(photoBasic.photoFolder));
    gxtemp.addLine(1, QStringLiteral("参考図フォルダ名"),
                   QString::fromStdString(photoBasic.drawingFolder));
    gxtemp.addLine(1, QStringLiteral("適用要領基準"), QString::fromStdString(photoBasic.criterion));
    gxtemp.addLine(1, QStringLiteral("写真枚数"), QString::number(photoCount));
    gxtemp.addLine(1, QStringLiteral("参考図枚数"), QString::number(drawingCount));

    if (!indexFileName.isEmpty())
        gxtemp.addLine(0, QStringLiteral("索引ファイル"), indexFileName);
    for (const IndexItem &item : indexItems) {
        if (!item.longText)
            gxtemp.addLine(item.depth, item.label, item.value);
    }
    if (!indexError.isEmpty())
        gxtemp.addLine(0, QStringLiteral("読込エラー"),
                       indexFileName + QStringLiteral(": ") + indexError);

    gxtemp.addLine(0, QString::fromUtf16(SectionEndLabel), standardName);
    for (const IndexItem &item : indexItems) {
        if (item.longText)
            gxtemp.addLine(0, item.label, item.value);
    }
    return gxtemp;
}
