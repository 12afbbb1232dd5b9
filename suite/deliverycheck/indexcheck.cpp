#include "indexcheck.h"

#include "checkmessages.h"
#include "checkreport.h"
#include "deliverydate.h"
#include "documentcheck.h"
#include "itemchecker.h"

#include "xmlstream.h"

namespace deliverycheck {

namespace {

constexpr char16_t FolderNameSuffix[] = u"フォルダ名";
const QStringList PeriodStartItems = {QStringLiteral("工期開始日"),
                                      QStringLiteral("履行期間-着手")};
const QStringList PeriodEndItems = {QStringLiteral("工期終了日"), QStringLiteral("履行期間-完了")};

} // namespace

IndexCheck::IndexCheck(CheckReport &report, ItemChecker &items)
    : m_report(report)
    , m_items(items)
{
}

IndexCheck::Facts IndexCheck::run(const QString &hostPath, const QString &relativeFile)
{
    m_facts = Facts();
    m_start = Dated();
    m_end = Dated();
    m_mediaLine = 0;
    m_file = relativeFile;
    DocumentCheck document(m_report, hostPath, relativeFile);
    m_stream = document.open();
    if (!m_stream)
        return m_facts;
    document.read(*this);
    m_stream = nullptr;
    m_facts.read = document.isWellFormed();
    if (document.dtd().origin == DtdSource::Origin::Folder)
        m_facts.dtdFileName = document.dtd().fileName;
    m_facts.dtdDescription = document.dtdDescription();
    checkPeriod();
    checkMedia();
    return m_facts;
}

void IndexCheck::startElement(const char *name, int depth, int)
{
    if (depth == 0)
        takeRules(qstrcmp(name, "gyomudata") == 0 ? Document::DesignIndex
                                                  : Document::ConstructionIndex);
}

void IndexCheck::takeRules(Document document)
{
    m_rules.clear();
    for (const ItemRule *rule : rulesOf(document))
        m_rules.insert(m_stream->intern(QString::fromUtf16(rule->name).toUtf8().constData()), rule);
}

void IndexCheck::leaf(const char *name, const QString &text, int line)
{
    const ItemRule *rule = m_rules.value(name);
    const QString item = rule ? QString::fromUtf16(rule->name) : QString::fromUtf8(name);
    const bool passed = m_items.check(m_file, line, rule, item, text);
    if (item.endsWith(QStringView(FolderNameSuffix)) && !text.isEmpty())
        m_facts.folders.append({item, text, line});
    if (!passed)
        return;
    if (PeriodStartItems.contains(item))
        m_start = {item, text, line};
    else if (PeriodEndItems.contains(item))
        m_end = {item, text, line};
    else if (item == u"メディア番号") {
        m_facts.mediaNumber = text.toInt();
        m_mediaLine = line;
    } else if (item == u"メディア総枚数")
        m_facts.mediaTotal = text.toInt();
}

void IndexCheck::endElement(const char *, int)
{
}

void IndexCheck::checkPeriod()
{
    m_facts.periodStart = DeliveryDate::parse(m_start.text);
    m_facts.periodEnd = DeliveryDate::parse(m_end.text);
    if (m_facts.periodStart && m_facts.periodEnd && *m_facts.periodStart > *m_facts.periodEnd) {
        m_report.error(RuleClass::Items, m_file, m_start.line, m_start.item,
                       messages::PeriodReversed.arg(m_start.item, m_start.text, m_end.item,
                                                    m_end.text));
    }
}

void IndexCheck::checkMedia()
{
    if (m_mediaLine == 0)
        return;
    const QString item = QStringLiteral("メディア番号");
    if (m_facts.mediaNumber < 1)
        m_report.error(RuleClass::Items, m_file, m_mediaLine, item,
                       messages::MediaNumberZero.toString());
    else if (m_facts.mediaTotal > 0 && m_facts.mediaNumber > m_facts.mediaTotal)
        m_report.error(RuleClass::Items, m_file, m_mediaLine, item,
                       messages::MediaNumberOver.arg(QString::number(m_facts.mediaNumber),
                                                     QString::number(m_facts.mediaTotal)));
}

} // namespace deliverycheck
