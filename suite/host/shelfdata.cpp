#include "shelfdata.h"

#include "platform/pathnames.h"
#include "platform/profile.h"
#include "platform/winpath.h"
#include "suitedata/suitelayout.h"

#include <QDir>
#include <QFileInfo>

namespace host {

namespace {

const QString AlbumMarkerFileName = QStringLiteral("KOUJI.XML");

} // namespace

QString shelfDataFolder(const QString &dataRoot, int shelf)
{
    const QString profile =
        win::joinPath(win::joinPath(dataRoot, suitedata::profileFolderName(shelf)),
                      suitedata::ShelfProfileFileName.toString());
    return win::getPrivateProfileString(suitedata::CommonSection.toString(),
                                        suitedata::DataDirKey.toString(), QString(), win::MaxPath,
                                        profile);
}

QList<qint32> shelfAlbumNumbers(const QString &dataFolder)
{
    QList<qint32> numbers;
    const QString folder = win::toHostPath(dataFolder);
    if (folder.isEmpty())
        return numbers;
    const QStringList albums =
        QDir(folder).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    qint32 number = 0;
    for (const QString &album : albums) {
        if (QFileInfo::exists(QDir(folder).filePath(album + u'/' + AlbumMarkerFileName)))
            numbers.append(++number);
    }
    return numbers;
}

} // namespace host
