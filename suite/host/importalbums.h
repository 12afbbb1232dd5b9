#pragma once

#include "suitedata/shelfphotos.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// The albums an import makes and the photos that go into each.
namespace host {

// A photo to import: its file in the delivery and every item it gets.
struct ImportPhoto
{
    QString sourceHost;         // the photo file
    suitedata::ShelfPhoto item; // fileName: the name wished for in the album
    QStringList drawingSources; // the file of each of item.drawings
};

struct ImportAlbum
{
    QString label; // KOUJI.XML label
    QList<ImportPhoto> photos;
};

// Label of the album for photos that name no 写真-大分類.
inline constexpr QStringView UnclassifiedLabel = u"（分類なし）";
// The classification depth that groups by 工種 alone.
inline constexpr int WorkTypeOnlyLevel = 5;

// perAlbum photos each (at least 1), in delivery order, labelled
// "アルバム1", "アルバム2", ...
QList<ImportAlbum> albumsByCount(const QList<ImportPhoto> &photos, int perAlbum);

// One album per group of photos sharing their classification: level 1 to
// 4 groups by 写真-大分類 and 写真区分 and then down to 工種, 種別 and 細別,
// level 5 by 工種 alone. A photo whose classification ends above the
// level joins the group of the levels it has. Labels are the group's
// values joined by blanks. Albums follow the classification tree's order
// (the delivery's classification as DeliveryReader left it); groups the
// tree lacks, or all of them when there is no tree, follow in the order
// their first photos come in. Photos keep delivery order within an album.
QList<ImportAlbum> albumsByClassification(const QList<ImportPhoto> &photos, int level,
                                          const std::optional<QList<QStringList>> &tree);

} // namespace host
