#pragma once

#include "suitedata/shelfphotos.h"

#include <QByteArray>
#include <QHash>
#include <QString>

// The items of a standard delivery's PHOTO.XML that G_PHOTO.mdb does not
// carry (撮影年月日, メディア番号, 工種区分予備, 請負者説明文, the reference
// drawings with their own items), so that an import keeps the whole of each
// photo's 写真情報.
namespace host {

struct DeliveryPhotoXml
{
    QString pictureFolder; // 写真フォルダ名, with '/' ("PHOTO/PIC")
    QString drawingFolder; // 参考図フォルダ名 ("PHOTO/DRA")
    // Every photo's items by its 写真ファイル名, drawings in their order
    // under the names the delivery gives them.
    QHash<QString, suitedata::ShelfPhoto> photos;
};

// Reads PHOTO\PHOTO.XML of the delivery folder (a host path), Shift_JIS as
// discs carry it. Elements are taken wherever they stand inside their
// 写真情報 or 付加情報, as real files nest 代表写真 in 撮影情報. A missing
// or broken file gives the default folders and no photos.
DeliveryPhotoXml readDeliveryPhotoXml(const QString &deliveryHostFolder);
// The same from the file's bytes.
DeliveryPhotoXml deliveryPhotoXmlOf(const QByteArray &bytes);

} // namespace host
