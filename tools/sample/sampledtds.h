#pragma once

// Texts of the NEXCO DTD files a sample delivery carries beside its XML;
// the MLIT ones come from officialdtds.
namespace sampledtds {

extern const char16_t Photo02N[];  // PHOTO02N.DTD, NEXCO 2006
extern const char16_t Photo04N[];  // PHOTO04N.DTD, NEXCO 2012

} // namespace sampledtds
