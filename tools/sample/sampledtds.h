#pragma once

// Texts of the DTD files a sample delivery carries beside its XML.
namespace sampledtds {

extern const char16_t Photo05[];   // PHOTO05.DTD
extern const char16_t IndexC04[];  // INDE_C04.DTD
extern const char16_t Photo02N[];  // PHOTO02N.DTD, NEXCO 2006
extern const char16_t Photo04N[];  // PHOTO04N.DTD, NEXCO 2012

} // namespace sampledtds
