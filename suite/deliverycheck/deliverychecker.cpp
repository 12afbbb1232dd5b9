#include "deliverychecker.h"

#include "checkmessages.h"
#include "deliverytree.h"
#include "forbiddencharacters.h"
#include "imagecheck.h"
#include "indexcheck.h"
#include "itemchecker.h"
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
    QString indexName;
    DeliveryFolder(folder).planFlag(&indexName);
    const DeliveryTree::Entry *photoXmlEntry = tree.entry(QString::fromUtf16(PhotoXmlName));
    if (photoXmlEntry && photoXmlEntry->directory)
        photoXmlEntry = nullptr;
    if (indexName.isEmpty() && !photoXmlEntry) {
        report.setNotADelivery(messages::NotADelivery.toString());
        return report;
    }
    const DeliveryTree::Folder *photoFolder = tree.folder(QStringLiteral("PHOTO"));
    const QString indexHost = indexName.isEmpty() ? QString() : rootHost + u'/' + indexName;
    const QString photoXml =
        photoXmlEntry ? DeliveryTree::join(photoFolder->relative, photoXmlEntry->name) : QString();
    const QString photoHost =
        photoXmlEntry ? photoFolder->hostPath + u'/' + photoXmlEntry->name : QString();

    const PhotoStandard standard = StandardProbe::determine(indexHost, photoHost);
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

    IndexCheck::Facts index;
    if (indexName.isEmpty()) {
        report.error(RuleClass::Structure, QString(), 0, QString(),
                     messages::MissingIndexFile.toString());
    } else {
        tree.markNamed(indexName);
        index = IndexCheck(report, items).run(indexHost, indexName);
        tree.markNamed(index.dtdFileName);
        for (const IndexCheck::NamedFolder &named : std::as_const(index.folders)) {
            if (markFolder(tree, named.path).isEmpty())
                report.error(RuleClass::Structure, indexName, named.line, QString(),
                             messages::MissingNamedFolder.arg(indexName, named.path));
        }
        report.summary().indexFile = indexName;
        report.summary().indexDtd = index.dtdDescription;
    }

    PhotoCheck::Facts photos;
    if (photoFolder)
        tree.markNamed(photoFolder->relative);
    if (!photoXmlEntry) {
        report.error(RuleClass::Structure, QString(), 0, QString(),
                     messages::MissingPhotoXml.toString());
    } else {
        tree.markNamed(photoXml);
        photos = PhotoCheck(report, items, tree, index, standard.body()).run(photoHost, photoXml);
        report.summary().photoFile = photoXml;
        report.summary().photoDtd = photos.dtdDescription;
    }

    QList<StructureCheck::Described> described;
    if (!indexName.isEmpty())
        described.append({QString(), indexName});
    if (photoFolder && !photoXml.isEmpty()) {
        described.append({photoFolder->relative, photoXml});
        described.append({photos.photoFolder, photoXml});
        described.append({photos.drawingFolder, photoXml});
    }
    StructureCheck(report, tree).run(described);

    const int files = photos.photoFolder.isEmpty() ? 0 : fileCount(tree.folder(photos.photoFolder));
    if (photoXmlEntry && photos.read && files != photos.photosOnThisMedium)
        report.error(RuleClass::Items, photoXml, 0, QStringLiteral("写真情報"),
                     messages::PhotoCountMismatch.arg(QString::number(photos.photosOnThisMedium),
                                                      QString::number(files)));

    if (m_options.decodeImages) {
        ImageCheck images(report);
        for (const PhotoCheck::ImageFile &image : std::as_const(photos.images))
            images.check(image.relative, image.hostPath, image.drawing);
    }

    report.summary().photos = photos.photos;
    report.summary().drawings = photos.drawings;
    report.summary().photoFiles = files;
    return report;
}

} // namespace deliverycheck
