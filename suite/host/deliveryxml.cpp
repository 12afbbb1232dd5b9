#include "deliveryxml.h"

#include "deliverydocument.h"
#include "photostylesheet.h"

#include <algorithm>

namespace host {

namespace {

const QString IndexDtdVersion = QStringLiteral("04");
const QString PhotoDtdVersion = QStringLiteral("05");
const QString PictureFolderPath = QStringLiteral("PHOTO/PIC");
const QString DrawingFolderPath = QStringLiteral("PHOTO/DRA");

void writeClassification(DeliveryDocument &document, const suitedata::ShelfPhoto &item)
{
    document.start(QStringLiteral("撮影工種区分"));
    document.element(QStringLiteral("写真-大分類"), item.majorClass);
    const std::pair<QString, QString> levels[] = {
        {QStringLiteral("写真区分"), item.category},
        {QStringLiteral("工種"), item.workType},
        {QStringLiteral("種別"), item.kind},
        {QStringLiteral("細別"), item.subKind},
    };
    for (const auto &[name, value] : levels) {
        if (!value.isEmpty())
            document.element(name, value);
    }
    document.element(QStringLiteral("写真タイトル"), item.title);
    for (const QString &reserve : item.classReserves)
        document.element(QStringLiteral("工種区分予備"), reserve);
    document.end();
}

// The Japanese name of a file: the one the suite holds, else the name the
// file has in the album.
QString japaneseName(const QString &held, const QString &albumName)
{
    return held.isEmpty() ? albumName : held;
}

void writePhoto(DeliveryDocument &document, const PlannedPhoto &planned, int mediumNumber,
                const DeliveryTexts &texts)
{
    const suitedata::ShelfPhoto &item = planned.photo->item;
    document.start(QStringLiteral("写真情報"));
    document.start(QStringLiteral("写真ファイル情報"));
    document.element(QStringLiteral("シリアル番号"), QString::number(planned.serial));
    document.element(QStringLiteral("写真ファイル名"), planned.name);
    if (texts.japaneseNames)
        document.element(QStringLiteral("写真ファイル日本語名"),
                         japaneseName(item.japaneseFileName, item.fileName));
    document.element(QStringLiteral("メディア番号"), QString::number(mediumNumber));
    document.end();

    writeClassification(document, item);

    for (const PlannedDrawing &drawing : planned.drawings) {
        document.start(QStringLiteral("付加情報"));
        document.element(QStringLiteral("参考図ファイル名"), drawing.name);
        if (texts.japaneseNames)
            document.element(QStringLiteral("参考図ファイル日本語名"),
                             japaneseName(drawing.item->japaneseName, drawing.item->fileName));
        document.element(QStringLiteral("参考図タイトル"), drawing.item->title);
        for (const QString &reserve : drawing.item->reserves)
            document.element(QStringLiteral("付加情報予備"), reserve);
        document.end();
    }

    document.start(QStringLiteral("撮影情報"));
    if (!item.place.isEmpty())
        document.element(QStringLiteral("撮影箇所"), item.place);
    document.element(QStringLiteral("撮影年月日"), item.date);
    document.end();
    document.element(QStringLiteral("代表写真"), item.representative);
    document.element(QStringLiteral("提出頻度写真"), item.frequency);
    if (!item.managementValue.isEmpty())
        document.element(QStringLiteral("施工管理値"), item.managementValue);
    if (!item.contractorNote.isEmpty())
        document.element(QStringLiteral("請負者説明文"), item.contractorNote);
    document.end();
}

} // namespace

QByteArray indexXml(const suitedata::ConstructionInfo &construction, const DeliveryTexts &texts,
                    int mediumNumber, int mediaCount)
{
    suitedata::ConstructionInfo medium = construction;
    medium.basic.mediaNumber = QString::number(mediumNumber);
    medium.basic.mediaCount = QString::number(mediaCount);
    medium.basic.photoFolder = QString::fromUtf16(PhotoFolderName);
    if (!texts.indexStandard.isEmpty())
        medium.basic.applicableStandard = texts.indexStandard;
    DeliveryDocument document(QStringLiteral("constdata"), QString::fromUtf16(IndexDtdFileName));
    suitedata::writeConstructionData(document.xml(), medium, IndexDtdVersion);
    return document.finish();
}

QByteArray photoXml(const PlannedMedium &medium, const DeliveryTexts &texts)
{
    DeliveryDocument document(QStringLiteral("photodata"), QString::fromUtf16(PhotoDtdFileName),
                              texts.stylesheet ? QString::fromUtf16(StylesheetFileName)
                                               : QString());
    document.start(QStringLiteral("photodata"));
    document.xml().writeAttribute(QStringLiteral("DTD_version"), PhotoDtdVersion);
    document.start(QStringLiteral("基礎情報"));
    document.element(QStringLiteral("写真フォルダ名"), PictureFolderPath);
    const bool hasDrawings = std::any_of(medium.photos.begin(), medium.photos.end(),
                                         [](const PlannedPhoto &photo) {
                                             return !photo.drawings.isEmpty();
                                         });
    if (hasDrawings)
        document.element(QStringLiteral("参考図フォルダ名"), DrawingFolderPath);
    document.element(QStringLiteral("適用要領基準"), texts.photoStandard);
    document.end();
    for (const PlannedPhoto &planned : medium.photos)
        writePhoto(document, planned, medium.number, texts);
    document.end();
    return document.finish();
}

} // namespace host
