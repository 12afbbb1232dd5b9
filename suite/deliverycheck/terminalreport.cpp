#include "terminalreport.h"

#include "checkmessages.h"
#include "reporttext.h"

namespace deliverycheck {

QString TerminalReport::text(const CheckReport &report, const QString &htmlReport)
{
    QStringList lines = {messages::ReportTitle.toString()};
    lines += reporttext::summary(report);
    lines.append(QString());
    if (report.outcome() == CheckReport::Outcome::NotADelivery) {
        lines.append(report.notADeliveryReason());
        lines.append(reporttext::result(report));
        return lines.join(u'\n') + u'\n';
    }

    for (const Level level : {Level::Error, Level::Notice}) {
        const QList<Finding> findings = report.findings(level);
        for (qsizetype i = 0; i < findings.size() && i < MaxListed; ++i)
            lines.append(findingLine(findings[i]));
        if (findings.size() > MaxListed) {
            const QString more = QString::number(findings.size() - MaxListed);
            lines.append(htmlReport.isEmpty() ? messages::MoreFindingsNoHtml.arg(more)
                                              : messages::MoreFindings.arg(more, htmlReport));
        }
    }
    if (!report.findings().isEmpty())
        lines.append(QString());

    for (const RuleClass ruleClass : RuleClasses)
        lines.append(reporttext::classCounts(report, ruleClass));
    lines.append(reporttext::result(report));
    return lines.join(u'\n') + u'\n';
}

QString TerminalReport::findingLine(const Finding &finding)
{
    QStringList parts = {reporttext::level(finding.level), reporttext::file(finding)};
    if (finding.line > 0)
        parts.append(reporttext::line(finding));
    if (!finding.item.isEmpty())
        parts.append(finding.item + u':');
    parts.append(finding.message);
    return parts.join(u' ');
}

} // namespace deliverycheck
