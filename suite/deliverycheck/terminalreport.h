#pragma once

#include "checkreport.h"

#include <QString>

// The report as the terminal shows it: the summary, the errors and then
// the notices (each with its place and item, at most MaxListed of each
// level), the counts per class and the result.
namespace deliverycheck {

class TerminalReport final
{
public:
    static constexpr int MaxListed = 200;

    // htmlReport: where the full report was written, empty when it was not.
    static QString text(const CheckReport &report, const QString &htmlReport = QString());

private:
    static QString findingLine(const Finding &finding);
};

} // namespace deliverycheck
