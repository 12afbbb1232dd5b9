#include "integertext.h"

namespace ui {

namespace {

constexpr int Radix = 10;

bool isBlank(QChar c)
{
    // isspace: space, tab, line feed, vertical tab, form feed, carriage return.
    return c == QLatin1Char(' ') || (c.unicode() >= 0x09 && c.unicode() <= 0x0D);
}

int digitValue(QChar c)
{
    const char16_t code = c.unicode();
    if (code >= u'0' && code <= u'9')
        return code - u'0';
    if (code >= u'０' && code <= u'９')
        return code - u'０';
    return -1;
}

} // namespace

std::optional<qint64> parseIntegerText(const QString &text, qint64 minimum, qint64 maximum)
{
    qsizetype i = 0;
    const qsizetype size = text.size();
    while (i < size && isBlank(text.at(i)))
        ++i;
    bool negative = false;
    if (i < size && (text.at(i) == QLatin1Char('+') || text.at(i) == QLatin1Char('-'))) {
        negative = text.at(i) == QLatin1Char('-');
        ++i;
    }
    // The magnitude stops growing once it passes both limits, so it never
    // overflows; such a value is refused below anyway.
    const quint64 cap = quint64(qMax(qAbs(minimum), qAbs(maximum))) + 1;
    quint64 magnitude = 0;
    const qsizetype firstDigit = i;
    for (; i < size; ++i) {
        const int digit = digitValue(text.at(i));
        if (digit < 0)
            break;
        if (magnitude <= cap)
            magnitude = magnitude * Radix + digit;
    }
    if (i == firstDigit)
        return std::nullopt;
    while (i < size && isBlank(text.at(i)))
        ++i;
    if (i != size || magnitude > cap)
        return std::nullopt;
    const qint64 value = negative ? -qint64(magnitude) : qint64(magnitude);
    if (value < minimum || value > maximum)
        return std::nullopt;
    return value;
}

} // namespace ui
