#pragma once

// Template and control ids of DeliveryWriter's pages. Each page's form is
// resources/writer/page<template id>_<role>.ui; control ids repeat from
// page to page, so they are grouped per page. Statics without an id of
// their own are left out.
namespace writer::ids {

// CDialog0A: album selection (the tree is workstree's).
namespace albums {
inline constexpr int Template = 108;
} // namespace albums

// CDialog1: image file naming (government-building codes).
namespace filenaming {
inline constexpr int Template = 129;
inline constexpr int RenameSerial = 1004;
inline constexpr int KeepFileName = 1005;
} // namespace filenaming

// CDialog1A: output options.
namespace options {
inline constexpr int Template = 130;
inline constexpr int StartMediaLabel = 1101;
inline constexpr int JapaneseNamesNote = 1103;
inline constexpr int FormalDeliveryNote = 1105;
inline constexpr int XmlOnlyNote = 1106;
inline constexpr int StartMedia = 1110;
inline constexpr int JapaneseNames = 1121;
inline constexpr int XmlOnly = 1054;
} // namespace options

// CDialog1B: output options with stylesheet, other delivery data and
// cooperation with other delivery software.
namespace extendedoptions {
inline constexpr int Template = 131;
inline constexpr int Cooperate = 1124;
inline constexpr int StartMediaLabel = 1201;
inline constexpr int JapaneseNamesNote = 1203;
inline constexpr int StyleSheetFormatGroup = 1204;
inline constexpr int SearchNote = 1205;
inline constexpr int JavaScriptNote = 1206;
inline constexpr int FormatPhotoInfo = 1207;
inline constexpr int FormatListAndPhotoInfo = 1208;
inline constexpr int FormatWithSearch = 1209;
inline constexpr int StartMedia = 1210;
inline constexpr int JapaneseNames = 1221;
inline constexpr int StyleSheet = 1222;
inline constexpr int XmlOnly = 1224;
inline constexpr int OtherData = 1225;
inline constexpr int LaunchBrowser = 1226;
inline constexpr int Cooperators = 1322;
} // namespace extendedoptions

// CDialog2: basic and construction information.
namespace basicinfo {
inline constexpr int Template = 134;
inline constexpr int InfoList = 1013;
// Made on the wizard window beside Cancel while the page shows.
inline constexpr int SaveButton = 1323;
} // namespace basicinfo

// CDialog3: photo information.
namespace photoinfo {
inline constexpr int Template = 135;
inline constexpr int PhotoList = 1013;
} // namespace photoinfo

// CDialog4: output destination and split size.
namespace destination {
inline constexpr int Template = 136;
// The browse button carries the id 2 in the template.
inline constexpr int Browse = 2;
inline constexpr int SplitSize = 1003;
inline constexpr int Folder = 1014;
inline constexpr int FolderLabel = 1017;
inline constexpr int SplitSizeLabel = 1018;
inline constexpr int SplitSizeUnit = 1019;
} // namespace destination

// CDialog9: summary; Finish.
namespace summary {
inline constexpr int Template = 133;
inline constexpr int SummaryList = 1030;
} // namespace summary

} // namespace writer::ids
