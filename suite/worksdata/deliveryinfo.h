#pragma once

#include "gxtempdocument.h"
#include "indexxmlreader.h"
#include "photoxmlreader.h"

#include <QList>
#include <QString>

// What a delivery read tells the wizards' basic-information page, and its
// form as GXTemp.
struct DeliveryInfo
{
    QString standardName;
    PhotoBasicInfo photoBasic;
    int photoCount = 0;
    int drawingCount = 0;

    QString indexFileName;  // as listed in the root; empty when none
    QString indexCriterion; // the index's 基礎情報/適用要領基準
    QList<IndexItem> indexItems;
    QString indexError; // why the index could not be read whole

    GXTempDocument toGXTemp() const;
};
