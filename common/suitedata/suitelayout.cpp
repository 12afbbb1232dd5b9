#include "suitelayout.h"

namespace suitedata {

QString profileFolderName(int number)
{
    return number == 0 ? QStringLiteral("data") : QStringLiteral("data%1").arg(number);
}

} // namespace suitedata
