#include "deliveryexport.h"

#include "deliveryplan.h"
#include "deliverystandard.h"
#include "deliveryxml.h"
#include "filenames.h"
#include "officialdtds.h"
#include "otherdataxml.h"
#include "photostylesheet.h"

#include "platform/winpath.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <filesystem>

namespace host {

namespace {

QString dtdText(const char16_t *fileName)
{
    return QString::fromUtf16(officialdtds::named(QString::fromUtf16(fileName)));
}

} // namespace

DeliveryExport::DeliveryExport(const OutputSettings &settings, const ExportSource &source)
    : m_settings(settings), m_source(source)
{
}

bool DeliveryExport::run()
{
    const QString rootHost = win::toHostPath(m_settings.folder);
    if (rootHost.isEmpty()) {
        m_errorText = QStringLiteral("%1: no drive maps the output folder").arg(m_settings.folder);
        return false;
    }
    m_summary = ExportSummary();
    m_otherData = OtherDataPlan();
    if (m_settings.otherData && !isGovernmentBuildingCode(m_settings.standardCode)
        && !planOtherData(m_source.registrations, m_source.calsFolder, &m_otherData,
                          &m_errorText))
        return false;
    return isGovernmentBuildingCode(m_settings.standardCode) ? runGovernmentBuilding(rootHost)
                                                             : runStandard(rootHost);
}

bool DeliveryExport::runStandard(const QString &rootHost)
{
    const QList<PlannedMedium> media = planMedia(m_source, m_settings);
    DeliveryTexts texts;
    // The wizard's identifiers first, then the bookshelf's, then the
    // edition of the code's ordering body.
    const QString held = m_source.construction.basic.applicableStandard;
    const QString standard =
        held.isEmpty() ? applicableStandardOf(m_settings.standardCode) : held;
    texts.indexStandard = m_settings.koujiJH.isEmpty() ? standard : m_settings.koujiJH;
    texts.photoStandard = m_settings.syashiJH.isEmpty() ? standard : m_settings.syashiJH;
    texts.japaneseNames = m_settings.japaneseNames;
    texts.stylesheet = isStylesheetFormat(m_settings.sheet);
    const QByteArray indexDtd = discText(dtdText(IndexDtdFileName));
    const QByteArray photoDtd = discText(dtdText(PhotoDtdFileName));

    // Media numbered from the start medium end the set: the discs before
    // it hold the rest of the delivery, so the total is the last number.
    const int lastMedium = media.last().number;
    const int total = int(m_source.photos.size());
    for (const PlannedMedium &medium : media) {
        const QDir folder(media.size() == 1 ? rootHost
                                            : QDir(rootHost).filePath(mediumFolderName(medium.number)));
        const QDir photoFolder(folder.filePath(QString::fromUtf16(PhotoFolderName)));
        const QDir pictures(photoFolder.filePath(QString::fromUtf16(PictureFolderName)));
        const QDir drawings(photoFolder.filePath(QString::fromUtf16(DrawingFolderName)));
        if (!makeFolder(photoFolder.path()))
            return false;
        // The other delivery data stays on the first medium; the index
        // names the folders its medium holds.
        const bool firstMedium = medium.number == media.first().number;
        suitedata::ConstructionInfo construction = m_source.construction;
        nameOtherFolders(firstMedium ? &m_otherData : nullptr, &construction.basic);
        if (!writeFile(folder.filePath(QString::fromUtf16(IndexFileName)),
                       indexXml(construction, texts, medium.number, lastMedium))
            || !writeFile(folder.filePath(QString::fromUtf16(IndexDtdFileName)), indexDtd)
            || !writeFile(photoFolder.filePath(QString::fromUtf16(PhotoFileName)),
                          photoXml(medium, texts))
            || !writeFile(photoFolder.filePath(QString::fromUtf16(PhotoDtdFileName)), photoDtd)
            || (texts.stylesheet
                && !writeFile(photoFolder.filePath(QString::fromUtf16(StylesheetFileName)),
                              photoStylesheet(m_settings.sheet))))
            return false;
        if (!m_settings.xmlOnly && !makeFolder(pictures.path()))
            return false;
        if (firstMedium && !writeOtherData(folder.path()))
            return false;
        bool drawingsMade = false;
        for (const PlannedPhoto &photo : medium.photos) {
            if (!m_settings.xmlOnly) {
                if (!copyFile(photo.sourceHost, pictures.filePath(photo.name)))
                    return false;
                for (const PlannedDrawing &drawing : photo.drawings) {
                    if (!drawingsMade && !makeFolder(drawings.path()))
                        return false;
                    drawingsMade = true;
                    if (!copyFile(drawing.sourceHost, drawings.filePath(drawing.name)))
                        return false;
                }
            }
            ++m_summary.photos;
            if (m_progress)
                m_progress(m_summary.photos, total);
        }
        ++m_summary.media;
    }
    return true;
}

bool DeliveryExport::runGovernmentBuilding(const QString &rootHost)
{
    // One tree, whatever split size; the photos' serial names as planned.
    OutputSettings tree = m_settings;
    tree.splitSizeMb = 0;
    tree.xmlOnly = false;
    const QList<PlannedMedium> media = planMedia(m_source, tree);
    const int total = int(m_source.photos.size());
    QSet<QString> taken; // target paths, compared as Windows does
    for (const PlannedPhoto &photo : media.first().photos) {
        const suitedata::ShelfPhoto &item = photo.photo->item;
        QStringList levels{windowsName(photo.photo->albumLabel.isEmpty()
                                          ? QFileInfo(photo.photo->albumHostFolder).fileName()
                                          : photo.photo->albumLabel)};
        for (const QString &level : {item.majorClass, item.category, item.workType}) {
            if (level.isEmpty())
                break;
            levels.append(windowsName(level));
        }
        const QDir folder(QDir(rootHost).filePath(levels.join(u'/')));
        if (!makeFolder(folder.path()))
            return false;
        const QString kept = item.japaneseFileName.isEmpty() ? item.fileName
                                                             : item.japaneseFileName;
        const QString target = uniquePath(
            folder, m_settings.photoType == KeptPhotoNames ? windowsName(kept) : photo.name, &taken);
        if (!copyFile(photo.sourceHost, target))
            return false;
        ++m_summary.photos;
        if (m_progress)
            m_progress(m_summary.photos, total);
    }
    m_summary.media = 1;
    return true;
}

bool DeliveryExport::writeOtherData(const QString &mediumHost)
{
    const QDir medium(mediumHost);
    const bool names = m_settings.japaneseNames;
    if (!m_otherData.meetings.isEmpty()) {
        const QString folder = medium.filePath(QString::fromUtf16(MeetingFolderName));
        if (!writeDocumentFolder(folder, MeetingFileName, meetingXml(m_otherData.meetings, names),
                                 MeetingDtdFileName)
            || !copyOriginals(QDir(folder).filePath(QString::fromUtf16(OriginalFolderName)),
                              m_otherData.meetings))
            return false;
    }
    if (!m_otherData.plans.isEmpty()) {
        const QString folder = medium.filePath(QString::fromUtf16(PlanFolderName));
        if (!writeDocumentFolder(folder, PlanFileName, planXml(m_otherData.plans, names),
                                 PlanDtdFileName)
            || !copyOriginals(QDir(folder).filePath(QString::fromUtf16(OriginalFolderName)),
                              m_otherData.plans))
            return false;
    }
    if (!m_otherData.others.isEmpty()) {
        const QString folder = medium.filePath(QString::fromUtf16(OtherFolderName));
        if (!writeDocumentFolder(folder, OtherFileName, otherXml(m_otherData.others, names),
                                 OtherDtdFileName))
            return false;
        for (const PlannedSubfolder &subfolder : std::as_const(m_otherData.others)) {
            if (!copyOriginals(QDir(folder).filePath(subfolder.name), subfolder.documents))
                return false;
        }
    }
    return true;
}

bool DeliveryExport::writeDocumentFolder(const QString &folderHost, const char16_t *xmlName,
                                         const QByteArray &xml, const char16_t *dtdName)
{
    const QDir folder(folderHost);
    return makeFolder(folderHost)
        && writeFile(folder.filePath(QString::fromUtf16(xmlName)), xml)
        && writeFile(folder.filePath(QString::fromUtf16(dtdName)), discText(dtdText(dtdName)));
}

bool DeliveryExport::copyOriginals(const QString &folderHost,
                                   const QList<PlannedDocument> &documents)
{
    // xml=1: the documents only, as for the photos.
    if (m_settings.xmlOnly)
        return true;
    if (!makeFolder(folderHost))
        return false;
    const QDir folder(folderHost);
    for (const PlannedDocument &document : documents) {
        for (const PlannedOriginal &file : document.files) {
            if (!copyFile(file.sourceHost, folder.filePath(file.name)))
                return false;
        }
    }
    return true;
}

bool DeliveryExport::writeFile(const QString &hostPath, const QByteArray &bytes)
{
    QFile file(hostPath);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size()
        || !file.flush()) {
        m_errorText = QStringLiteral("%1: %2").arg(hostPath, file.errorString());
        return false;
    }
    m_summary.bytes += bytes.size();
    return true;
}

bool DeliveryExport::copyFile(const QString &sourceHost, const QString &targetHost)
{
    // A file left from an earlier export is replaced, not kept. The
    // standard library copies in the kernel where it can, which a copy
    // through Qt's temporary file does not.
    std::error_code failure;
    const std::filesystem::path source(QFile::encodeName(sourceHost).toStdString());
    std::filesystem::copy_file(source, QFile::encodeName(targetHost).toStdString(),
                               std::filesystem::copy_options::overwrite_existing, failure);
    const std::uintmax_t size = failure ? 0 : std::filesystem::file_size(source, failure);
    if (failure) {
        m_errorText = QStringLiteral("%1 → %2: %3")
                          .arg(sourceHost, targetHost, QString::fromStdString(failure.message()));
        return false;
    }
    m_summary.bytes += qint64(size);
    return true;
}

bool DeliveryExport::makeFolder(const QString &hostPath)
{
    if (QDir().mkpath(hostPath))
        return true;
    m_errorText = QStringLiteral("%1: the folder cannot be made").arg(hostPath);
    return false;
}

} // namespace host
