#pragma once

#include <QString>

// 適用要領基準 of the documents the host writes, by the ordering body of
// the delivery standard code: the identifiers of the editions whose DTDs
// (PHOTO05.DTD, INDE_C04.DTD) go with every export.
namespace host {

QString applicableStandardOf(int standardCode);

// Government-building (営繕) codes: the photos go into a folder tree of
// albums and class levels, without XML.
bool isGovernmentBuildingCode(int standardCode);

} // namespace host
