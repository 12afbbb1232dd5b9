#include "basicinfofile.h"

#include "gxtemp.h"

#include "platform/winpath.h"

#include <QFile>
#include <QStandardPaths>

namespace writer::basicinfo {

namespace {

constexpr qsizetype ByteOrderMarkBytes = 2;

} // namespace

QString desktopFolder()
{
    const QString host = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    return host.isEmpty() ? QString() : win::toWindowsPath(host);
}

QString markerFreeText(const QString &gxTempPath)
{
    QFile file(win::toHostPath(gxTempPath));
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    const QByteArray bytes = file.readAll().mid(ByteOrderMarkBytes);
    const QString text = QString::fromUtf16(reinterpret_cast<const char16_t *>(bytes.constData()),
                                            bytes.size() / 2);
    return GXTemp::removeMarkers(text);
}

bool writeUtf16File(const QString &windowsPath, const QString &text)
{
    const QString host = win::toHostPath(windowsPath);
    if (host.isEmpty())
        return false;
    QFile file(host);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    const QString withMark = QChar(0xFEFF) + text;
    QByteArray bytes;
    bytes.reserve(withMark.size() * 2);
    for (const QChar unit : withMark) {
        bytes.append(char(unit.unicode() & 0xFF));
        bytes.append(char(unit.unicode() >> 8));
    }
    return file.write(bytes) == bytes.size();
}

} // namespace writer::basicinfo
