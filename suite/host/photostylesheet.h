#pragma once

#include <QByteArray>

// Our XSL stylesheet for PHOTO.XML, PHOTO05.XSL beside it, in the three
// formats the wizard offers: 1 each photo's management information, 2 a
// list of the photos before it, 3 the information with a search box.
namespace host {

inline constexpr char16_t StylesheetFileName[] = u"PHOTO05.XSL";
inline constexpr int FirstSheetFormat = 1;
inline constexpr int ListSheetFormat = 2;
inline constexpr int SearchSheetFormat = 3;

// Whether the sheet setting names one of the formats.
inline constexpr bool isStylesheetFormat(int sheet)
{
    return sheet >= FirstSheetFormat && sheet <= SearchSheetFormat;
}

// The stylesheet's bytes as a disc carries them (Shift_JIS, CR LF).
QByteArray photoStylesheet(int format);

} // namespace host
