#include "deliveryplan.h"

#include <QDir>
#include <QFileInfo>

namespace host {

namespace {

constexpr qint64 BytesPerMb = 1024 * 1024;
constexpr int SerialDigits = 7;

QString serialName(QChar prefix, int serial)
{
    return prefix + QStringLiteral("%1.JPG").arg(serial, SerialDigits, 10, QLatin1Char('0'));
}

qint64 fileSize(const QString &hostPath)
{
    return QFileInfo(hostPath).size();
}

} // namespace

QString mediumFolderName(int mediumNumber)
{
    return QStringLiteral("MEDIA%1").arg(mediumNumber, 2, 10, QLatin1Char('0'));
}

QList<PlannedMedium> planMedia(const ExportSource &source, const OutputSettings &settings)
{
    const qint64 limit = settings.splitSizeMb > 0 ? settings.splitSizeMb * BytesPerMb : 0;
    const bool keptNames = settings.photoType == KeptPhotoNames;
    QList<PlannedMedium> media{{settings.startMedia, {}, 0}};
    int serial = 0;
    int drawingSerial = 0;
    for (const ExportPhoto &photo : source.photos) {
        PlannedPhoto planned;
        planned.serial = ++serial;
        planned.photo = &photo;
        planned.sourceHost = QDir(photo.albumHostFolder).filePath(photo.item.fileName);
        planned.name = keptNames ? photo.item.fileName : serialName(u'P', planned.serial);
        qint64 bytes = 0;
        if (!settings.xmlOnly) {
            planned.bytes = fileSize(planned.sourceHost);
            bytes += planned.bytes;
        }
        for (const suitedata::ShelfDrawing &drawing : photo.item.drawings) {
            PlannedDrawing plannedDrawing;
            plannedDrawing.item = &drawing;
            plannedDrawing.sourceHost = QDir(photo.albumHostFolder).filePath(drawing.fileName);
            plannedDrawing.name = serialName(u'D', ++drawingSerial);
            if (!settings.xmlOnly) {
                plannedDrawing.bytes = fileSize(plannedDrawing.sourceHost);
                bytes += plannedDrawing.bytes;
            }
            planned.drawings.append(plannedDrawing);
        }
        // A photo larger than a medium still goes onto one of its own.
        if (limit > 0 && !media.last().photos.isEmpty() && media.last().bytes + bytes > limit)
            media.append({media.last().number + 1, {}, 0});
        media.last().photos.append(planned);
        media.last().bytes += bytes;
    }
    return media;
}

} // namespace host
