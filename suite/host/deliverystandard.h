#pragma once

#include <QString>

// 適用要領基準 of the documents the host writes, by the ordering body of
// the delivery standard code: the identifiers of the editions whose DTDs
// (PHOTO05.DTD, INDE_C04.DTD) go with every export.
namespace host {

QString applicableStandardOf(int standardCode);

} // namespace host
