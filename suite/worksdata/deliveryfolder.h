#pragma once

#include <QString>
#include <QStringList>

// The folders and files of a standard delivery as a disc holds them: the
// index file in the root, PHOTO\PHOTO.XML with its DTD. Names are matched
// without regard to case, as on a Windows volume.
class DeliveryFolder final
{
public:
    // The plan flag: which kind of index file the root holds.
    enum PlanFlag {
        NoIndex = 0,
        Construction = 1, // INDEX_C.XML, construction (工事)
        DesignWork = 2,   // INDEX_D.XML, design work (業務)
        OtherIndex = 3,   // another INDEX*.XML, as older editions name it
    };

    static constexpr char16_t PhotoFolderName[] = u"PHOTO";
    static constexpr char16_t PhotoXmlName[] = u"PHOTO.XML";
    static constexpr char16_t ConstructionIndexName[] = u"INDEX_C.XML";
    static constexpr char16_t DesignIndexName[] = u"INDEX_D.XML";

    explicit DeliveryFolder(const QString &root);

    // A folder named PHOTO that holds PHOTO.XML or a PHOTOnn.DTD.
    static bool isPhotoFolder(const QString &folder);

    // The root's plan flag; indexName receives the index file's name as
    // listed, empty for NoIndex.
    PlanFlag planFlag(QString *indexName = nullptr) const;
    // The path of the index file to read: the kind the flag names when the
    // root holds it, else the one planFlag() finds; empty when none.
    QString indexFile(int planFlag) const;

    QString photoFolder() const;
    QString photoXml() const;

private:
    struct IndexNames
    {
        QString construction;
        QString design;
        QString other;
    };

    IndexNames indexNames() const;
    // Names of the files directly in a folder; directories are left out.
    static QStringList fileNames(const QString &folder);

    QString m_root;
};
