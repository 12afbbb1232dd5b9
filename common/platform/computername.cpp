#include "computername.h"

#include <QSysInfo>

namespace win {

QString computerName()
{
    const QString fromEnvironment = qEnvironmentVariable("COMPUTERNAME");
    if (!fromEnvironment.isEmpty())
        return fromEnvironment;
    return QSysInfo::machineHostName().section(u'.', 0, 0);
}

} // namespace win
