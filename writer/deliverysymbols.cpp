#include "deliverysymbols.h"

#include <algorithm>

namespace writer {

bool isDeliverySymbol(char32_t character)
{
    return std::find(DeliverySymbols.begin(), DeliverySymbols.end(), character)
           != DeliverySymbols.end();
}

} // namespace writer
