#include "htmlreport.h"

#include "checkmessages.h"
#include "reporttext.h"

#include <QSaveFile>

namespace deliverycheck {

namespace {

constexpr char Style[] = R"(body{font-family:sans-serif;margin:1.5em}
table{border-collapse:collapse}th,td{border:1px solid #999;padding:2px 6px;text-align:left;vertical-align:top}
th{background:#ddd}tr.error td:first-child{color:#b00;font-weight:bold}tr.notice td:first-child{color:#a60}
td.number{text-align:right})";

} // namespace

QByteArray HtmlReport::document(const CheckReport &report)
{
    const QString title = messages::ReportTitle.toString();
    QString html =
        QStringLiteral("<!DOCTYPE html>\n<html lang=\"ja\">\n<head>\n<meta charset=\"utf-8\">\n"
                       "<title>%1</title>\n<style>%2</style>\n</head>\n<body>\n<h1>%1</h1>\n")
            .arg(title.toHtmlEscaped(), QString::fromLatin1(Style));
    html += QStringLiteral("<ul>\n");
    for (const QString &line : reporttext::summary(report))
        html += QStringLiteral("<li>%1</li>\n").arg(line.toHtmlEscaped());
    html += QStringLiteral("</ul>\n");
    if (report.outcome() == CheckReport::Outcome::NotADelivery)
        html += QStringLiteral("<p>%1</p>\n").arg(report.notADeliveryReason().toHtmlEscaped());

    html += QStringLiteral("<p><strong>%1</strong></p>\n")
                .arg(reporttext::result(report).toHtmlEscaped());
    html += QStringLiteral("<table>\n<tr>") + cell(messages::ClassHeading.toString(), "th")
        + cell(messages::Error.toString(), "th") + cell(messages::Notice.toString(), "th")
        + QStringLiteral("</tr>\n");
    for (const RuleClass ruleClass : RuleClasses) {
        html += QStringLiteral("<tr>") + cell(reporttext::ruleClass(ruleClass))
            + QStringLiteral("<td class=\"number\">%1</td><td class=\"number\">%2</td></tr>\n")
                  .arg(report.count(ruleClass, Level::Error))
                  .arg(report.count(ruleClass, Level::Notice));
    }
    html += QStringLiteral("<tr>") + cell(messages::TotalHeading.toString())
        + QStringLiteral(
              "<td class=\"number\">%1</td><td class=\"number\">%2</td></tr>\n</table>\n")
              .arg(report.count(Level::Error))
              .arg(report.count(Level::Notice));

    if (!report.findings().isEmpty()) {
        html +=
            QStringLiteral("<h2>%1</h2>\n<table>\n<tr>").arg(messages::MessageHeading.toString());
        for (const QStringView heading :
             {messages::LevelHeading, messages::ClassHeading, messages::FileHeading,
              messages::LineHeading, messages::ItemHeading, messages::MessageHeading})
            html += cell(heading.toString(), "th");
        html += QStringLiteral("</tr>\n");
        for (const Level level : {Level::Error, Level::Notice}) {
            const QString rowClass =
                level == Level::Error ? QStringLiteral("error") : QStringLiteral("notice");
            for (const Finding &finding : report.findings(level)) {
                html += QStringLiteral("<tr class=\"%1\">").arg(rowClass)
                    + cell(reporttext::level(finding.level))
                    + cell(reporttext::ruleClass(finding.ruleClass))
                    + cell(reporttext::file(finding))
                    + cell(finding.line > 0 ? QString::number(finding.line) : QString())
                    + cell(finding.item) + cell(finding.message) + QStringLiteral("</tr>\n");
            }
        }
        html += QStringLiteral("</table>\n");
    }
    html += QStringLiteral("</body>\n</html>\n");
    return html.toUtf8();
}

bool HtmlReport::write(const CheckReport &report, const QString &hostPath, QString *error)
{
    QSaveFile file(hostPath);
    const QByteArray bytes = document(report);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return true;
    *error = file.errorString();
    return false;
}

QString HtmlReport::cell(const QString &text, const char *tag)
{
    return QStringLiteral("<%1>%2</%1>").arg(QString::fromLatin1(tag), text.toHtmlEscaped());
}

} // namespace deliverycheck
