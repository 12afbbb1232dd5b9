#pragma once

#include <QString>

// How the photo standards name the files a PHOTO.XML lists: plain names
// of the 8.3 form in half-width capitals, Pnnnnnnn.JPG for photos and
// Dnnnnnnn.JPG or Dnnnnnnn.TIF for reference drawings.
namespace deliverycheck {

class FileNameRule final
{
public:
    enum class Kind { Photo, Drawing };

    // What is wrong with the name, empty when nothing is.
    static QString problem(Kind kind, const QString &name);
    // A name without folders, so that looking it up stays in its folder.
    static bool isPlainName(const QString &name);
};

} // namespace deliverycheck
