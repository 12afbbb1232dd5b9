#include "reporttext.h"

#include "checkmessages.h"

namespace deliverycheck::reporttext {

QString level(Level level)
{
    return (level == Level::Error ? messages::Error : messages::Notice).toString();
}

QString ruleClass(RuleClass ruleClass)
{
    switch (ruleClass) {
    case RuleClass::Structure:
        return messages::Structure.toString();
    case RuleClass::Grammar:
        return messages::Grammar.toString();
    case RuleClass::Items:
        return messages::Items.toString();
    case RuleClass::Images:
        return messages::Images.toString();
    }
    return QString();
}

QString file(const Finding &finding)
{
    return finding.file.isEmpty() ? messages::RootFolder.toString() : finding.file;
}

QString line(const Finding &finding)
{
    return finding.line > 0 ? messages::LineNumber.arg(QString::number(finding.line)) : QString();
}

QStringList summary(const CheckReport &report)
{
    const CheckReport::Summary &s = report.summary();
    const auto orNone = [](const QString &text) {
        return text.isEmpty() ? messages::None.toString() : text;
    };
    QStringList lines = {messages::FolderLine.arg(s.folder)};
    if (report.outcome() == CheckReport::Outcome::NotADelivery)
        return lines;
    lines.append(messages::IndexLine.arg(orNone(s.indexFile), orNone(s.indexDtd)));
    lines.append(messages::PhotoLine.arg(orNone(s.photoFile), orNone(s.photoDtd)));
    for (const CheckReport::Summary::Document &document : s.otherDocuments)
        lines.append(messages::OtherDocumentLine.arg(document.file, orNone(document.dtd)));
    lines.append(messages::StandardLine.arg(orNone(s.standardName)));
    QString counts = messages::CountLine.arg(QString::number(s.photos), QString::number(s.drawings),
                                             QString::number(s.photoFiles));
    if (!s.imagesDecoded)
        counts += messages::ImagesNotDecoded;
    lines.append(counts);
    return lines;
}

QString classCounts(const CheckReport &report, RuleClass ruleClass)
{
    return messages::ClassCounts.arg(reporttext::ruleClass(ruleClass),
                                     QString::number(report.count(ruleClass, Level::Error)),
                                     QString::number(report.count(ruleClass, Level::Notice)));
}

QString result(const CheckReport &report)
{
    switch (report.outcome()) {
    case CheckReport::Outcome::Passed:
        return messages::ResultPassed.arg(QString::number(report.count(Level::Notice)));
    case CheckReport::Outcome::Failed:
        return messages::ResultFailed.arg(QString::number(report.count(Level::Error)),
                                          QString::number(report.count(Level::Notice)));
    case CheckReport::Outcome::NotADelivery:
        return messages::ResultNotADelivery.toString();
    }
    return QString();
}

} // namespace deliverycheck::reporttext
