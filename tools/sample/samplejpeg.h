#pragma once

#include <QByteArray>

// A tiny but real JPEG image (a 16 x 12 colour gradient), made once and
// copied into every photo and drawing file of the sample data.
class SampleJpeg final
{
public:
    // Empty when Qt's JPEG writer is missing.
    static QByteArray bytes();
};
