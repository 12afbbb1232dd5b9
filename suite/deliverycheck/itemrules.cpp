#include "itemrules.h"

#include <span>

namespace deliverycheck {

namespace {

// Free texts of 127 full-width characters: 255 bytes of the Shift_JIS
// documents, one short of the 256 that the standards' records hold.
constexpr int TextLimit = 127;
constexpr int DateLength = 10;
constexpr int FileNameLength = 12; // 8.3

constexpr ItemRule PhotoItems[] = {
    {u"写真フォルダ名", ItemKind::UpperAlphanumeric, 9, true},
    {u"参考図フォルダ名", ItemKind::UpperAlphanumeric, 9, false},
    {u"適用要領基準", ItemKind::Text, 30, true},
    {u"シリアル番号", ItemKind::Digits, 7, true},
    {u"写真ファイル名", ItemKind::PhotoFileName, FileNameLength, true},
    {u"写真ファイル日本語名", ItemKind::Text, TextLimit, false},
    {u"メディア番号", ItemKind::Digits, 8, true},
    {u"写真-大分類", ItemKind::Text, TextLimit, true},
    {u"写真区分", ItemKind::Text, TextLimit, false},
    {u"工種", ItemKind::Text, TextLimit, false},
    {u"種別", ItemKind::Text, TextLimit, false},
    {u"細別", ItemKind::Text, TextLimit, false},
    {u"写真タイトル", ItemKind::Text, TextLimit, true},
    {u"工種区分予備", ItemKind::Text, TextLimit, false},
    {u"参考図ファイル名", ItemKind::DrawingFileName, FileNameLength, false},
    {u"参考図ファイル日本語名", ItemKind::Text, TextLimit, false},
    {u"参考図タイトル", ItemKind::Text, TextLimit, false},
    {u"付加情報予備", ItemKind::Text, TextLimit, false},
    {u"撮影箇所", ItemKind::Text, TextLimit, false},
    {u"撮影年月日", ItemKind::Date, DateLength, true},
    {u"代表写真", ItemKind::Flag, 1, true},
    {u"提出頻度写真", ItemKind::Flag, 1, true},
    {u"施工管理値", ItemKind::Text, TextLimit, false},
    {u"請負者説明文", ItemKind::Text, TextLimit, false},
    {u"ソフトメーカ用TAG", ItemKind::Text, TextLimit, false},
};

// The items both index files share.
constexpr ItemRule IndexItems[] = {
    {u"メディア番号", ItemKind::Digits, 8, true},
    {u"メディア総枚数", ItemKind::Digits, 8, true},
    {u"適用要領基準", ItemKind::Text, 30, true},
    {u"写真フォルダ名", ItemKind::UpperAlphanumeric, 0, false},
    {u"その他フォルダ名", ItemKind::UpperAlphanumeric, 0, false},
    {u"地質データフォルダ名", ItemKind::UpperAlphanumeric, 0, false},
    {u"発注年度", ItemKind::Digits, 4, true},
    {u"住所コード", ItemKind::Digits, 5, true},
    {u"住所", ItemKind::Text, TextLimit, true},
    {u"測地系", ItemKind::Digits, 2, false},
    {u"西側境界座標経度", ItemKind::Digits, 7, false},
    {u"東側境界座標経度", ItemKind::Digits, 7, false},
    {u"北側境界座標緯度", ItemKind::Digits, 7, false},
    {u"南側境界座標緯度", ItemKind::Digits, 7, false},
    {u"発注者-大分類", ItemKind::Text, TextLimit, true},
    {u"発注者-中分類", ItemKind::Text, TextLimit, true},
    {u"発注者-小分類", ItemKind::Text, TextLimit, false},
    {u"発注者コード", ItemKind::Digits, 8, true},
    {u"予備", ItemKind::Text, TextLimit, false},
    {u"ソフトメーカ用TAG", ItemKind::Text, TextLimit, false},
};

constexpr ItemRule ConstructionIndexItems[] = {
    {u"発注図フォルダ名", ItemKind::UpperAlphanumeric, 0, false},
    {u"特記仕様書オリジナルファイルフォルダ名", ItemKind::UpperAlphanumeric, 0, false},
    {u"打合せ簿フォルダ名", ItemKind::UpperAlphanumeric, 0, false},
    {u"打合せ簿オリジナルファイルフォルダ名", ItemKind::UpperAlphanumeric, 0, false},
    {u"施工計画書フォルダ名", ItemKind::UpperAlphanumeric, 0, false},
    {u"施工計画書オリジナルファイルフォルダ名", ItemKind::UpperAlphanumeric, 0, false},
    {u"完成図フォルダ名", ItemKind::UpperAlphanumeric, 0, false},
    {u"その他オリジナルファイルフォルダ名", ItemKind::UpperAlphanumeric, 0, false},
    {u"その他オリジナルファイルフォルダ日本語名", ItemKind::Text, TextLimit, false},
    {u"工事番号", ItemKind::Text, TextLimit, true},
    {u"工事名称", ItemKind::Text, TextLimit, true},
    {u"工事実績システムバージョン番号", ItemKind::Alphanumeric, 10, false},
    {u"工事実績システム登録番号", ItemKind::Alphanumeric, 10, false},
    {u"工事分野", ItemKind::Text, TextLimit, true},
    {u"工事業種", ItemKind::Text, TextLimit, true},
    {u"工種", ItemKind::Text, TextLimit, true},
    {u"工法型式", ItemKind::Text, TextLimit, false},
    {u"工期開始日", ItemKind::Date, DateLength, true},
    {u"工期終了日", ItemKind::Date, DateLength, true},
    {u"工事内容", ItemKind::Text, TextLimit, true},
    {u"対象水系路線名", ItemKind::Text, TextLimit, false},
    {u"現道-旧道区分", ItemKind::Digits, 1, false},
    {u"対象河川コード", ItemKind::Digits, 10, false},
    {u"左右岸上下線コード", ItemKind::Digits, 2, false},
    {u"施設名称", ItemKind::Text, TextLimit, false},
    {u"請負者名", ItemKind::Text, TextLimit, true},
    {u"請負者コード", ItemKind::Alphanumeric, 10, false},
};

constexpr ItemRule DesignIndexItems[] = {
    {u"報告書フォルダ名", ItemKind::UpperAlphanumeric, 0, false},
    {u"報告書オリジナルファイルフォルダ名", ItemKind::UpperAlphanumeric, 0, false},
    {u"図面フォルダ名", ItemKind::UpperAlphanumeric, 0, false},
    {u"測量データフォルダ名", ItemKind::UpperAlphanumeric, 0, false},
    {u"業務名称", ItemKind::Text, TextLimit, true},
    {u"履行期間-着手", ItemKind::Date, DateLength, true},
    {u"履行期間-完了", ItemKind::Date, DateLength, true},
    {u"受注者名", ItemKind::Text, TextLimit, true},
    {u"主な業務の内容", ItemKind::Text, TextLimit, false},
    {u"業務概要", ItemKind::Text, TextLimit, false},
};

// The items the three documents of the other delivery data share.
constexpr ItemRule OriginalFileItems[] = {
    {u"オリジナルファイル内容", ItemKind::Text, TextLimit, false},
    {u"請負者説明文", ItemKind::Text, TextLimit, false},
    {u"発注者説明文", ItemKind::Text, TextLimit, false},
    {u"予備", ItemKind::Text, TextLimit, false},
    {u"ソフトメーカ用TAG", ItemKind::Text, TextLimit, false},
};

constexpr ItemRule MeetingItems[] = {
    {u"シリアル番号", ItemKind::Digits, 3, true},
    {u"打合せ簿種類", ItemKind::Text, TextLimit, true},
    {u"打合せ簿名称", ItemKind::Text, TextLimit, true},
    {u"管理区分", ItemKind::Text, TextLimit, false},
    {u"図面ファイル名", ItemKind::OriginalFileName, FileNameLength, false},
    {u"作成者", ItemKind::Text, TextLimit, true},
    {u"提出先", ItemKind::Text, TextLimit, true},
    {u"発行日付", ItemKind::Date, DateLength, true},
    {u"受理日付", ItemKind::Date, DateLength, false},
    {u"完了日付", ItemKind::Date, DateLength, false},
    {u"打合せ簿オリジナルファイル名", ItemKind::MeetingFileName, FileNameLength, true},
    {u"打合せ簿オリジナルファイル日本語名", ItemKind::Text, TextLimit, false},
    {u"打合せ簿オリジナルファイル作成ソフトバージョン情報", ItemKind::Text, TextLimit, false},
};

constexpr ItemRule PlanItems[] = {
    {u"シリアル番号", ItemKind::Digits, 3, true},
    {u"施工計画書名称", ItemKind::Text, TextLimit, true},
    {u"施工計画書オリジナルファイル名", ItemKind::PlanFileName, FileNameLength, true},
    {u"施工計画書オリジナルファイル日本語名", ItemKind::Text, TextLimit, false},
    {u"施工計画書オリジナルファイル作成ソフトバージョン情報", ItemKind::Text, TextLimit, false},
};

constexpr ItemRule OtherItems[] = {
    {u"その他サブフォルダ名", ItemKind::UpperAlphanumeric, 6, true},
    {u"その他サブフォルダ日本語名", ItemKind::Text, TextLimit, false},
    {u"資料名", ItemKind::Text, TextLimit, true},
    {u"シリアル番号", ItemKind::Digits, 0, true},
    {u"オリジナルファイル名", ItemKind::OriginalFileName, FileNameLength, true},
    {u"オリジナルファイル日本語名", ItemKind::Text, TextLimit, false},
    {u"オリジナルファイル作成ソフトバージョン情報", ItemKind::Text, TextLimit, false},
};

} // namespace

std::vector<const ItemRule *> rulesOf(Document document)
{
    std::vector<const ItemRule *> rules;
    const auto take = [&rules](std::span<const ItemRule> items) {
        for (const ItemRule &rule : items)
            rules.push_back(&rule);
    };
    switch (document) {
    case Document::Photo:
        take(PhotoItems);
        break;
    case Document::ConstructionIndex:
        take(ConstructionIndexItems);
        take(IndexItems);
        break;
    case Document::DesignIndex:
        take(DesignIndexItems);
        take(IndexItems);
        break;
    case Document::Meeting:
        take(MeetingItems);
        take(OriginalFileItems);
        break;
    case Document::Plan:
        take(PlanItems);
        take(OriginalFileItems);
        break;
    case Document::Other:
        take(OtherItems);
        take(OriginalFileItems);
        break;
    }
    return rules;
}

} // namespace deliverycheck
