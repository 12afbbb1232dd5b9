#pragma once

#include "gxtempdocument.h"

#include "suitedata/constructioninfo.h"

#include <QString>

// DNInfMake's pre-flight check of an export: the basic and construction
// information that INDEX_C.XML will carry, in the order of its DTD, as
// GXTemp lines for DeliveryWriter's basic-information page, with markers
// where the check finds something (docs/worksdata.md).
class BasicInfoMake final
{
public:
    // The page's section-end label: values up to it set the column width.
    static constexpr char16_t OutputFormatLabel[] = u"出力形式";
    // One character per kind of other delivery data that the export can
    // make from CALS.mdb: 発注図, 打合せ簿, 施工計画書, 完成図, その他.
    static constexpr int OtherDataKinds = 5;

    struct Options
    {
        int standardCode = 0;
        bool japaneseNames = false;
        // CALS.mdb as given by the wizard (Windows path); empty: no other data.
        QString calsDatabase;
        // Where NeedTransformation.dat is (Windows path): values it changes
        // are listed in their delivery form and marked. Empty, or without
        // the file there: values as the bookshelf holds them.
        QString transformationFolder;
    };

    BasicInfoMake(const suitedata::ShelfInfo &shelf, const Options &options);

    GXTempDocument document() const;
    // The standard followed, the first line's value.
    QString standardName() const;
    // 適用要領基準 of the delivery: the bookshelf's own, else the code's
    // identifier, else the standard's name.
    QString applicableStandard() const;
    // "1" for each kind of other data whose folder the bookshelf names when
    // CALS.mdb exists, else "0".
    QString otherDataCreateFlag() const;

private:
    const suitedata::ShelfInfo &m_shelf;
    Options m_options;
};

// Reads kouji.xml of the bookshelf data folder (Windows path) and writes
// GXTemp (Windows path); false when the construction information cannot be
// read or the file cannot be written.
bool writeBasicInfo(const QString &shelfFolder, const BasicInfoMake::Options &options,
                    const QString &gxtempPath, QString *applicableStandard,
                    QString *otherDataCreateFlag);
