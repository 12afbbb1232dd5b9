#pragma once

#include "checkreport.h"
#include "deliverytree.h"
#include "indexcheck.h"
#include "photocheck.h"
#include "structurecheck.h"

#include <QString>

// Checks a delivery folder as the ordering bodies' own checking programs
// do (MLIT's: folder and file structure, management items, XML grammar,
// files the XML does not name; NEXCO's: media, DTD and XML structure,
// item lengths and forbidden characters, the classification relations,
// the images; MAFF's: dates inside the construction period, stray system
// files) and reports each finding with its level and place.
namespace deliverycheck {

class ItemChecker;

class DeliveryChecker final
{
public:
    struct Options
    {
        // Decode every image; without it the images are only looked up.
        bool decodeImages = true;
        // Where unicode_list.dat is, in Windows form; empty for the
        // running program's folder, where it is shipped.
        QString characterListFolder;
    };

    DeliveryChecker();
    explicit DeliveryChecker(const Options &options);

    // folder: the delivery's root (or one medium of a split delivery) in
    // Windows form.
    CheckReport check(const QString &folder) const;

private:
    // The two documents as the folder lists them.
    struct Documents
    {
        QString indexName; // in the root; empty when there is none
        QString indexHost;
        DeliveryTree::Folder *photoFolder = nullptr;
        QString photoXml; // "PHOTO\PHOTO.XML"; empty when there is none
        QString photoHost;
    };

    static Documents find(const QString &folder, DeliveryTree &tree);
    static IndexCheck::Facts checkIndex(const Documents &documents, DeliveryTree &tree,
                                        ItemChecker &items, CheckReport &report);
    // What no document names, hidden files, and the photo count against
    // the photo folder's files.
    // otherData: the folders the documents of the other delivery data
    // describe.
    static void checkStructure(const Documents &documents, const PhotoCheck::Facts &photos,
                               const QList<StructureCheck::Described> &otherData,
                               DeliveryTree &tree, CheckReport &report);

    Options m_options;
};

} // namespace deliverycheck
