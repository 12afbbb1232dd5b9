#pragma once

#include <QStringView>

// The delivery standard codes with which the host application tells
// DeliveryWriter which standard the bookshelf follows, and everything each
// code selects: one table that the export wizard's pages and worksdata's
// basic information read.
namespace standards {

// Options pages by template id.
inline constexpr int FileNamingPage = 129;      // government-building codes
inline constexpr int SimpleOptionsPage = 130;
inline constexpr int ExtendedOptionsPage = 131;  // stylesheet, other data, cooperation

struct StandardCode
{
    int code = 0;
    // The standard followed (準拠する要領), "" where the code has none.
    QStringView name;
    int optionsPage = SimpleOptionsPage;
    // Photo-standard category (m_nPhotoStandard): the photo standard and
    // the columns of the photo list.
    int category = 0;
    // Start values of the construction and photo information identifiers.
    QStringView koujiJH;
    QStringView syashiJH;
    // The export can also create the delivery data other than PHOTO that
    // the delivery support tool registered: the options page writes the
    // "folder" and "othrsData" options.
    bool otherData = false;
    // Start-up looks into CALS.mdb for other delivery data.
    bool calsAtStartUp = false;
    // The options page looks into CALS.mdb for other delivery data.
    bool calsOnOptionsPage = false;
};

// The row of the code; a code outside the table gets the "any other" row
// (no name, page 130, category 1 below 5, else 0).
StandardCode standardCode(int code);

// The photo standard the summary names for a category (準拠する写真基準),
// "" for the categories that name none.
QStringView photoStandardName(int category);

// Government-building (営繕) codes: album page, file naming, destination
// and summary only.
bool isGovernmentBuildingCode(int code);
// The code whose input checks are strict (the full-width symbols count as
// forbidden).
bool hasStrictInputChecks(int code);

} // namespace standards
