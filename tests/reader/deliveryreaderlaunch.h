#pragma once

#include <QString>
#include <QStringList>

// DeliveryReader as the host application starts it: the data root D:\本棚
// under which new bookshelves are proposed, the number appended to the
// proposed folder's name ("0": none), and "1" when no new bookshelf may be
// made.
QStringList deliveryReaderArguments(const QString &shelfNumber = QStringLiteral("0"),
                                    const QString &noNewShelf = QStringLiteral("0"));
