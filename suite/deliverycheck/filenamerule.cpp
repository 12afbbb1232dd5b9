#include "filenamerule.h"

#include "checkmessages.h"

#include <QRegularExpression>

#include <algorithm>

namespace deliverycheck {

QString FileNameRule::problem(Kind kind, const QString &name)
{
    if (!isPlainName(name))
        return messages::FileNameWithFolder.arg(name);
    static const QRegularExpression photo(QStringLiteral("^P[0-9]{7}\\.JPG$"));
    static const QRegularExpression drawing(QStringLiteral("^D[0-9]{7}\\.(JPG|TIF)$"));
    static const QRegularExpression meeting(QStringLiteral("^MTG[0-9]{5}\\.[A-Z0-9]{1,3}$"));
    static const QRegularExpression plan(QStringLiteral("^PLN[0-9]{5}\\.[A-Z0-9]{1,3}$"));
    static const QRegularExpression shortName(QStringLiteral("^[A-Z0-9_-]{1,8}\\.[A-Z0-9]{1,3}$"));
    const struct
    {
        Kind kind;
        const QRegularExpression &form;
        QStringView message;
    } forms[] = {
        {Kind::Photo, photo, messages::PhotoFileNameForm},
        {Kind::Drawing, drawing, messages::DrawingFileNameForm},
        {Kind::Meeting, meeting, messages::MeetingFileNameForm},
        {Kind::Plan, plan, messages::PlanFileNameForm},
        {Kind::Original, shortName, messages::OriginalFileNameForm},
    };
    const auto rule = std::find_if(std::begin(forms), std::end(forms),
                                   [kind](const auto &form) { return form.kind == kind; });
    if (rule->form.match(name).hasMatch())
        return QString();
    // Lower case is the likelier slip, and the one worth naming.
    if (shortName.match(name.toUpper()).hasMatch() && !shortName.match(name).hasMatch())
        return messages::FileNameNotUpperCase.arg(name);
    return rule->message.arg(name);
}

bool FileNameRule::isPlainName(const QString &name)
{
    return !name.isEmpty() && !name.contains(u'\\') && !name.contains(u'/') && !name.contains(u':')
        && name != u"." && name != u"..";
}

} // namespace deliverycheck
