#pragma once

#include "classificationrule.h"
#include "deliverytree.h"
#include "indexcheck.h"
#include "itemrules.h"
#include "photostandard.h"
#include "xmlitemreader.h"

#include <QHash>
#include <QList>
#include <QString>

// Checks PHOTO.XML in one pass over its 写真情報: the grammar and each
// item; per photo its serial number and file name (unique), its file in
// the photo folder and its drawings in the drawing folder, the date inside
// the construction period and the classification. Marks what it names in
// the tree, so that the structure check can tell what nothing names.
namespace deliverycheck {

class CheckReport;
class ItemChecker;

class PhotoCheck final : private XmlItemReader::Handler
{
public:
    // A photo or drawing file that PHOTO.XML names and the folder holds.
    struct ImageFile
    {
        QString relative; // as findings name it
        QString hostPath;
        bool drawing = false;
    };

    struct Facts
    {
        bool read = false;
        QString dtdFileName; // as the folder lists it, empty when not there
        QString dtdDescription;
        int photos = 0;
        int drawings = 0;
        int photosOnThisMedium = 0;
        QString photoFolder;   // relative, empty when there is none
        QString drawingFolder; // relative, empty when there is none
        QList<ImageFile> images;
    };

    PhotoCheck(CheckReport &report, ItemChecker &items, DeliveryTree &tree,
               const IndexCheck::Facts &index, PhotoStandard::Body body);

    // relativeFile: PHOTO\PHOTO.XML as the folder lists it.
    Facts run(const QString &hostPath, const QString &relativeFile);

private:
    enum Field {
        Serial,
        FileName,
        Media,
        Date,
        DrawingFile,
        PhotoFolderName,
        DrawingFolderName,
        Major,
        Category,
        WorkType,
        Kind,
        SubKind,
        Other,
    };

    // What an element name means to the check, found by its interned name.
    struct Name
    {
        const ItemRule *rule = nullptr;
        Field field = Other;
        QString item;
    };

    struct Value
    {
        QString text;
        int line = 0;
    };

    struct Photo
    {
        int line = 0;
        Value serial;
        Value fileName;
        Value media;
        Value date;
        QList<Value> drawings;
        ClassificationRule::Photo classes;
    };

    void startElement(const char *name, int depth, int line) override;
    void leaf(const char *name, const QString &text, int line) override;
    void endElement(const char *name, int depth) override;

    void prepareNames();
    void take(Field field, const Value &value);
    void resolveFolders();
    QString resolveFolder(const Value &value, const QString &item, const QString &fallback);
    void finishPhoto();
    void checkSerial();
    bool isOnThisMedium();
    // holder: the folder the file should be in, null when there is none.
    void checkFile(const Value &name, const QString &item, DeliveryTree::Folder *holder,
                   bool drawing);
    void checkDate();

    CheckReport &m_report;
    ItemChecker &m_items;
    DeliveryTree &m_tree;
    const IndexCheck::Facts &m_index;
    ClassificationRule m_classification;

    XmlStream *m_stream = nullptr;
    QString m_file;
    QString m_documentFolder; // the folder PHOTO.XML is in, relative
    QHash<const void *, Name> m_names;
    const char *m_basicInfoName = nullptr;
    const char *m_photoName = nullptr;
    const char *m_drawingName = nullptr;

    Facts m_facts;
    Value m_photoFolderValue;
    Value m_drawingFolderValue;
    bool m_foldersResolved = false;
    DeliveryTree::Folder *m_photoHolder = nullptr;
    DeliveryTree::Folder *m_drawingHolder = nullptr;
    bool m_inPhoto = false;
    bool m_inBasicInfo = false;
    Photo m_photo;
    QHash<int, int> m_serialLines;
    QHash<QString, int> m_fileLines;
};

} // namespace deliverycheck
