#pragma once

#include <QString>

// How the standards name the files a delivery document lists: plain names
// of the 8.3 form in half-width capitals, Pnnnnnnn.JPG for photos,
// Dnnnnnnn.JPG or Dnnnnnnn.TIF for reference drawings, MTGnnnmm.XXX for
// the files of meeting records and PLNnnnmm.XXX for those of plans (nnn
// the record's serial, mm the file's number), any 8.3 name for the other
// documents' files.
namespace deliverycheck {

class FileNameRule final
{
public:
    enum class Kind { Photo, Drawing, Meeting, Plan, Original };

    // What is wrong with the name, empty when nothing is.
    static QString problem(Kind kind, const QString &name);
    // A name without folders, so that looking it up stays in its folder.
    static bool isPlainName(const QString &name);
};

} // namespace deliverycheck
