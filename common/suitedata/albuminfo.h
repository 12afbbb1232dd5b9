#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

// An album's KOUJI.XML in the album folder (docs/suite-data.md):
//   <?xml version="1.0" encoding="UTF-8"?><album><label>…</label></album>
// with <password>1</password> after the label for a password-protected album.
namespace suitedata {

inline constexpr QStringView AlbumFileName = u"KOUJI.XML";

struct AlbumInfo
{
    QString label;         // the album's name as the suite shows it
    bool password = false; // the album is password-protected
};

// Reads the file at a host path; false when it is missing or not an album
// file (broken XML, another root element).
bool readAlbumInfo(const QString &hostFile, AlbumInfo *info);
// The same from the file's bytes.
bool readAlbumInfoXml(const QByteArray &bytes, AlbumInfo *info);

// The bytes of the file: UTF-8, no line breaks.
QByteArray albumInfoXml(const AlbumInfo &info);

} // namespace suitedata
