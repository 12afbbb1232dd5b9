#include "samplejpeg.h"

#include <QBuffer>
#include <QImage>

namespace {

constexpr int Width = 16;
constexpr int Height = 12;
constexpr int Quality = 60;

QByteArray encode()
{
    QImage image(Width, Height, QImage::Format_RGB32);
    for (int y = 0; y < Height; ++y) {
        for (int x = 0; x < Width; ++x)
            image.setPixel(x, y, qRgb(x * 255 / Width, y * 255 / Height, 160));
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    return image.save(&buffer, "JPG", Quality) ? bytes : QByteArray();
}

} // namespace

QByteArray SampleJpeg::bytes()
{
    static const QByteArray jpeg = encode();
    return jpeg;
}
