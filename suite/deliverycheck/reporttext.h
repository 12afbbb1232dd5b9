#pragma once

#include "checkreport.h"

#include <QString>
#include <QStringList>

// The words both forms of the report use: levels, classes, a finding's
// place, the summary lines and the result line.
namespace deliverycheck::reporttext {

QString level(Level level);
QString ruleClass(RuleClass ruleClass);
// The file (or the folder itself) and the line, when there is one.
QString file(const Finding &finding);
QString line(const Finding &finding);
// What the folder holds, one line each.
QStringList summary(const CheckReport &report);
QString classCounts(const CheckReport &report, RuleClass ruleClass);
QString result(const CheckReport &report);

} // namespace deliverycheck::reporttext
