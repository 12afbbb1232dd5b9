#include "deliveryimport.h"

#include "deliveryfolder.h"
#include "photostandard.h"
#include "photoxmlreader.h"
#include "xmlstream.h"

#include "photodb/photodatabasewriter.h"
#include "photodb/photodbschema.h"
#include "platform/fileops.h"
#include "platform/pathnames.h"
#include "platform/textfile.h"
#include "platform/winpath.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

// The photo file's own name: a name that climbs out of its folder must not
// lead the album path there.
std::string plainFileName(const std::string &name)
{
    const std::size_t separator = name.find_last_of("\\/:");
    return separator == std::string::npos ? name : name.substr(separator + 1);
}

} // namespace

DeliveryImport::DeliveryImport(const QString &root, int planFlag)
    : m_root(root)
    , m_planFlag(planFlag)
{
}

bool DeliveryImport::run()
{
    const DeliveryFolder folder(m_root);
    const QString photoXmlHost = win::toHostPath(folder.photoXml());
    const std::unique_ptr<XmlStream> photoXml =
        photoXmlHost.isEmpty() ? nullptr : XmlStream::fromFile(photoXmlHost);
    if (!photoXml)
        return fail(QStringLiteral("%1 を開けません").arg(folder.photoXml()));

    readIndex();

    const QString temp = win::tempPath();
    const QString databasePath = temp + QString::fromUtf16(photodb::FileName);
    // One scratch name per process, so that two readers never share it.
    const QString scratchPath =
        temp + QStringLiteral("~G_PHOTO.%1.tmp").arg(QCoreApplication::applicationPid());
    const QString scratchHost = win::toHostPath(scratchPath);
    if (scratchHost.isEmpty())
        return fail(QStringLiteral("一時フォルダ %1 に書き込めません").arg(temp));
    win::deleteFile(scratchPath); // left over by a process that died

    const QString gxtempPath = temp + QString::fromUtf16(GXTempName);
    bool written =
        writeDatabase(*photoXml, scratchHost) && determineStandard() && writeGXTemp(gxtempPath);
    if (written && !win::moveFileReplace(scratchPath, databasePath)) {
        // GXTemp already describes this delivery; without its database the
        // pair would not match.
        win::deleteFile(gxtempPath);
        written = fail(QStringLiteral("%1 を置き換えられません").arg(databasePath));
    }
    if (!written)
        win::deleteFile(scratchPath);
    return written;
}

QString DeliveryImport::photoFolderPath(const QString &root, const QString &photoFolderName)
{
    const QString photo = QString::fromUtf16(DeliveryFolder::PhotoFolderName);
    QString name = photoFolderName;
    name.replace(u'/', u'\\');
    QStringList parts = name.split(u'\\', Qt::SkipEmptyParts);
    const bool leadsElsewhere = std::any_of(parts.cbegin(), parts.cend(), [](const QString &part) {
        return part == u"." || part == u".." || part.contains(u':');
    });
    if (parts.isEmpty() || leadsElsewhere)
        parts = QStringList {photo, QStringLiteral("PIC")};
    else if (parts.first().compare(photo, Qt::CaseInsensitive) != 0)
        parts.prepend(photo);
    return win::joinPath(root, parts.join(u'\\'));
}

void DeliveryImport::readIndex()
{
    const QString indexPath = DeliveryFolder(m_root).indexFile(m_planFlag);
    if (indexPath.isEmpty())
        return;
    m_info.indexFileName = indexPath.mid(indexPath.lastIndexOf(u'\\') + 1);
    const QString host = win::toHostPath(indexPath);
    const std::unique_ptr<XmlStream> stream = host.isEmpty() ? nullptr : XmlStream::fromFile(host);
    if (!stream) {
        m_info.indexError = QStringLiteral("開けません");
        return;
    }
    IndexXmlReader reader(*stream);
    if (!reader.read())
        m_info.indexError = reader.errorText();
    m_info.indexItems = reader.items();
    m_info.indexCriterion = reader.criterion();
}

bool DeliveryImport::determineStandard()
{
    m_info.standardName =
        PhotoStandard::determine(QString::fromStdString(m_info.photoBasic.criterion),
                                 m_info.indexCriterion,
                                 QString::fromStdString(m_info.photoBasic.dtdVersion))
            .name();
    if (m_info.standardName.isEmpty())
        return fail(QStringLiteral("電子納品データの要領が判定できません。"));
    return true;
}

bool DeliveryImport::writeDatabase(XmlStream &photoXml, const QString &databaseHostPath)
{
    PhotoDatabaseWriter database;
    if (!database.create(databaseHostPath))
        return fail(database.errorText());

    PhotoXmlReader reader(photoXml);
    std::string folderPrefix;
    std::string albumPath;
    const bool read = reader.read([&](const PhotoRecord &record) {
        if (folderPrefix.empty()) {
            // 基礎情報 precedes the photos, so the folder is known by now.
            const QString folder =
                photoFolderPath(m_root, QString::fromStdString(reader.basicInfo().photoFolder));
            folderPrefix = (folder + u'\\').toStdString();
        }
        albumPath.assign(folderPrefix).append(plainFileName(record[PhotoRecord::FileName]));
        return database.add(record, albumPath);
    });
    if (!read)
        return fail(reader.errorText().isEmpty() ? database.errorText() : reader.errorText());
    if (!database.commit())
        return fail(database.errorText());

    m_info.photoBasic = reader.basicInfo();
    m_info.photoCount = reader.photoCount();
    m_info.drawingCount = reader.drawingCount();
    return true;
}

bool DeliveryImport::writeGXTemp(const QString &path)
{
    win::TextFile file;
    if (!file.open(path, win::TextFile::Mode::WriteReplace))
        return fail(QStringLiteral("%1 を作成できません").arg(path));
    file.write(m_info.toGXTemp().text());
    if (!file.close())
        return fail(QStringLiteral("%1 を書き込めません").arg(path));
    return true;
}

bool DeliveryImport::fail(const QString &text)
{
    if (m_errorText.isEmpty())
        m_errorText = text;
    return false;
}
