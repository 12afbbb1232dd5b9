#pragma once

#include <QByteArray>
#include <QString>

// The photo and drawing files themselves, through Qt's image reader:
// photos JPEG, drawings JPEG or TIFF, each readable to its end; a photo's
// pixel count against what the photo standards ask (about 1 to 3 million
// pixels). A truncated JPEG decodes to a grey remainder without an error,
// so a JPEG must also end in its end-of-image marker.
namespace deliverycheck {

class CheckReport;

class ImageCheck final
{
public:
    static constexpr qint64 MinPixels = 1'000'000;
    static constexpr qint64 MaxPixels = 3'000'000;

    explicit ImageCheck(CheckReport &report);

    void check(const QString &relative, const QString &hostPath, bool drawing);

private:
    static bool endsWithEndOfImage(const QString &hostPath);
    static bool looksLikeTiff(const QString &hostPath);

    CheckReport &m_report;
};

} // namespace deliverycheck
