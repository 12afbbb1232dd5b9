#include "deliverytags.h"

#include <QStringList>

#include <array>

namespace writer {

namespace {

struct Element
{
    QStringView name;
    // Some schemas' tags carry a blank before the closing bracket.
    bool blankBeforeBracket = false;
};

constexpr bool Blank = true;

constexpr std::array<Element, 121> Elements = {{
    {u"参考図タイトル"}, {u"付加情報予備"}, {u"写真情報"}, {u"写真ファイル名"},
    {u"写真整理フラグ"}, {u"写真-大分類"}, {u"写真区分"}, {u"工種"}, {u"種別"},
    {u"細別"}, {u"写真タイトル"}, {u"工種区分予備"}, {u"参考図"}, {u"撮影箇所"},
    {u"撮影年月日"}, {u"フィルム番号"}, {u"コマ番号"}, {u"撮影情報予備"},
    {u"施工管理値"}, {u"施工管理値予備"}, {u"状況説明予備"}, {u"請負者説明文"},
    {u"発注者説明文"}, {u"写真情報予備"}, {u"メディア番号"}, {u"メディア総枚数", Blank},
    {u"発注図面フォルダ名"}, {u"特記仕様書オリジナルファイルフォルダ名", Blank},
    {u"打合せ簿フォルダ名"}, {u"打合せ簿オリジナルファイルフォルダ名"},
    {u"施工計画書フォルダ名", Blank}, {u"施工計画書オリジナルファイルフォルダ名"},
    {u"完成図面フォルダ名", Blank}, {u"写真フォルダ名"}, {u"その他フォルダ名"},
    {u"その他オリジナルファイルフォルダ名"}, {u"報告書フォルダ名"},
    {u"報告書オリジナルファイルフォルダ名"}, {u"図面フォルダ名"}, {u"測量データフォルダ名"},
    {u"地質データフォルダ名"}, {u"ソフトウェア情報"}, {u"ソフトウェア名"},
    {u"バージョン情報"}, {u"メーカ名"}, {u"メーカ連絡先"}, {u"ソフトメーカ用TAG"},
    {u"工事件名等"}, {u"発注年度"}, {u"工事番号"}, {u"案件番号"}, {u"路線水系名等"},
    {u"工事名称"}, {u"工事分野"}, {u"工事業種"}, {u"工種"}, {u"工法型式"},
    {u"住所コード"}, {u"住所"}, {u"工期開始日"}, {u"工期終了日"}, {u"工事内容"},
    {u"場所情報"}, {u"起点側測点-n"}, {u"起点側測点-m"}, {u"終点側測点-n"},
    {u"終点側測点-m"}, {u"起点側距離標-n"}, {u"起点側距離標-m"}, {u"終点側距離標-n"},
    {u"終点側距離標-m"}, {u"西側境界座標経度"}, {u"東側境界座標経度"},
    {u"北側境界座標緯度"}, {u"南側境界座標緯度"}, {u"施設情報"}, {u"施設名称"},
    {u"発注者-大分類"}, {u"発注者-中分類"}, {u"発注者-小分類"}, {u"発注者コード"},
    {u"請負者情報"}, {u"請負者名"}, {u"請負者コード", Blank}, {u"予備"}, {u"業務件名等"},
    {u"TECRIS登録番号"}, {u"AGRIS登録番号"}, {u"設計書コード"}, {u"業務名称"},
    {u"業務対象水系路線等コード"}, {u"業務対象水系路線名"}, {u"履行期間-着手"},
    {u"履行期間-完了"}, {u"発注者情報"}, {u"発注者機関コード"}, {u"発注者機関事務所名"},
    {u"受注者情報"}, {u"受注者名"}, {u"受注者コード"}, {u"業務情報"}, {u"主な業務の内容"},
    {u"業務分野コード"}, {u"業務キーワード"}, {u"業務概要"},
    {u"業務実績システムバージョン番号"}, {u"業務実績システム登録番号"}, {u"測地系"},
    {u"TECRISバージョン番号"}, {u"対象水系路線コード"}, {u"現道-旧道区分"},
    {u"対象河川コード"}, {u"対象河川コード"}, {u"左右岸上下線コード"},
    {u"工事実績システムバージョン番号"}, {u"工事実績システム登録番号"}, {u"施工金額"},
    {u"CORINSバージョン番号"}, {u"施設コード"}, {u"代表写真"}, {u"提出頻度写真"},
}};

QString tag(QStringView opening, const Element &element)
{
    QString tag = opening.toString();
    tag.append(element.name);
    if (element.blankBeforeBracket)
        tag.append(QLatin1Char(' '));
    return tag.append(QLatin1Char('>'));
}

const QStringList &deliveryTags()
{
    static const QStringList tags = [] {
        QStringList list;
        list.reserve(qsizetype(Elements.size()) * 2);
        for (const Element &element : Elements) {
            list.append(tag(u"<", element));
            list.append(tag(u"</", element));
        }
        return list;
    }();
    return tags;
}

} // namespace

QStringView firstDeliveryTagIn(QStringView text)
{
    for (const QString &tag : deliveryTags()) {
        if (text.contains(tag))
            return tag;
    }
    return {};
}

} // namespace writer
