#pragma once

#include "sampleoptions.h"

#include <QString>

// How a sample delivery of one standard looks: its DTDs, the texts that
// name the standard, which optional photo elements it carries, and the
// construction it describes.
struct SampleProfile
{
    QString photoDtdFile;
    QString photoDtdVersion;
    const char16_t *photoDtdText;
    QString photoCriterion; // PHOTO.XML 基礎情報/適用要領基準
    QString indexCriterion; // INDEX_C.XML 基礎情報/適用要領基準
    QString photoFolder;    // 写真フォルダ名
    QString drawingFolder;  // 参考図フォルダ名
    bool japaneseNames;     // 写真ファイル日本語名
    bool photoMarks;        // 代表写真 and 提出頻度写真

    QString constructionName;
    QString field; // 工事分野
    QString trade; // 工事業種
    QString addressCode;
    QString address;
    QString routeName;    // 対象水系路線名
    QString ordererMajor; // 発注者-大分類
    QString ordererMiddle;
    QString ordererMinor;
    QString ordererCode;

    static SampleProfile of(DeliveryOptions::Standard standard);
};
