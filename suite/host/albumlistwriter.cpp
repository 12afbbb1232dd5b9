#include "albumlistwriter.h"

#include "platform/fileops.h"
#include "platform/profile.h"

#include <QtEndian>

namespace host {

namespace {

const QString Section = QStringLiteral("COMMON");

} // namespace

bool writeAlbumList(const QString &path, const QString &dataRoot, int shelf,
                    const QList<qint32> &albums)
{
    // Keys of an earlier run must not survive into this one.
    win::deleteFile(path);
    QByteArray block(albums.size() * qsizetype(sizeof(qint32)), '\0');
    for (qsizetype i = 0; i < albums.size(); ++i)
        qToLittleEndian<qint32>(albums.at(i), block.data() + i * sizeof(qint32));
    // UTF-16, so that a data folder with any name reads back as written.
    return win::writePrivateProfileString(Section, QStringLiteral("DataDir"), dataRoot, path,
                                          win::ProfileEncoding::Utf16)
        && win::writePrivateProfileString(Section, QStringLiteral("SelectedBks"),
                                          QString::number(shelf), path)
        && win::writePrivateProfileString(Section, QStringLiteral("SelectedAbmNum"),
                                          QString::number(albums.size()), path)
        && (albums.isEmpty()
            || win::writePrivateProfileStruct(Section, QStringLiteral("SelectedAbm"), block, path));
}

} // namespace host
