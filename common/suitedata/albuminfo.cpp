#include "albuminfo.h"

#include "xmlelement.h"

#include <QXmlStreamWriter>

namespace suitedata {

namespace {
constexpr QStringView RootElement = u"album";
constexpr QStringView LabelElement = u"label";
constexpr QStringView PasswordElement = u"password";
} // namespace

namespace {

bool takeAlbumInfo(bool read, const XmlElement &root, AlbumInfo *info)
{
    if (!read || root.name != RootElement)
        return false;
    info->label = root.childText(LabelElement);
    info->password = root.childText(PasswordElement).trimmed().toInt() != 0;
    return true;
}

} // namespace

bool readAlbumInfo(const QString &hostFile, AlbumInfo *info)
{
    XmlElement root;
    QString error;
    return takeAlbumInfo(readXmlFile(hostFile, &root, &error), root, info);
}

bool readAlbumInfoXml(const QByteArray &bytes, AlbumInfo *info)
{
    XmlElement root;
    QString error;
    return takeAlbumInfo(readXmlBytes(bytes, AlbumFileName.toString(), &root, &error), root, info);
}

QByteArray albumInfoXml(const AlbumInfo &info)
{
    QByteArray bytes;
    QXmlStreamWriter xml(&bytes);
    xml.writeStartDocument();
    xml.writeStartElement(RootElement.toString());
    xml.writeTextElement(LabelElement.toString(), info.label);
    if (info.password)
        xml.writeTextElement(PasswordElement.toString(), QStringLiteral("1"));
    // Not writeEndDocument: it would add a line break after the root.
    xml.writeEndElement();
    return bytes;
}

} // namespace suitedata
