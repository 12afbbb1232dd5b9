#pragma once

// Template and control ids of DeliveryReader's pages. Each page's form is
// resources/reader/page<template id>_<role>.ui; control ids repeat from
// page to page, so they are grouped per page. Statics have no id.
namespace reader::ids {

// CDialogA: delivery root folder.
namespace rootfolder {
inline constexpr int Template = 137;
inline constexpr int Browse = 1000;
inline constexpr int Folder = 1001;
} // namespace rootfolder

// CDialog7: edition of the government-building standard.
namespace standardversion {
inline constexpr int Template = 142;
inline constexpr int Std2012 = 1009;
inline constexpr int Std2002 = 1010;
} // namespace standardversion

// CDialogB: album hierarchy (the folder tree, CKaisouTree).
namespace hierarchy {
inline constexpr int Template = 138;
inline constexpr int Tree = 1024;
// Bitmap of the tree's four tick images.
inline constexpr int TickImages = 139;
} // namespace hierarchy

// CDialog2: basic and construction information.
namespace basicinfo {
inline constexpr int Template = 130;
inline constexpr int InfoList = 1013;
} // namespace basicinfo

// CDialog3: photo information.
namespace photoinfo {
inline constexpr int Template = 136;
inline constexpr int FileNameByPhoto = 1009;
inline constexpr int FileNameByJapanese = 1010;
inline constexpr int FileNameLabel = 1012;
inline constexpr int PhotoList = 1013;
} // namespace photoinfo

// CDialog4: album creation method.
namespace albummethod {
inline constexpr int Template = 134;
inline constexpr int Count = 1001;
inline constexpr int ByCount = 1009;
inline constexpr int ByClass = 1010;
inline constexpr int CountLabel = 1011;
// Classification depth 1 to 5: Level1 + depth - 1.
inline constexpr int Level1 = 1020;
inline constexpr int Level2 = 1021;
inline constexpr int Level3 = 1022;
inline constexpr int Level4 = 1023;
inline constexpr int Level5 = 1024;
} // namespace albummethod

// CDialog9: import mode and bookshelf folder.
namespace importmode {
inline constexpr int Template = 133;
inline constexpr int Browse = 1000;
inline constexpr int ShelfPath = 1001;
inline constexpr int ImportNew = 1009;
inline constexpr int ReferOnly = 1010;
} // namespace importmode

// CDialog10: summary and finish.
namespace summary {
inline constexpr int Template = 141;
inline constexpr int SummaryList = 1027;
} // namespace summary

} // namespace reader::ids
