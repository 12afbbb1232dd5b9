#pragma once

#include <QDate>
#include <QString>

#include <optional>

// Dates of the delivery documents, written CCYY-MM-DD.
namespace deliverycheck {

class DeliveryDate final
{
public:
    enum class Problem { None, Form, NotReal };

    // The date; nothing when the text is not one, with *problem saying why.
    static std::optional<QDate> parse(const QString &text, Problem *problem = nullptr);
};

} // namespace deliverycheck
