#include "imagecheck.h"

#include "checkmessages.h"
#include "checkreport.h"

#include <QFile>
#include <QImage>
#include <QImageReader>

namespace deliverycheck {

namespace {

constexpr char JpegFormat[] = "jpeg";
constexpr char TiffFormat[] = "tiff";
// The end-of-image marker stands at the end, after it at most some padding
// that cameras and editors leave.
constexpr qint64 EndOfImageScan = 4096;

} // namespace

ImageCheck::ImageCheck(CheckReport &report)
    : m_report(report)
{
}

void ImageCheck::check(const QString &relative, const QString &hostPath, bool drawing)
{
    QImageReader reader(hostPath);
    reader.setDecideFormatFromContent(true);
    const QByteArray format = reader.format();
    if (format.isEmpty()) {
        // Qt may be built without TIFF, which drawings may be.
        if (drawing && looksLikeTiff(hostPath))
            m_report.notice(RuleClass::Images, relative, 0, QString(),
                            messages::FormatNotReadable.arg(QStringLiteral("TIFF")));
        else
            m_report.error(RuleClass::Images, relative, 0, QString(),
                           messages::NotAnImage.arg(reader.errorString()));
        return;
    }
    if (format != JpegFormat && (!drawing || format != TiffFormat)) {
        m_report.error(RuleClass::Images, relative, 0, QString(),
                       messages::NotJpeg.arg(QString::fromLatin1(format)));
        return;
    }
    const QSize size = reader.size();
    const QImage image = reader.read();
    if (image.isNull()) {
        m_report.error(RuleClass::Images, relative, 0, QString(),
                       messages::NotAnImage.arg(reader.errorString()));
        return;
    }
    if (format == JpegFormat && !endsWithEndOfImage(hostPath)) {
        m_report.error(RuleClass::Images, relative, 0, QString(),
                       messages::NotAnImage.arg(messages::JpegCutOff));
        return;
    }
    const qint64 pixels = qint64(size.width()) * size.height();
    if (!drawing && size.isValid() && (pixels < MinPixels || pixels > MaxPixels)) {
        m_report.notice(RuleClass::Images, relative, 0, QString(),
                        messages::PixelsOutside.arg(QString::number(size.width()),
                                                    QString::number(size.height()),
                                                    QString::number(pixels)));
    }
}

bool ImageCheck::endsWithEndOfImage(const QString &hostPath)
{
    QFile file(hostPath);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const qint64 start = qMax<qint64>(0, file.size() - EndOfImageScan);
    if (!file.seek(start))
        return false;
    return file.read(EndOfImageScan).contains("\xFF\xD9");
}

bool ImageCheck::looksLikeTiff(const QString &hostPath)
{
    QFile file(hostPath);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray head = file.read(4);
    return head == QByteArrayView("II*\0", 4) || head == QByteArrayView("MM\0*", 4);
}

} // namespace deliverycheck
