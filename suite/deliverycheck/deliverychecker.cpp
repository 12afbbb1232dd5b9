#include "deliverychecker.h"

#include "checkmessages.h"
#include "deliverytree.h"
#include "forbiddencharacters.h"
#include "imagecheck.h"
#include "indexcheck.h"
#include "itemchecker.h"
#include "otherdatacheck.h"
#include "photocheck.h"
#include "standardprobe.h"
#include "structurecheck.h"

#include "deliveryfolder.h"
#include "platform/hostentry.h"
#include "platform/pathnames.h"
#include "platform/winpath.h"

namespace deliverycheck {

namespace {

constexpr char16_t PhotoXmlName[] = u"PHOTO\\PHOTO.XML";

// The files of the photo folder that count as its photos.
int fileCount(const DeliveryTree::Folder *folder)
{
    int count = 0;
    if (!folder)
        return count;
    for (const DeliveryTree::Entry &entry : folder->entries) {
        if (!entry.directory && !StructureCheck::isHiddenOrSystem(entry.name))
            ++count;
    }
    return count;
}

// The listed path of a named folder (relative, either separator), marking
// each of its levels named; empty when a level is missing.
QString markFolder(DeliveryTree &tree, const QString &path)
{
    QString relative;
    const QStringList levels = QString(path).replace(u'/', u'\\').split(u'\\', Qt::SkipEmptyParts);
    for (const QString &level : levels) {
        DeliveryTree::Folder *parent = tree.folder(relative);
        DeliveryTree::Entry *entry = parent ? parent->find(level) : nullptr;
        if (!entry || !entry->directory)
            return QString();
        entry->named = true;
        relative = DeliveryTree::join(relative, entry->name);
    }
    return relative;
}

} // namespace

DeliveryChecker::DeliveryChecker()
    : DeliveryChecker(Options())
{
}

DeliveryChecker::DeliveryChecker(const Options &options)
    : m_options(options)
{
}

CheckReport DeliveryChecker::check(const QString &folder) const
{
    CheckReport report;
    report.summary().folder = folder;
    report.summary().imagesDecoded = m_options.decodeImages;
    const QString rootHost = win::toHostPath(folder);
    if (rootHost.isEmpty() || !win::HostEntry::of(rootHost).directory) {
        report.setNotADelivery(messages::NoFolder.arg(folder));
        return report;
    }
    DeliveryTree tree(rootHost);
    Documents documents = find(folder, tree);
    if (documents.indexName.isEmpty() && documents.photoXml.isEmpty()) {
        report.setNotADelivery(messages::NotADelivery.toString());
        return report;
    }

    const PhotoStandard standard =
        StandardProbe::determine(documents.indexHost, documents.photoHost);
    report.summary().standardName = standard.name();
    const bool strict = standard.name() == QStringView(PhotoStandard::Nexco2006Name);
    ForbiddenCharacters forbidden(m_options.characterListFolder.isEmpty()
                                      ? win::programFolder()
                                      : m_options.characterListFolder,
                                  strict);
    if (!forbidden.isAvailable())
        report.notice(RuleClass::Items, QString(), 0, QString(),
                      messages::CharacterListMissing.arg(forbidden.listPath()));
    ItemChecker items(report, forbidden);

    const IndexCheck::Facts index = checkIndex(documents, tree, items, report);
    PhotoCheck::Facts photos;
    if (documents.photoXml.isEmpty()) {
        report.error(RuleClass::Structure, QString(), 0, QString(),
                     messages::MissingPhotoXml.toString());
    } else {
        tree.markNamed(documents.photoXml);
        photos = PhotoCheck(report, items, tree, index, standard.body())
                     .run(documents.photoHost, documents.photoXml);
        report.summary().photoFile = documents.photoXml;
        report.summary().photoDtd = photos.dtdDescription;
    }
    const QList<StructureCheck::Described> otherData =
        documents.indexName.isEmpty()
        ? QList<StructureCheck::Described>()
        : OtherDataCheck(report, items, tree).run(index, documents.indexName);
    checkStructure(documents, photos, otherData, tree, report);
    if (m_options.decodeImages) {
        ImageCheck images(report);
        for (const PhotoCheck::ImageFile &image : std::as_const(photos.images))
            images.check(image.relative, image.hostPath, image.drawing);
    }
    report.summary().photos = photos.photos;
    report.summary().drawings = photos.drawings;
    return report;
}

DeliveryChecker::Documents DeliveryChecker::find(const QString &folder, DeliveryTree &tree)
{
    Documents documents;
    DeliveryFolder(folder).planFlag(&documents.indexName);
    if (!documents.indexName.isEmpty())
        documents.indexHost = tree.folder(QString())->hostPath + u'/' + documents.indexName;
    documents.photoFolder = tree.folder(QStringLiteral("PHOTO"));
    const DeliveryTree::Entry *photoXml = tree.entry(QString::fromUtf16(PhotoXmlName));
    if (documents.photoFolder && photoXml && !photoXml->directory) {
        documents.photoXml = DeliveryTree::join(documents.photoFolder->relative, photoXml->name);
        documents.photoHost = documents.photoFolder->hostPath + u'/' + photoXml->name;
    }
    if (documents.photoFolder)
        tree.markNamed(documents.photoFolder->relative);
    return documents;
}

IndexCheck::Facts DeliveryChecker::checkIndex(const Documents &documents, DeliveryTree &tree,
                                              ItemChecker &items, CheckReport &report)
{
    if (documents.indexName.isEmpty()) {
        report.error(RuleClass::Structure, QString(), 0, QString(),
                     messages::MissingIndexFile.toString());
        return IndexCheck::Facts();
    }
    tree.markNamed(documents.indexName);
    const IndexCheck::Facts index =
        IndexCheck(report, items).run(documents.indexHost, documents.indexName);
    tree.markNamed(index.dtdFileName);
    for (const IndexCheck::NamedFolder &named : std::as_const(index.folders)) {
        if (markFolder(tree, named.path).isEmpty())
            report.error(RuleClass::Structure, documents.indexName, named.line, QString(),
                         messages::MissingNamedFolder.arg(documents.indexName, named.path));
    }
    report.summary().indexFile = documents.indexName;
    report.summary().indexDtd = index.dtdDescription;
    return index;
}

void DeliveryChecker::checkStructure(const Documents &documents, const PhotoCheck::Facts &photos,
                                     const QList<StructureCheck::Described> &otherData,
                                     DeliveryTree &tree, CheckReport &report)
{
    QList<StructureCheck::Described> described = otherData;
    if (!documents.indexName.isEmpty())
        described.append({QString(), documents.indexName});
    if (!documents.photoXml.isEmpty()) {
        described.append({documents.photoFolder->relative, documents.photoXml});
        described.append({photos.photoFolder, documents.photoXml});
        described.append({photos.drawingFolder, documents.photoXml});
    }
    StructureCheck(report, tree).run(described);

    const int files = photos.photoFolder.isEmpty() ? 0 : fileCount(tree.folder(photos.photoFolder));
    report.summary().photoFiles = files;
    if (photos.read && files != photos.photosOnThisMedium)
        report.error(RuleClass::Items, documents.photoXml, 0, QStringLiteral("写真情報"),
                     messages::PhotoCountMismatch.arg(QString::number(photos.photosOnThisMedium),
                                                      QString::number(files)));
}

} // namespace deliverycheck
