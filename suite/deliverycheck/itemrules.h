#pragma once

#include <vector>

// The management items of the delivery documents as the standards' item
// tables give them: how each value is written and how long it may be.
namespace deliverycheck {

enum class ItemKind {
    Text,              // 全角文字・半角英数字: limited in full-width characters
    Digits,            // 半角数字
    Alphanumeric,      // 半角英数字
    UpperAlphanumeric, // 半角英数大文字 (folder names, with '/' between levels)
    Date,              // CCYY-MM-DD, a real date
    Flag,              // 0 or 1
    PhotoFileName,     // Pnnnnnnn.JPG
    DrawingFileName,   // Dnnnnnnn.JPG or Dnnnnnnn.TIF
    MeetingFileName,   // MTGnnnmm.XXX
    PlanFileName,      // PLNnnnmm.XXX
    OriginalFileName,  // an 8.3 name in capitals
};

struct ItemRule
{
    const char16_t *name;
    ItemKind kind;
    int maxLength; // full-width characters for Text, else characters; 0: none given
    bool required; // the standard's ◎: the value must not be empty
};

enum class Document {
    // PHOTO.XML: デジタル写真管理情報基準 (MLIT, 2008/05), whose items the
    // MAFF and NEXCO photo standards share.
    Photo,
    // INDEX_C.XML (constdata): 工事完成図書の電子納品要領 (MLIT, 2008/05).
    ConstructionIndex,
    // INDEX_D.XML (gyomudata): 土木設計業務等の電子納品要領 (MLIT).
    DesignIndex,
    // MEET.XML, PLAN.XML and OTHRS.XML (meetdata, plandata, othrsdata):
    // 工事完成図書の電子納品要領 (MLIT, 2008/05).
    Meeting,
    Plan,
    Other,
};

// The rules of a document's items; an item they do not name has none.
std::vector<const ItemRule *> rulesOf(Document document);

} // namespace deliverycheck
