#pragma once

#include <QString>
#include <QStringView>

// Where the suite keeps its bookshelves (docs/suite-data.md): the data root
// with Profile.dat, the profile folders data, data1, ... with BKSPROF.DAT,
// and each bookshelf's data folder, marked by its kouji.xml.
namespace suitedata {

inline constexpr QStringView ProfileFileName = u"Profile.dat";
inline constexpr QStringView ShelfProfileFileName = u"BKSPROF.DAT";
inline constexpr QStringView ShelfMarkerFileName = u"kouji.xml";
inline constexpr QStringView CommonSection = u"COMMON";
// Profile.dat
inline constexpr QStringView ActiveShelfKey = u"activebks";
inline constexpr QStringView RootDirKey = u"RootDir";
// BKSPROF.DAT
inline constexpr QStringView DataDirKey = u"DataDir";
inline constexpr QStringView ShelfNameKey = u"bksname";

// The name of profile folder n: "data" for 0, "data<n>" after.
QString profileFolderName(int number);

} // namespace suitedata
