#pragma once

#include <QString>

// The DTDs of MLIT's 2008/05 editions as every delivery disc carries them
// (here as text; a disc holds them in Shift_JIS with CR LF): PHOTO05.DTD for
// PHOTO.XML, INDE_C04.DTD for INDEX_C.XML, and for the other delivery data
// MEET04.DTD (MEET.XML), PLAN04.DTD (PLAN.XML) and OTHRS04.DTD (OTHRS.XML).
// They are the only editions we hold; there is no DTD of INDEX_D.XML
// among them.
namespace officialdtds {

extern const char16_t Photo05[];  // PHOTO05.DTD
extern const char16_t IndexC04[]; // INDE_C04.DTD
extern const char16_t Meet04[];   // MEET04.DTD
extern const char16_t Plan04[];   // PLAN04.DTD
extern const char16_t Othrs04[];  // OTHRS04.DTD

// The text of the DTD of that file name (compared without regard to case);
// null for one we do not hold.
const char16_t *named(const QString &fileName);

} // namespace officialdtds
