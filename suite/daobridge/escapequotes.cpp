#include "jetdao/jetdao.h"

namespace JETDAO {

QString EscapeQuotes(const QString &value)
{
    QString escaped = value;
    return escaped.replace(QLatin1Char('\''), QStringLiteral("''"));
}

} // namespace JETDAO
