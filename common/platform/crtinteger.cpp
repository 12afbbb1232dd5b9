#include "crtinteger.h"

#include <limits>

namespace win {

namespace {

constexpr int Radix = 10;

bool isBlank(QChar c)
{
    // isspace: space, tab, line feed, vertical tab, form feed, carriage return.
    return c == u' ' || (c.unicode() >= u'\t' && c.unicode() <= u'\r');
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

// The blanks, sign and digits at the start of a text. The magnitude stops
// growing once it passes cap, so it never overflows.
struct LeadingInteger
{
    bool negative = false;
    bool hasDigits = false;
    quint64 magnitude = 0;
    qsizetype end = 0;  // just after the last digit
};

LeadingInteger readLeadingInteger(QStringView text, quint64 cap)
{
    LeadingInteger result;
    qsizetype i = 0;
    while (i < text.size() && isBlank(text[i]))
        ++i;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
        result.negative = text[i] == u'-';
        ++i;
    }
    for (; i < text.size(); ++i) {
        const int digit = digitValue(text[i]);
        if (digit < 0)
            break;
        result.hasDigits = true;
        if (result.magnitude <= cap)
            result.magnitude = result.magnitude * Radix + digit;
    }
    result.end = i;
    return result;
}

} // namespace

int wtoi(QStringView text)
{
    // One past the int maximum: negated, that is the int minimum.
    constexpr quint64 Limit = quint64(std::numeric_limits<int>::max()) + 1;
    const LeadingInteger read = readLeadingInteger(text, Limit);
    const quint64 magnitude = qMin(read.magnitude, Limit);
    if (read.negative)
        return int(-qint64(magnitude));
    return int(qMin<quint64>(magnitude, std::numeric_limits<int>::max()));
}

std::optional<qint64> parseIntegerText(QStringView text, qint64 minimum, qint64 maximum)
{
    const quint64 cap = quint64(qMax(qAbs(minimum), qAbs(maximum))) + 1;
    const LeadingInteger read = readLeadingInteger(text, cap);
    if (!read.hasDigits)
        return std::nullopt;
    qsizetype i = read.end;
    while (i < text.size() && isBlank(text[i]))
        ++i;
    if (i != text.size() || read.magnitude > cap)
        return std::nullopt;
    const qint64 value = read.negative ? -qint64(read.magnitude) : qint64(read.magnitude);
    if (value < minimum || value > maximum)
        return std::nullopt;
    return value;
}

} // namespace win
