#include "commandline.h"

#include <algorithm>
#include <limits>

namespace reader {

namespace {

// isspace in the C locale.
bool isCrtBlank(QChar c)
{
    return c == u' ' || (c >= u'\t' && c <= u'\r');
}

} // namespace

int crtToInt(QStringView text)
{
    qsizetype i = 0;
    while (i < text.size() && isCrtBlank(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    // Capped one past the int maximum: negated, that is the int minimum.
    constexpr qint64 Limit = qint64(std::numeric_limits<int>::max()) + 1;
    qint64 value = 0;
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
        value = value * 10 + (text[i].unicode() - u'0');
        if (value > Limit)
            value = Limit;
    }
    if (negative)
        return int(-value);
    return int(std::min<qint64>(value, std::numeric_limits<int>::max()));
}

std::optional<LaunchArguments> parseLaunchArguments(const QStringList &arguments)
{
    if (arguments.size() != LaunchArgumentCount + 1)
        return std::nullopt;
    LaunchArguments parsed;
    parsed.dataRoot = arguments.at(1);
    parsed.shelfNumber = crtToInt(arguments.at(2));
    parsed.noNewShelf = crtToInt(arguments.at(3));
    return parsed;
}

} // namespace reader
