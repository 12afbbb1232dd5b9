#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <Qt>

#include "photodb/photolistfields.h"

namespace photodb {
struct PhotoInfoRecord;
}

namespace reader {

using photodb::PhotoInfoRecord;

// Standards whose deliveries lack some of the photo information.
inline constexpr QStringView NexcoStandard2012 = u"NEXCO 工事記録写真等撮影要領（平成２４年７月版準拠)";
inline constexpr QStringView NexcoStandard2006 = u"NEXCO 工事記録写真等撮影要領（平成１８年７月版準拠)";

// The columns of the photo list (page 136) for one delivery and the texts
// of its rows. Standard names compare exactly, case included.
//
// Serial numbers show with four digits ("0007"). The list keeps itself
// sorted by the text of its first cell, so when a delivery has serials of
// five or more digits, all of its serials show with as many digits as the
// longest ("000007" ... "100000"): the rows stay in ascending serial order
// and no number is cut.
class PhotoListLayout
{
public:
    using Field = photodb::PhotoField;
    using Column = photodb::PhotoListColumn;

    static constexpr int SerialDigits = 4;
    static constexpr int HeadingMargin = photodb::HeadingMargin;

    // The columns for the delivery's standard, in their order; 提出頻度写真
    // comes last, and only when one of the records has a value for it.
    PhotoListLayout(const QString &standardName, const QList<PhotoInfoRecord> &records);

    // Whether deliveries of the standard name their photos in Japanese too,
    // so that the user can choose those names for the import.
    static bool hasJapaneseFileNames(const QString &standardName);

    const QList<Column> &columns() const { return m_columns; }
    int serialDigits() const { return m_serialDigits; }
    // The texts of the record's row, one per column.
    QStringList cells(const PhotoInfoRecord &record) const;

private:

    QList<Column> m_columns;
    int m_serialDigits = SerialDigits;
};

} // namespace reader
