#include "deliveryphotoxml.h"

#include "platform/codepage.h"

#include <QDir>
#include <QFile>
#include <QXmlStreamReader>

namespace host {

namespace {

const QString PhotoXmlPath = QStringLiteral("PHOTO/PHOTO.XML");
const QString DefaultPictureFolder = QStringLiteral("PHOTO/PIC");
const QString DefaultDrawingFolder = QStringLiteral("PHOTO/DRA");

// A folder name as written (either separator) with '/'; empty for one
// that would lead outside the delivery folder.
QString folderPath(const QString &text)
{
    QString path = text.trimmed();
    path.replace(u'\\', u'/');
    while (path.endsWith(u'/'))
        path.chop(1);
    const QStringList parts = path.split(u'/');
    if (path.startsWith(u'/') || path.contains(u':') || parts.contains(QStringLiteral("..")))
        return QString();
    return path;
}

class PhotoXmlItems
{
public:
    explicit PhotoXmlItems(DeliveryPhotoXml *result) : m_result(result) {}

    void startElement(QXmlStreamReader &xml)
    {
        const QStringView name = xml.name();
        if (name == u"写真情報") {
            m_photo = suitedata::ShelfPhoto();
            m_inPhoto = true;
        } else if (name == u"付加情報" && m_inPhoto) {
            m_drawing = suitedata::ShelfDrawing();
            m_inDrawing = true;
        } else if (QString *target = targetOf(name)) {
            *target = xml.readElementText(QXmlStreamReader::IncludeChildElements).trimmed();
        } else if (QStringList *list = listOf(name)) {
            list->append(xml.readElementText(QXmlStreamReader::IncludeChildElements).trimmed());
        }
    }

    void endElement(QStringView name)
    {
        if (name == u"付加情報" && m_inDrawing) {
            m_inDrawing = false;
            if (!m_drawing.fileName.isEmpty())
                m_photo.drawings.append(m_drawing);
        } else if (name == u"写真情報" && m_inPhoto) {
            m_inPhoto = false;
            if (!m_photo.fileName.isEmpty())
                m_result->photos.insert(m_photo.fileName, m_photo);
        }
    }

private:
    QString *targetOf(QStringView name)
    {
        if (m_inDrawing) {
            if (name == u"参考図ファイル名")
                return &m_drawing.fileName;
            if (name == u"参考図ファイル日本語名")
                return &m_drawing.japaneseName;
            if (name == u"参考図タイトル")
                return &m_drawing.title;
            return nullptr;
        }
        if (!m_inPhoto) {
            if (name == u"写真フォルダ名")
                return &m_result->pictureFolder;
            if (name == u"参考図フォルダ名")
                return &m_result->drawingFolder;
            return nullptr;
        }
        const std::pair<QStringView, QString *> items[] = {
            {u"写真ファイル名", &m_photo.fileName},
            {u"写真ファイル日本語名", &m_photo.japaneseFileName},
            {u"メディア番号", &m_photo.mediaNumber},
            {u"写真-大分類", &m_photo.majorClass},
            {u"写真区分", &m_photo.category},
            {u"工種", &m_photo.workType},
            {u"種別", &m_photo.kind},
            {u"細別", &m_photo.subKind},
            {u"写真タイトル", &m_photo.title},
            {u"撮影箇所", &m_photo.place},
            {u"撮影年月日", &m_photo.date},
            {u"代表写真", &m_photo.representative},
            {u"提出頻度写真", &m_photo.frequency},
            {u"施工管理値", &m_photo.managementValue},
            {u"請負者説明文", &m_photo.contractorNote},
        };
        for (const auto &[item, target] : items) {
            if (name == item)
                return target;
        }
        return nullptr;
    }

    QStringList *listOf(QStringView name)
    {
        if (m_inDrawing)
            return name == u"付加情報予備" ? &m_drawing.reserves : nullptr;
        if (m_inPhoto && name == u"工種区分予備")
            return &m_photo.classReserves;
        return nullptr;
    }

    DeliveryPhotoXml *m_result;
    suitedata::ShelfPhoto m_photo;
    suitedata::ShelfDrawing m_drawing;
    bool m_inPhoto = false;
    bool m_inDrawing = false;
};

} // namespace

DeliveryPhotoXml deliveryPhotoXmlOf(const QByteArray &bytes)
{
    DeliveryPhotoXml result;
    QXmlStreamReader xml(win::fromAnsi(bytes));
    PhotoXmlItems items(&result);
    while (!xml.atEnd()) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        if (token == QXmlStreamReader::StartElement)
            items.startElement(xml);
        else if (token == QXmlStreamReader::EndElement)
            items.endElement(xml.name());
    }
    if (xml.hasError())
        result = DeliveryPhotoXml();
    result.pictureFolder = folderPath(result.pictureFolder);
    result.drawingFolder = folderPath(result.drawingFolder);
    if (result.pictureFolder.isEmpty())
        result.pictureFolder = DefaultPictureFolder;
    if (result.drawingFolder.isEmpty())
        result.drawingFolder = DefaultDrawingFolder;
    return result;
}

DeliveryPhotoXml readDeliveryPhotoXml(const QString &deliveryHostFolder)
{
    QFile file(QDir(deliveryHostFolder).filePath(PhotoXmlPath));
    // A missing file reads as no document at all, which is broken.
    return deliveryPhotoXmlOf(file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray());
}

} // namespace host
