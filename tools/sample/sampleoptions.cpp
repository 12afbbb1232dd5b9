#include "sampleoptions.h"

std::optional<DeliveryOptions::Standard> DeliveryOptions::standardNamed(const QString &name)
{
    if (name == u"mlit")
        return Standard::Mlit;
    if (name == u"maff")
        return Standard::Maff;
    if (name == u"nexco24")
        return Standard::Nexco2012;
    if (name == u"nexco18")
        return Standard::Nexco2006;
    return std::nullopt;
}

std::optional<DeliveryOptions::Encoding> DeliveryOptions::encodingNamed(const QString &name)
{
    if (name == u"sjis")
        return Encoding::ShiftJis;
    if (name == u"utf8")
        return Encoding::Utf8;
    return std::nullopt;
}
