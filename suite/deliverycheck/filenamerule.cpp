#include "filenamerule.h"

#include "checkmessages.h"

#include <QRegularExpression>

namespace deliverycheck {

QString FileNameRule::problem(Kind kind, const QString &name)
{
    if (!isPlainName(name))
        return messages::FileNameWithFolder.arg(name);
    static const QRegularExpression photo(QStringLiteral("^P[0-9]{7}\\.JPG$"));
    static const QRegularExpression drawing(QStringLiteral("^D[0-9]{7}\\.(JPG|TIF)$"));
    static const QRegularExpression shortName(QStringLiteral("^[A-Z0-9_-]{1,8}\\.[A-Z0-9]{1,3}$"));
    const QRegularExpression &form = kind == Kind::Photo ? photo : drawing;
    if (form.match(name).hasMatch())
        return QString();
    // Lower case is the likelier slip, and the one worth naming.
    if (shortName.match(name.toUpper()).hasMatch() && !shortName.match(name).hasMatch())
        return messages::FileNameNotUpperCase.arg(name);
    return (kind == Kind::Photo ? messages::PhotoFileNameForm : messages::DrawingFileNameForm)
        .arg(name);
}

bool FileNameRule::isPlainName(const QString &name)
{
    return !name.isEmpty() && !name.contains(u'\\') && !name.contains(u'/') && !name.contains(u':')
        && name != u"." && name != u"..";
}

} // namespace deliverycheck
