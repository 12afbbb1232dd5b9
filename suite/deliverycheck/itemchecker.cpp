#include "itemchecker.h"

#include "checkmessages.h"
#include "checkreport.h"
#include "deliverydate.h"
#include "filenamerule.h"
#include "forbiddencharacters.h"

#include "fullwidthlength.h"

namespace deliverycheck {

namespace {

bool allOf(const QString &value, bool (*accepted)(char16_t))
{
    for (const QChar c : value) {
        if (!accepted(c.unicode()))
            return false;
    }
    return true;
}

bool isDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

bool isPrintableAscii(char16_t c)
{
    return c > u' ' && c < 0x7F;
}

// Capitals and digits, with '/' between the levels of a folder name.
bool isUpperNameCharacter(char16_t c)
{
    return isDigit(c) || (c >= u'A' && c <= u'Z') || c == u'_' || c == u'-' || c == u'/';
}

} // namespace

ItemChecker::ItemChecker(CheckReport &report, ForbiddenCharacters &forbidden)
    : m_report(report)
    , m_forbidden(forbidden)
{
}

bool ItemChecker::check(const QString &file, int line, const ItemRule *rule, const QString &item,
                        const QString &value)
{
    if (value.isEmpty()) {
        if (rule && rule->required) {
            m_report.error(RuleClass::Items, file, line, item, messages::RequiredEmpty.toString());
            return false;
        }
        return true;
    }
    bool passed = true;
    if (rule) {
        if (const QString problem = formProblem(*rule, value); !problem.isEmpty()) {
            m_report.error(RuleClass::Items, file, line, item, problem);
            return false;
        }
        if (const int length = lengthOf(*rule, value);
            rule->maxLength > 0 && length > rule->maxLength) {
            m_report.error(RuleClass::Items, file, line, item,
                           messages::TooLong.arg(QString::number(length),
                                                 QString::number(rule->maxLength)));
            passed = false;
        }
        // The form already keeps these to ASCII, which the list permits.
        if (isAscii(rule->kind))
            return passed;
    }
    if (const QString forbidden = m_forbidden.in(value); !forbidden.isEmpty()) {
        m_report.error(RuleClass::Items, file, line, item,
                       messages::ForbiddenCharacters.arg(forbidden));
        passed = false;
    }
    return passed;
}

QString ItemChecker::formProblem(const ItemRule &rule, const QString &value)
{
    switch (rule.kind) {
    case ItemKind::Text:
        return QString();
    case ItemKind::Digits:
        return allOf(value, isDigit) ? QString() : messages::NotDigits.arg(value);
    case ItemKind::Alphanumeric:
        return allOf(value, isPrintableAscii) ? QString() : messages::NotAlphanumeric.arg(value);
    case ItemKind::UpperAlphanumeric:
        return allOf(value, isUpperNameCharacter) ? QString()
                                                  : messages::NotUpperAlphanumeric.arg(value);
    case ItemKind::Date: {
        DeliveryDate::Problem problem = DeliveryDate::Problem::None;
        DeliveryDate::parse(value, &problem);
        switch (problem) {
        case DeliveryDate::Problem::None:
            return QString();
        case DeliveryDate::Problem::Form:
            return messages::DateForm.arg(value);
        case DeliveryDate::Problem::NotReal:
            return messages::DateNotReal.arg(value);
        }
        return QString();
    }
    case ItemKind::Flag:
        return value == u"0" || value == u"1" ? QString() : messages::NotFlag.arg(value);
    case ItemKind::PhotoFileName:
        return FileNameRule::problem(FileNameRule::Kind::Photo, value);
    case ItemKind::DrawingFileName:
        return FileNameRule::problem(FileNameRule::Kind::Drawing, value);
    case ItemKind::MeetingFileName:
        return FileNameRule::problem(FileNameRule::Kind::Meeting, value);
    case ItemKind::PlanFileName:
        return FileNameRule::problem(FileNameRule::Kind::Plan, value);
    case ItemKind::OriginalFileName:
        return FileNameRule::problem(FileNameRule::Kind::Original, value);
    }
    return QString();
}

int ItemChecker::lengthOf(const ItemRule &rule, const QString &value)
{
    return rule.kind == ItemKind::Text
        ? writer::FullWidthLength(reinterpret_cast<const char16_t *>(value.utf16()))
        : int(value.size());
}

bool ItemChecker::isAscii(ItemKind kind)
{
    return kind != ItemKind::Text;
}

} // namespace deliverycheck
