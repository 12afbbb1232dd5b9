#pragma once

#include <array>
#include <string>

// One 写真情報 of PHOTO.XML as G_PHOTO.mdb stores it. Texts are UTF-8 as
// libxml2 and SQLite hand them over and SQLite takes them, trimmed of XML
// white space.
struct PhotoRecord
{
    enum Field {
        SerialText,       // 写真ファイル情報/シリアル番号 as written
        FileName,         // 写真ファイル名
        JapaneseFileName, // 写真ファイル日本語名
        MajorClass,       // 写真-大分類
        Category,         // 写真区分
        WorkType,         // 工種
        Kind,             // 種別
        SubKind,          // 細別
        Title,            // 写真タイトル
        Place,            // 撮影箇所
        ManagementValue,  // 施工管理値
        Representative,   // 代表写真
        Frequency,        // 提出頻度写真
        FieldCount
    };

    std::array<std::string, FieldCount> fields;
    // The serial number: シリアル番号 when it is a positive number, else
    // the photo's position in the file.
    int serial = 0;
    // Reference drawings: 付加情報 blocks that name a 参考図ファイル名.
    int drawings = 0;

    const std::string &operator[](Field field) const { return fields[field]; }
};
