#include "namecoding.h"

#include "platform/codepage.h"

#include <algorithm>

namespace {

bool isHexDigit(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= u'0' && u <= u'9') || (u >= u'a' && u <= u'f') || (u >= u'A' && u <= u'F');
}

} // namespace

namespace netprof {

QString EncodeName(const QString &name)
{
    return QString::fromLatin1(win::toAnsi(name).toHex());
}

QString DecodeName(const QString &hexText)
{
    if (hexText.size() % 2 != 0 || !std::all_of(hexText.begin(), hexText.end(), isHexDigit))
        return hexText;
    return win::fromAnsi(QByteArray::fromHex(hexText.toLatin1()));
}

} // namespace netprof
