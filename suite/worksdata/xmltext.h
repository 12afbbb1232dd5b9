#pragma once

#include <string>

// Text helpers for values read from delivery XML.
namespace xmltext {

// Removes XML white space (blank, tab, CR, LF) at both ends, in place.
void trim(std::string &text);

} // namespace xmltext
