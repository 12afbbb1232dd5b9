#include "photocheck.h"

#include "checkmessages.h"
#include "checkreport.h"
#include "deliverydate.h"
#include "deliverytree.h"
#include "documentcheck.h"
#include "filenamerule.h"
#include "itemchecker.h"

#include "platform/ntfsnames.h"
#include "xmlstream.h"

#include <QFile>
#include <QRegularExpression>

namespace deliverycheck {

namespace {

constexpr char16_t PhotoFileItem[] = u"写真ファイル名";
constexpr char16_t DrawingFileItem[] = u"参考図ファイル名";
constexpr char16_t DateItem[] = u"撮影年月日";
constexpr char16_t MediaItem[] = u"メディア番号";

struct FieldName
{
    const char16_t *name;
    int field;
};

// A stylesheet stands in the prolog, before the root element: the start
// of the file is enough to find it.
constexpr qint64 PrologBytes = 4096;

// The stylesheet the document names in its xml-stylesheet instruction, as
// a path relative to the document's folder; "" when it names none or one
// outside the delivery.
QString stylesheetOf(const QString &hostPath)
{
    QFile file(hostPath);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    static const QRegularExpression instruction(
        QStringLiteral(R"(<\?xml-stylesheet\s[^>]*href\s*=\s*["']([^"':]+)["'])"));
    const QRegularExpressionMatch match =
        instruction.match(QString::fromLatin1(file.read(PrologBytes)));
    if (!match.hasMatch())
        return QString();
    const QString href = match.captured(1).replace(u'/', u'\\');
    return href.startsWith(u'\\') || href.contains(QStringLiteral("..")) ? QString() : href;
}

} // namespace

PhotoCheck::PhotoCheck(CheckReport &report, ItemChecker &items, DeliveryTree &tree,
                       const IndexCheck::Facts &index, PhotoStandard::Body body)
    : m_report(report)
    , m_items(items)
    , m_tree(tree)
    , m_index(index)
    , m_classification(report, body)
{
}

PhotoCheck::Facts PhotoCheck::run(const QString &hostPath, const QString &relativeFile)
{
    m_facts = Facts();
    m_file = relativeFile;
    m_documentFolder = relativeFile.left(qMax(relativeFile.lastIndexOf(u'\\'), 0));
    DocumentCheck document(m_report, hostPath, relativeFile);
    m_stream = document.open();
    if (!m_stream)
        return m_facts;
    prepareNames();
    document.read(*this);
    m_stream = nullptr;
    resolveFolders();
    m_facts.read = document.isWellFormed();
    if (document.dtd().origin == DtdSource::Origin::Folder) {
        m_facts.dtdFileName = document.dtd().fileName;
        m_tree.markNamed(DeliveryTree::join(m_documentFolder, m_facts.dtdFileName));
    }
    // A stylesheet the document names is part of the delivery.
    if (const QString stylesheet = stylesheetOf(hostPath); !stylesheet.isEmpty())
        m_tree.markNamed(DeliveryTree::join(m_documentFolder, stylesheet));
    m_facts.dtdDescription = document.dtdDescription();
    return m_facts;
}

void PhotoCheck::prepareNames()
{
    const auto intern = [this](const char16_t *name) {
        return m_stream->intern(QString::fromUtf16(name).toUtf8().constData());
    };
    m_basicInfoName = intern(u"基礎情報");
    m_photoName = intern(u"写真情報");
    m_drawingName = intern(u"付加情報");

    const FieldName fields[] = {
        {u"シリアル番号", Serial},
        {PhotoFileItem, FileName},
        {MediaItem, Media},
        {DateItem, Date},
        {DrawingFileItem, DrawingFile},
        {u"写真フォルダ名", PhotoFolderName},
        {u"参考図フォルダ名", DrawingFolderName},
        {ClassificationRule::itemName(ClassificationRule::MajorClass), Major},
        {ClassificationRule::itemName(ClassificationRule::Category), Category},
        {ClassificationRule::itemName(ClassificationRule::WorkType), WorkType},
        {ClassificationRule::itemName(ClassificationRule::Kind), Kind},
        {ClassificationRule::itemName(ClassificationRule::SubKind), SubKind},
    };
    m_names.clear();
    for (const ItemRule *rule : rulesOf(Document::Photo))
        m_names.insert(intern(rule->name), {rule, Other, QString::fromUtf16(rule->name)});
    for (const FieldName &field : fields)
        m_names[intern(field.name)].field = Field(field.field);
}

