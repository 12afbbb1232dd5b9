#pragma once

#include "deliverydocument.h"
#include "deliveryplan.h"

#include <QByteArray>

// The two documents of a medium as delivery discs carry them: Shift_JIS
// (CP932, as Windows writes it), an XML declaration naming it, the DOCTYPE
// with the DTD beside the file, tab indentation and CR LF line ends.
namespace host {

inline constexpr char16_t IndexFileName[] = u"INDEX_C.XML";
inline constexpr char16_t IndexDtdFileName[] = u"INDE_C04.DTD";
inline constexpr char16_t PhotoFolderName[] = u"PHOTO";
inline constexpr char16_t PhotoFileName[] = u"PHOTO.XML";
inline constexpr char16_t PhotoDtdFileName[] = u"PHOTO05.DTD";
inline constexpr char16_t PictureFolderName[] = u"PIC";
inline constexpr char16_t DrawingFolderName[] = u"DRA";

struct DeliveryTexts
{
    QString indexStandard; // 適用要領基準 of INDEX_C.XML (the bookshelf's replaced)
    QString photoStandard; // 適用要領基準 of PHOTO.XML
    bool japaneseNames = false;
    bool stylesheet = false; // PHOTO.XML names PHOTO05.XSL
};

QByteArray indexXml(const suitedata::ConstructionInfo &construction, const DeliveryTexts &texts,
                    int mediumNumber, int mediaCount);
QByteArray photoXml(const PlannedMedium &medium, const DeliveryTexts &texts);

} // namespace host
