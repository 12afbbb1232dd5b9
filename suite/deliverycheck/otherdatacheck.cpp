#include "otherdatacheck.h"

#include "checkmessages.h"
#include "documentcheck.h"
#include "filenamerule.h"
#include "itemchecker.h"

#include "xmlstream.h"

namespace deliverycheck {

struct OtherDataCheck::Kind
{
    Document document;
    const char16_t *folderItem;         // the index file's item naming the folder
    const char16_t *originalFolderItem; // the index file's item naming its files' folder
    const char16_t *documentName;       // in the folder
    const char16_t *fileItem;           // the element naming an original file
    const char16_t *subfolderItem;      // the element naming the files' subfolder
    int serialDepth;                    // of the serial numbers that must be unique
};

namespace {

constexpr char16_t OriginalFolderName[] = u"ORG";
constexpr char16_t SerialItem[] = u"シリアル番号";

// meetdata/打合せ簿情報/シリアル番号, plandata/施工計画書情報/シリアル番号,
// othrsdata/サブフォルダ情報/その他資料情報/オリジナルファイル情報/シリアル番号.
constexpr int RecordSerialDepth = 2;
constexpr int OtherFileSerialDepth = 4;

const OtherDataCheck::Kind Kinds[] = {
    {Document::Meeting, u"打合せ簿フォルダ名", u"打合せ簿オリジナルファイルフォルダ名", u"MEET.XML",
     u"打合せ簿オリジナルファイル名", nullptr, RecordSerialDepth},
    {Document::Plan, u"施工計画書フォルダ名", u"施工計画書オリジナルファイルフォルダ名",
     u"PLAN.XML", u"施工計画書オリジナルファイル名", nullptr, RecordSerialDepth},
    {Document::Other, u"その他フォルダ名", nullptr, u"OTHRS.XML", u"オリジナルファイル名",
     u"その他サブフォルダ名", OtherFileSerialDepth},
};

const IndexCheck::NamedFolder *namedBy(const IndexCheck::Facts &index, const char16_t *item)
{
    if (!item)
        return nullptr;
    for (const IndexCheck::NamedFolder &folder : index.folders) {
        if (folder.item == QStringView(item))
            return &folder;
    }
    return nullptr;
}

} // namespace

OtherDataCheck::OtherDataCheck(CheckReport &report, ItemChecker &items, DeliveryTree &tree)
    : m_report(report)
    , m_items(items)
    , m_tree(tree)
{
}

QList<StructureCheck::Described> OtherDataCheck::run(const IndexCheck::Facts &index,
                                                     const QString &indexFile)
{
    QList<StructureCheck::Described> described;
    for (const Kind &kind : Kinds)
        checkKind(kind, index, indexFile, &described);
    return described;
}

void OtherDataCheck::checkKind(const Kind &kind, const IndexCheck::Facts &index,
                               const QString &indexFile,
                               QList<StructureCheck::Described> *described)
{
    const IndexCheck::NamedFolder *named = namedBy(index, kind.folderItem);
    // A folder that is not there is the index check's finding.
    const DeliveryTree::Folder *folder = named ? m_tree.folder(named->path) : nullptr;
    if (!folder)
        return;
    m_folder = folder->relative;
    const QString documentName = QString::fromUtf16(kind.documentName);
    DeliveryTree::Entry *entry = m_tree.folder(m_folder)->find(documentName);
    if (!entry || entry->directory) {
        m_report.error(RuleClass::Structure, indexFile, named->line,
                       QString::fromUtf16(kind.folderItem),
                       messages::MissingOtherDocument.arg(DeliveryTree::join(m_folder, documentName)));
        described->append({m_folder, indexFile});
        return;
    }
    entry->named = true;
    m_file = DeliveryTree::join(m_folder, entry->name);
    m_kind = &kind;
    m_depth = 0;
    m_subfolder = Value();
    m_files.clear();
    m_subfolders.clear();
    m_serialLines.clear();

    DocumentCheck document(m_report, m_tree.folder(m_folder)->hostPath + u'/' + entry->name,
                           m_file);
    m_stream = document.open();
    if (m_stream) {
        const auto intern = [this](const char16_t *name) {
            return name ? m_stream->intern(QString::fromUtf16(name).toUtf8().constData()) : nullptr;
        };
        m_rules.clear();
        for (const ItemRule *rule : rulesOf(kind.document))
            m_rules.insert(intern(rule->name), rule);
        m_fileItem = intern(kind.fileItem);
        m_subfolderItem = intern(kind.subfolderItem);
        m_serialItem = intern(SerialItem);
        document.read(*this);
        m_stream = nullptr;
    }
    if (document.dtd().origin == DtdSource::Origin::Folder)
        m_tree.markNamed(DeliveryTree::join(m_folder, document.dtd().fileName));
    m_report.summary().otherDocuments.append({m_file, document.dtdDescription()});
    described->append({m_folder, m_file});

    // The original file folder: the one the index names, else ORG.
    const IndexCheck::NamedFolder *originals = namedBy(index, kind.originalFolderItem);
    const QString originalsPath = originals ? originals->path
                                            : DeliveryTree::join(m_folder,
                                                                 QString::fromUtf16(OriginalFolderName));
    checkFiles(kind.subfolderItem ? nullptr : namedFolder(originalsPath), originalsPath, described);
    m_kind = nullptr;
}

DeliveryTree::Folder *OtherDataCheck::namedFolder(const QString &path)
{
    DeliveryTree::Folder *folder = m_tree.folder(path);
    if (folder)
        m_tree.markNamed(folder->relative);
    return folder;
}

void OtherDataCheck::checkFiles(DeliveryTree::Folder *originals, const QString &originalsPath,
                                QList<StructureCheck::Described> *described)
{
    QHash<QString, DeliveryTree::Folder *> subfolders;
    for (const Value &subfolder : std::as_const(m_subfolders)) {
        if (!FileNameRule::isPlainName(subfolder.text))
            continue;
        DeliveryTree::Folder *folder = namedFolder(DeliveryTree::join(m_folder, subfolder.text));
        if (!folder) {
            m_report.error(RuleClass::Structure, m_file, subfolder.line,
                           QString::fromUtf16(m_kind->subfolderItem),
                           messages::MissingNamedFolder.arg(m_file, subfolder.text));
            continue;
        }
        subfolders.insert(subfolder.text, folder);
        described->append({folder->relative, m_file});
    }
    if (originals)
        described->append({originals->relative, m_file});

    bool originalsReported = false;
    for (const NamedFile &file : std::as_const(m_files)) {
        // A name that leads out of its folder is the item check's finding.
        if (!FileNameRule::isPlainName(file.name.text))
            continue;
        DeliveryTree::Folder *holder =
            m_kind->subfolderItem ? subfolders.value(file.subfolder.text) : originals;
        if (!holder) {
            // A missing subfolder has its finding; a missing ORG gets one.
            if (!m_kind->subfolderItem && !originalsReported) {
                m_report.error(RuleClass::Structure, m_file, file.name.line,
                               QString::fromUtf16(m_kind->fileItem),
                               messages::MissingNamedFolder.arg(m_file, originalsPath));
                originalsReported = true;
            }
            continue;
        }
        DeliveryTree::Entry *entry = holder->find(file.name.text);
        if (!entry || entry->directory) {
            m_report.error(RuleClass::Structure, m_file, file.name.line,
                           QString::fromUtf16(m_kind->fileItem),
                           messages::MissingOriginalFile.arg(
                               DeliveryTree::join(holder->relative, file.name.text)));
            continue;
        }
        entry->named = true;
    }
}

void OtherDataCheck::startElement(const char *, int depth, int)
{
    m_depth = depth;
}

void OtherDataCheck::leaf(const char *name, const QString &text, int line)
{
    const ItemRule *rule = m_rules.value(name);
    const QString item = rule ? QString::fromUtf16(rule->name) : QString::fromUtf8(name);
    const bool passed = m_items.check(m_file, line, rule, item, text);
    if (name == m_subfolderItem) {
        m_subfolder = {text, line};
        if (!text.isEmpty())
            m_subfolders.append(m_subfolder);
    } else if (name == m_fileItem && !text.isEmpty()) {
        m_files.append({{text, line}, m_subfolder});
    } else if (name == m_serialItem && passed && !text.isEmpty()
               && m_depth == m_kind->serialDepth) {
        const QString serial = QString::number(text.toLongLong());
        const auto earlier = m_serialLines.constFind(serial);
        if (earlier != m_serialLines.cend())
            m_report.error(RuleClass::Items, m_file, line, item,
                           messages::DuplicateSerial.arg(text, QString::number(*earlier)));
        else
            m_serialLines.insert(serial, line);
    }
}

void OtherDataCheck::endElement(const char *, int)
{
}

} // namespace deliverycheck
