#pragma once

#include <QList>
#include <QString>
#include <Qt>

#include "photodb/photolistfields.h"

namespace photodb {
struct PhotoInfoRecord;
}

namespace writer {

struct ExportSettings;

// The columns of the photo information page (135) and the texts of its
// cells. Which columns show depends on the photo-standard category and on
// the Japanese-names option; the optional columns present are remembered
// in the export settings (m_nJapaneseNameColumn, m_nRepresentativeColumn,
// m_nSubmitFrequencyColumn).
class PhotoListColumns
{
public:
    using Field = photodb::PhotoField;
    using Column = photodb::PhotoListColumn;

    static constexpr int HeadingMargin = photodb::HeadingMargin;
    // Serials show zero-padded, so that the list's text order is the
    // numeric order.
    static constexpr int SerialDigits = 7;

    // Brings the optional-column flags of the settings up to date for the
    // category and the Japanese-names option: the Japanese-name column
    // follows the option (never in categories 0 and 2); 代表写真 and
    // 提出頻度写真, once added, stay for the run.
    static void updateOptionalColumns(ExportSettings &settings);
    // The columns the flags stand for, in list order.
    static QList<Column> columns(const ExportSettings &settings);

    static QString cellText(const photodb::PhotoInfoRecord &record, Field field, int category);
};

} // namespace writer