void PhotoCheck::startElement(const char *name, int depth, int line)
{
    if (depth != 1) {
        if (m_inPhoto && name == m_drawingName)
            m_photo.drawings.append({QString(), line});
        return;
    }
    if (name == m_basicInfoName) {
        m_inBasicInfo = true;
    } else if (name == m_photoName) {
        resolveFolders();
        m_inPhoto = true;
        m_photo = Photo();
        m_photo.line = line;
        m_photo.classes.line = line;
    }
}

void PhotoCheck::leaf(const char *name, const QString &text, int line)
{
    const auto found = m_names.constFind(name);
    if (found == m_names.cend()) {
        m_items.check(m_file, line, nullptr, QString::fromUtf8(name), text);
        return;
    }
    const bool passed = m_items.check(m_file, line, found->rule, found->item, text);
    // Numbers and dates are used only when they are numbers and dates;
    // names and classes as they are, so that their own checks still run.
    const bool needsValidValue =
        found->field == Serial || found->field == Media || found->field == Date;
    if (passed || !needsValidValue)
        take(found->field, {text, line});
}

void PhotoCheck::take(Field field, const Value &value)
{
    if (m_inBasicInfo) {
        if (field == PhotoFolderName)
            m_photoFolderValue = value;
        else if (field == DrawingFolderName)
            m_drawingFolderValue = value;
        return;
    }
    if (!m_inPhoto)
        return;
    switch (field) {
    case Serial:
        m_photo.serial = value;
        break;
    case FileName:
        m_photo.fileName = value;
        break;
    case Media:
        m_photo.media = value;
        break;
    case Date:
        m_photo.date = value;
        break;
    case DrawingFile:
        if (!m_photo.drawings.isEmpty())
            m_photo.drawings.last() = value;
        break;
    case Major:
    case Category:
    case WorkType:
    case Kind:
    case SubKind: {
        const int level = field - Major;
        m_photo.classes.values[level] = value.text;
        m_photo.classes.lines[level] = value.line;
        break;
    }
    case PhotoFolderName:
    case DrawingFolderName:
    case Other:
        break;
    }
}

void PhotoCheck::endElement(const char *name, int depth)
{
    if (depth != 1)
        return;
    if (name == m_basicInfoName) {
        m_inBasicInfo = false;
        resolveFolders();
    } else if (name == m_photoName && m_inPhoto) {
        finishPhoto();
        m_inPhoto = false;
    }
}

void PhotoCheck::resolveFolders()
{
    if (m_foldersResolved)
        return;
    m_foldersResolved = true;
    m_facts.photoFolder =
        resolveFolder(m_photoFolderValue, QStringLiteral("写真フォルダ名"),
                      DeliveryTree::join(m_documentFolder, QStringLiteral("PIC")));
    m_facts.drawingFolder =
        resolveFolder(m_drawingFolderValue, QStringLiteral("参考図フォルダ名"),
                      DeliveryTree::join(m_documentFolder, QStringLiteral("DRA")));
    m_photoHolder = m_facts.photoFolder.isEmpty() ? nullptr : m_tree.folder(m_facts.photoFolder);
    m_drawingHolder =
        m_facts.drawingFolder.isEmpty() ? nullptr : m_tree.folder(m_facts.drawingFolder);
}

QString PhotoCheck::resolveFolder(const Value &value, const QString &item, const QString &fallback)
{
    // "PHOTO/PIC" from the delivery's root, as MLIT writes it; NEXCO's
    // 2006 edition writes "PIC" from the PHOTO folder.
    QStringList candidates;
    if (!value.text.isEmpty())
        candidates << value.text << DeliveryTree::join(m_documentFolder, value.text);
    else
        candidates << fallback;
    for (const QString &candidate : std::as_const(candidates)) {
        if (const DeliveryTree::Folder *folder = m_tree.folder(candidate)) {
            m_tree.markNamed(folder->relative);
            return folder->relative;
        }
    }
    if (!value.text.isEmpty())
        m_report.error(RuleClass::Structure, m_file, value.line, item,
                       messages::MissingNamedFolder.arg(m_file, value.text));
    return QString();
}

