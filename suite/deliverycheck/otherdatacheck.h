#pragma once

#include "checkreport.h"
#include "deliverytree.h"
#include "indexcheck.h"
#include "itemrules.h"
#include "structurecheck.h"
#include "xmlitemreader.h"

#include <QHash>
#include <QList>
#include <QString>

// Checks the documents of the other delivery data whose folders the index
// file names: MEET\MEET.XML (打合せ簿フォルダ名), PLAN\PLAN.XML
// (施工計画書フォルダ名) and OTHRS\OTHRS.XML (その他フォルダ名). Each is
// checked for grammar and items; every original file it lists must be in
// its folder (the original file folder the index names, MEET\ORG or
// PLAN\ORG by default; OTHRS\その他サブフォルダ名 for the other documents),
// and its serial numbers are unique. Marks what they name in the tree.
namespace deliverycheck {

class ItemChecker;

class OtherDataCheck final : private XmlItemReader::Handler
{
public:
    OtherDataCheck(CheckReport &report, ItemChecker &items, DeliveryTree &tree);

    // The folders the documents describe, for the structure check.
    QList<StructureCheck::Described> run(const IndexCheck::Facts &index, const QString &indexFile);

    struct Kind; // what differs between the three documents

private:
    struct Value
    {
        QString text;
        int line = 0;
    };

    struct NamedFile
    {
        Value name;
        Value subfolder; // OTHRS only
    };

    void checkKind(const Kind &kind, const IndexCheck::Facts &index, const QString &indexFile,
                   QList<StructureCheck::Described> *described);
    void startElement(const char *name, int depth, int line) override;
    void leaf(const char *name, const QString &text, int line) override;
    void endElement(const char *name, int depth) override;
    // The listed folder at the relative path, marked named, or null.
    DeliveryTree::Folder *namedFolder(const QString &path);
    void checkFiles(DeliveryTree::Folder *originals, const QString &originalsPath,
                    QList<StructureCheck::Described> *described);

    CheckReport &m_report;
    ItemChecker &m_items;
    DeliveryTree &m_tree;

    // The document being read.
    const Kind *m_kind = nullptr;
    XmlStream *m_stream = nullptr;
    QString m_file;
    QString m_folder; // relative, as listed
    QHash<const void *, const ItemRule *> m_rules;
    const char *m_fileItem = nullptr;
    const char *m_subfolderItem = nullptr;
    const char *m_serialItem = nullptr;
    int m_depth = 0;
    Value m_subfolder;
    QList<NamedFile> m_files;
    QList<Value> m_subfolders;
    QHash<QString, int> m_serialLines;
};

} // namespace deliverycheck
