#pragma once

#include "platform/pathnames.h"
#include "settingsfile.h"

#include <QString>

#include <array>

namespace writer {

// Output destination kinds (m_nOutputKind): the wizard only ever outputs to
// a folder.
inline constexpr int OutputToFolder = 1;
// Split size in MB (m_nSplitSize) and its range on the destination page.
inline constexpr int DefaultSplitSize = 600;
inline constexpr int MinSplitSize = 1;
inline constexpr int MaxSplitSize = 65535;
// Start media number (m_nStartMedia).
using settingsfile::MinStartMedia;
using settingsfile::MaxStartMedia;
// Stylesheet formats (m_nStyleSheetFormat).
inline constexpr int StyleSheetPhotoInfo = 1;
inline constexpr int StyleSheetListAndPhotoInfo = 2;
inline constexpr int StyleSheetWithSearch = 3;
// Slots of the other delivery programs listed on the options page.
inline constexpr int CooperatorSlots = 10;
// Characters of the texts DNInfMake fills, terminator included.
inline constexpr int TekiyouBufferSize = 256;
inline constexpr int OtherDataFlagBufferSize = 6;

// The export settings: everything DeliveryWriter's pages share, and the
// source of every value written to G_OUTPUTXML.dat. CDeliveryWriterApp
// holds them; pages take them by reference, so they can be built without
// an application object. The names are those the whole program uses.
struct ExportSettings
{
    // Command-line arguments 1 and 3 to 9 (see LaunchArguments).
    QString m_strKoujiFolder;
    int m_nStandardCode = 0;
    int m_nArg4 = 0;
    int m_nArg5 = 0;
    QString m_strArg6;
    QString m_strArg7;
    QString m_strCalsFolder;
    QString m_strArg9;
    // Where the character lists and Cooperation.ini lie beside the
    // programs.
    QString m_strProgramFolder = win::programFolder();
    // Photo-standard category of the code (StandardCode::category).
    int m_nPhotoStandard = 0;
    // The album tree has been created (album page).
    int m_nTreeCreated = 0;
    // At least one other delivery program is installed.
    int m_nCooperatorFound = 0;
    int m_nOutputKind = OutputToFolder;
    QString m_strOutputFolder;
    int m_nSplitSize = DefaultSplitSize;
    // Image files renamed to Pnnnnnnn.jpg, or their names kept.
    int m_nRenameSerial = 0;
    int m_nKeepFileName = 1;
    int m_nStyleSheet = 0;
    // The options page with stylesheet and cooperation (131) is in the
    // wizard.
    int m_nExtendedOptions = 0;
    int m_nJapaneseNames = 0;
    int m_nXmlOnly = 0;
    // The "folder" option of G_OUTPUTXML.dat.
    int m_nOtherFolder = 0;
    int m_nLaunchBrowser = 0;
    int m_nStyleSheetFormat = 0;
    int m_nStartMedia = MinStartMedia;
    // Filled by DNInfMake: the applicable-standard text (at most
    // TekiyouBufferSize - 1 characters) and the other-data flag text.
    QString m_szTekiyou;
    // Construction information changed; no page sets it.
    int m_nKoujiChange = 0;
    // The construction and photo information identifiers of the code.
    QString m_pszKoujiJH;
    QString m_pszSyashiJH;
    // One "n," entry per row of the basic-information list (0 none, 1-4
    // the row colours).
    QString m_strRowColors;
    // Hand the output to another delivery program.
    int m_nCooperate = 0;
    // Also create the delivery data other than PHOTO.
    int m_nOtherData = 0;
    QString m_szOthrsDataCreateFlag;
    // Selected entry of the other-program list and the Cooperation.ini
    // numbers of the listed programs, in list order.
    int m_nCooperatorIndex = 0;
    std::array<int, CooperatorSlots> m_anCooperatorId{};
    // The photo list has the optional column in question.
    int m_nJapaneseNameColumn = 0;
    int m_nRepresentativeColumn = 0;
    int m_nSubmitFrequencyColumn = 0;
    // The photo page has read its list for the current options; the
    // Japanese-names check boxes clear it.
    bool m_bPhotoListLoaded = false;
};

} // namespace writer
