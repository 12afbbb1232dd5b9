#include "checkreport.h"

namespace deliverycheck {

void CheckReport::add(const Finding &finding)
{
    m_findings.append(finding);
    ++m_counts[int(finding.ruleClass)][int(finding.level)];
}

void CheckReport::error(RuleClass ruleClass, const QString &file, int line, const QString &item,
                        const QString &message)
{
    add({Level::Error, ruleClass, file, line, item, message});
}

void CheckReport::notice(RuleClass ruleClass, const QString &file, int line, const QString &item,
                         const QString &message)
{
    add({Level::Notice, ruleClass, file, line, item, message});
}

void CheckReport::setNotADelivery(const QString &reason)
{
    m_notADelivery = reason;
}

CheckReport::Outcome CheckReport::outcome() const
{
    if (!m_notADelivery.isEmpty())
        return Outcome::NotADelivery;
    return count(Level::Error) > 0 ? Outcome::Failed : Outcome::Passed;
}

QList<Finding> CheckReport::findings(Level level) const
{
    QList<Finding> result;
    for (const Finding &finding : m_findings) {
        if (finding.level == level)
            result.append(finding);
    }
    return result;
}

int CheckReport::count(RuleClass ruleClass, Level level) const
{
    return m_counts[int(ruleClass)][int(level)];
}

int CheckReport::count(Level level) const
{
    int total = 0;
    for (const RuleClass ruleClass : RuleClasses)
        total += count(ruleClass, level);
    return total;
}

} // namespace deliverycheck
