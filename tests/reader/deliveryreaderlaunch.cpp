#include "deliveryreaderlaunch.h"

QStringList deliveryReaderArguments(const QString &shelfNumber, const QString &noNewShelf)
{
    return {QStringLiteral("D:\\本棚"), shelfNumber, noNewShelf};
}
