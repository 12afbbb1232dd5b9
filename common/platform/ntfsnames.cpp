#include "ntfsnames.h"

namespace win {

QString ntfsUpper(const QString &name)
{
    QString upper = name;
    for (QChar &c : upper)
        c = QChar(QChar::toUpper(c.unicode()));
    return upper;
}

bool ntfsEqual(const QString &a, const QString &b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (QChar::toUpper(a.at(i).unicode()) != QChar::toUpper(b.at(i).unicode()))
            return false;
    }
    return true;
}

bool ntfsLess(const QString &a, const QString &b)
{
    const QString upperA = ntfsUpper(a);
    const QString upperB = ntfsUpper(b);
    if (upperA != upperB)
        return upperA < upperB;
    return a < b;
}

} // namespace win
