#pragma once

#include "sampleoptions.h"
#include "sampleprofile.h"

#include <QByteArray>
#include <QString>

class SampleXmlWriter;
struct SamplePhoto;

// Makes a standard delivery as a contractor's disc holds it: INDEX_C.XML
// with INDE_C04.DTD in the root, PHOTO\PHOTO.XML with its DTD, the photos
// in PHOTO\PIC and reference drawings in PHOTO\DRA, all small real JPEG
// files. The same options give the same bytes.
class DeliveryGenerator final
{
public:
    static constexpr char16_t IndexFile[] = u"INDEX_C.XML";
    static constexpr char16_t IndexDtdFile[] = u"INDE_C04.DTD";

    explicit DeliveryGenerator(const DeliveryOptions &options);

    // folder is a host path; it must be missing or empty.
    bool generate(const QString &folder);

    int drawingCount() const { return m_drawings; }
    QString errorText() const { return m_errorText; }

private:
    QByteArray indexXml() const;
    bool writePhotos(const QString &folder);
    void writePhoto(SampleXmlWriter &xml, const SamplePhoto &photo) const;
    bool writeText(const QString &path, const QString &text);

    DeliveryOptions m_options;
    SampleProfile m_profile;
    int m_drawings = 0;
    QString m_errorText;
};