void PhotoCheck::finishPhoto()
{
    ++m_facts.photos;
    checkSerial();
    const bool here = isOnThisMedium();
    if (here)
        ++m_facts.photosOnThisMedium;

    const QString &name = m_photo.fileName.text;
    if (!name.isEmpty()) {
        const QString key = win::ntfsUpper(name);
        const auto earlier = m_fileLines.constFind(key);
        if (earlier != m_fileLines.cend()) {
            m_report.error(RuleClass::Items, m_file, m_photo.fileName.line,
                           QString::fromUtf16(PhotoFileItem),
                           messages::DuplicateFileName.arg(name, QString::number(*earlier)));
        } else {
            m_fileLines.insert(key, m_photo.fileName.line);
        }
        if (here)
            checkFile(m_photo.fileName, QString::fromUtf16(PhotoFileItem), m_photoHolder, false);
    }
    for (const Value &drawing : std::as_const(m_photo.drawings)) {
        if (drawing.text.isEmpty()) {
            m_report.notice(RuleClass::Items, m_file, drawing.line, QStringLiteral("付加情報"),
                            messages::EmptyDrawing.toString());
            continue;
        }
        ++m_facts.drawings;
        if (here)
            checkFile(drawing, QString::fromUtf16(DrawingFileItem), m_drawingHolder, true);
    }
    checkDate();
    m_classification.check(m_file, m_photo.classes);
}

void PhotoCheck::checkSerial()
{
    if (m_photo.serial.text.isEmpty())
        return;
    const int serial = m_photo.serial.text.toInt();
    const auto earlier = m_serialLines.constFind(serial);
    if (earlier != m_serialLines.cend()) {
        m_report.error(RuleClass::Items, m_file, m_photo.serial.line,
                       QStringLiteral("シリアル番号"),
                       messages::DuplicateSerial.arg(m_photo.serial.text,
                                                     QString::number(*earlier)));
        return;
    }
    m_serialLines.insert(serial, m_photo.serial.line);
}

bool PhotoCheck::isOnThisMedium()
{
    if (m_photo.media.text.isEmpty())
        return true;
    const int media = m_photo.media.text.toInt();
    if (media < 1) {
        m_report.error(RuleClass::Items, m_file, m_photo.media.line, QString::fromUtf16(MediaItem),
                       messages::MediaNumberZero.toString());
        return true;
    }
    if (m_index.mediaTotal > 0 && media > m_index.mediaTotal) {
        m_report.error(RuleClass::Items, m_file, m_photo.media.line, QString::fromUtf16(MediaItem),
                       messages::MediaNumberOver.arg(m_photo.media.text,
                                                     QString::number(m_index.mediaTotal)));
        return true;
    }
    // A photo of another medium of a split delivery is on that disc.
    return m_index.mediaNumber < 1 || media == m_index.mediaNumber;
}

void PhotoCheck::checkFile(const Value &name, const QString &item, DeliveryTree::Folder *holder,
                           bool drawing)
{
    // A name that leads out of its folder is the item check's finding and
    // is never looked up.
    if (!FileNameRule::isPlainName(name.text))
        return;
    DeliveryTree::Entry *entry = holder ? holder->find(name.text) : nullptr;
    if (!entry || entry->directory) {
        m_report.error(
            RuleClass::Structure, m_file, name.line, item,
            (drawing ? messages::MissingDrawingFile : messages::MissingPhotoFile).arg(name.text));
        return;
    }
    entry->named = true;
    m_facts.images.append({DeliveryTree::join(holder->relative, entry->name),
                           holder->hostPath + u'/' + entry->name, drawing});
}

void PhotoCheck::checkDate()
{
    if (!m_index.periodStart || !m_index.periodEnd)
        return;
    const std::optional<QDate> date = DeliveryDate::parse(m_photo.date.text);
    if (date && (*date < *m_index.periodStart || *date > *m_index.periodEnd)) {
        m_report.error(
            RuleClass::Items, m_file, m_photo.date.line, QString::fromUtf16(DateItem),
            messages::OutsidePeriod.arg(m_photo.date.text,
                                        m_index.periodStart->toString(QStringLiteral("yyyy-MM-dd")),
                                        m_index.periodEnd->toString(QStringLiteral("yyyy-MM-dd"))));
    }
}

} // namespace deliverycheck
