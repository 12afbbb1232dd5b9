#pragma once

#include "deliveryinfo.h"

#include <QString>

#include <string>

class PhotoXmlReader;
class XmlStream;

// DNXmlRead: reads a standard delivery (its index file and PHOTO\PHOTO.XML)
// and leaves GXTemp and G_PHOTO.mdb in the temp folder.
//
// Both files are replaced only when the whole of PHOTO.XML was read and
// its standard is known: the database is written into a scratch file and
// renamed into place, GXTemp is replaced the same way. On failure the temp
// folder keeps what it held before, so an earlier good pair is never
// replaced by half a read, and nothing describes the failed delivery.
class DeliveryImport final
{
public:
    static constexpr char16_t GXTempName[] = u"GXTemp";

    DeliveryImport(const QString &root, int planFlag);

    bool run();

    QString errorText() const { return m_errorText; }
    const DeliveryInfo &info() const { return m_info; }

    // Where the photos of a delivery lie: 写真フォルダ名 taken below the
    // root when it starts with PHOTO ("PHOTO/PIC"), else below the PHOTO
    // folder ("PIC"); PHOTO\PIC when it is empty or leads elsewhere.
    static QString photoFolderPath(const QString &root, const QString &photoFolderName);

private:
    void readIndex();
    bool writeDatabase(XmlStream &photoXml, const QString &databaseHostPath);
    bool determineStandard();
    bool writeGXTemp(const QString &path);
    bool fail(const QString &text);

    QString m_root;
    int m_planFlag;
    DeliveryInfo m_info;
    QString m_errorText;
};
