// Feeds arbitrary bytes to the private profile reader and editor as the
// content of a profile file, the way the programs use NetProf.dat and the
// settings files: values, integers and structs read, then a key written,
// deleted and a section deleted, each checked by reading it back.
#include "fuzzcheck.h"
#include "fuzzsupport.h"
#include "platform/profile.h"
#include "platform/winpath.h"

#include <QFile>

#include <cstddef>
#include <cstdint>

namespace {

using fuzz::check;

void readSome(const QString &path)
{
    for (const char *section : {"COMMON", "USED", "VERSION", "SERIALNO", ""}) {
        const QString name = QString::fromLatin1(section);
        for (const char *key : {"0", "DataDir", "Version", "activebks"}) {
            const QString value = win::getPrivateProfileString(name, QString::fromLatin1(key),
                                                               QStringLiteral("-"), 61, path);
            check(value.size() <= 60);
            win::getPrivateProfileInt(name, QString::fromLatin1(key), 0, path);
            QByteArray data;
            win::getPrivateProfileStruct(name, QString::fromLatin1(key), &data, 4, path);
        }
    }
}

qint64 fileSize(const QString &path)
{
    return QFile(win::toHostPath(path)).size();
}

// Deleting goes on until the name reads as missing; a file may hold the
// same key or section more than once, but every deletion must shrink it.
template <typename Delete>
void deleteUntilGone(const QString &path, const QString &section, const QString &key, Delete remove)
{
    const QString gone = QStringLiteral("gone");
    while (win::getPrivateProfileString(section, key, gone, 260, path) != gone) {
        const qint64 before = fileSize(path);
        check(remove());
        check(fileSize(path) < before);
    }
}

void editAndReadBack(const QString &path)
{
    const QString section = QStringLiteral("USED");
    const QString key = QStringLiteral("0");
    const QString value = QStringLiteral("6162ab値");
    if (!win::writePrivateProfileString(section, key, value, path))
        return;
    check(win::getPrivateProfileString(section, key, QString(), 260, path) == value);
    deleteUntilGone(path, section, key, [&] { return win::deletePrivateProfileKey(section, key, path); });
    const QString lock = QStringLiteral("LOCK");
    deleteUntilGone(path, lock, key, [&] { return win::deletePrivateProfileSection(lock, path); });
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString path = fuzz::writeInput(QStringLiteral("NetProf.dat"), data, size);
    if (path.isEmpty())
        return 0;
    readSome(path);
    editAndReadBack(path);
    return 0;
}
