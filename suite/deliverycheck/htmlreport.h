#pragma once

#include "checkreport.h"

#include <QByteArray>
#include <QString>

// The report as an HTML page (UTF-8) with every finding: the summary, the
// counts per class and a table of the findings, errors first.
namespace deliverycheck {

class HtmlReport final
{
public:
    static QByteArray document(const CheckReport &report);
    // Writes the page to a host path, replacing it whole or not at all;
    // false with *error set when it cannot.
    static bool write(const CheckReport &report, const QString &hostPath, QString *error);

private:
    static QString cell(const QString &text, const char *tag = "td");
};

} // namespace deliverycheck
