#include "xmltext.h"

namespace xmltext {

void trim(std::string &text)
{
    static constexpr char WhiteSpace[] = " \t\r\n";
    const std::size_t last = text.find_last_not_of(WhiteSpace);
    if (last == std::string::npos) {
        text.clear();
        return;
    }
    text.erase(last + 1);
    text.erase(0, text.find_first_not_of(WhiteSpace));
}

} // namespace xmltext
