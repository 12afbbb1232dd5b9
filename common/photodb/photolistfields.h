#pragma once

#include <QString>
#include <Qt>

// The columns both wizards' photo information pages (import 136, export
// 135) can show of a 写真情報 row, and the cell texts they have in common.
namespace photodb {

struct PhotoInfoRecord;

enum class PhotoField {
    Serial,
    FileName,
    JapaneseFileName,
    MajorClass,
    Category,
    WorkType,
    Kind,
    SubKind,
    Title,
    Drawings,
    Place,
    ManagementValue,
    Representative,
    Frequency,
};

struct PhotoListColumn
{
    PhotoField field;
    QString heading;
    Qt::Alignment alignment;

    friend bool operator==(const PhotoListColumn &, const PhotoListColumn &) = default;
};

// Pixels added to a heading's text width for its column's width.
inline constexpr int HeadingMargin = 15;

// The serial number with at least the given number of digits, as printf's
// "%0*d" writes it (the minus sign counts into the width). Without
// QString::arg, which is the slower way for lists of 100 000 rows.
QString serialText(int serial, int digits);

// The field's text as the row stores it: the serial with the digits given,
// "有" or "無" for the reference drawings.
QString fieldText(const PhotoInfoRecord &record, PhotoField field, int serialDigits);

} // namespace photodb
