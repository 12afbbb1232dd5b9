#include "deliverydate.h"

#include <QRegularExpression>

namespace deliverycheck {

std::optional<QDate> DeliveryDate::parse(const QString &text, Problem *problem)
{
    static const QRegularExpression form(QStringLiteral("^([0-9]{4})-([0-9]{2})-([0-9]{2})$"));
    const QRegularExpressionMatch match = form.match(text);
    Problem found = Problem::Form;
    std::optional<QDate> date;
    if (match.hasMatch()) {
        const QDate parsed(match.captured(1).toInt(), match.captured(2).toInt(),
                           match.captured(3).toInt());
        found = parsed.isValid() ? Problem::None : Problem::NotReal;
        if (parsed.isValid())
            date = parsed;
    }
    if (problem)
        *problem = found;
    return date;
}

} // namespace deliverycheck
