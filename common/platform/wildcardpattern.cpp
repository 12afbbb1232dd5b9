#include "wildcardpattern.h"

#include <vector>

namespace win {

namespace {

// The file system's DOS wildcards; the characters are the ones NT uses,
// which can never be part of a pattern because names may not hold them.
constexpr char16_t DosStar = u'<';
constexpr char16_t DosQm = u'>';
constexpr char16_t DosDot = u'"';

QString dosExpression(const QString &pattern)
{
    QString expression = pattern;
    for (qsizetype i = 0; i < expression.size(); ++i) {
        const char16_t c = expression.at(i).unicode();
        if (i > 0 && c == u'.' && expression.at(i - 1) == QLatin1Char('*'))
            expression[i - 1] = QChar(DosStar);
        if (c == u'?' || c == u'*') {
            if (c == u'?')
                expression[i] = QChar(DosQm);
            if (i > 0 && expression.at(i - 1) == QLatin1Char('.'))
                expression[i - 1] = QChar(DosDot);
        }
    }
    if (expression.endsWith(QLatin1Char('.')))
        expression[expression.size() - 1] = QChar(DosDot);
    return expression;
}

} // namespace

WildcardPattern::WildcardPattern(const QString &pattern)
    : m_expression(dosExpression(pattern))
    , m_everything(pattern == QLatin1String("*") || pattern == QLatin1String("*.*"))
{
}

bool WildcardPattern::hasWildcards(const QString &pattern)
{
    return pattern.contains(QLatin1Char('*')) || pattern.contains(QLatin1Char('?'));
}

bool WildcardPattern::matches(const QString &name) const
{
    if (m_everything)
        return true;
    const qsizetype patternLength = m_expression.size();
    const qsizetype nameLength = name.size();
    const qsizetype lastDot = name.lastIndexOf(QLatin1Char('.'));
    const qsizetype width = nameLength + 1;
    // matched[p * width + n]: the expression from p matches the name from n.
    std::vector<char> matched(size_t((patternLength + 1) * width), 0);
    auto at = [&](qsizetype p, qsizetype n) -> char & { return matched[size_t(p * width + n)]; };
    at(patternLength, nameLength) = 1;

    for (qsizetype p = patternLength - 1; p >= 0; --p) {
        const char16_t c = m_expression.at(p).unicode();
        qsizetype afterQms = p;
        while (afterQms < patternLength && m_expression.at(afterQms) == QChar(DosQm))
            ++afterQms;
        for (qsizetype n = nameLength; n >= 0; --n) {
            const bool more = n < nameLength;
            const char16_t x = more ? name.at(n).unicode() : 0;
            bool result = false;
            switch (c) {
            case u'*':
                result = at(p + 1, n) || (more && at(p, n + 1));
                break;
            case DosStar:
                result = at(p + 1, n) || (more && !(x == u'.' && n == lastDot) && at(p, n + 1));
                break;
            case DosQm:
                result = (!more || x == u'.') ? at(afterQms, n) : at(p + 1, n + 1);
                break;
            case DosDot:
                result = more ? (x == u'.' && at(p + 1, n + 1)) : at(p + 1, n);
                break;
            default:
                result = more && QChar::toUpper(x) == QChar::toUpper(c) && at(p + 1, n + 1);
                break;
            }
            at(p, n) = result;
        }
    }
    return at(0, 0);
}

} // namespace win
