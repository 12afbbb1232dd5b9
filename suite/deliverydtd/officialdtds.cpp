#include "officialdtds.h"

namespace officialdtds {

const char16_t Photo05[] = uR"DTD(<!-- PHOTO05.DTD / 2008/05 -->
<!ELEMENT photodata (基礎情報,写真情報+,ソフトメーカ用TAG*)>
<!ATTLIST photodata DTD_version CDATA #FIXED "05">

<!-- 基礎情報 -->
<!ELEMENT 基礎情報 (写真フォルダ名,参考図フォルダ名?,適用要領基準)>
	<!ELEMENT 写真フォルダ名 (#PCDATA)>
	<!ELEMENT 参考図フォルダ名 (#PCDATA)>
	<!ELEMENT 適用要領基準 (#PCDATA)>

<!-- 写真情報 -->
<!ELEMENT 写真情報 (写真ファイル情報,撮影工種区分,付加情報*,撮影情報,代表写真,提出頻度写真,施工管理値?,請負者説明文?)>
	<!ELEMENT 代表写真 (#PCDATA)>
	<!ELEMENT 提出頻度写真 (#PCDATA)>
	<!ELEMENT 施工管理値 (#PCDATA)>
	<!ELEMENT 請負者説明文 (#PCDATA)>

<!-- 写真ファイル情報 -->
<!ELEMENT 写真ファイル情報 (シリアル番号,写真ファイル名,写真ファイル日本語名?,メディア番号)>
	<!ELEMENT シリアル番号 (#PCDATA)>
	<!ELEMENT 写真ファイル名 (#PCDATA)>
	<!ELEMENT 写真ファイル日本語名 (#PCDATA)>
	<!ELEMENT メディア番号 (#PCDATA)>

<!-- 撮影工種区分 -->
<!ELEMENT 撮影工種区分 (写真-大分類,写真区分?,工種?,種別?,細別?,写真タイトル,工種区分予備*)>
	<!ELEMENT 写真-大分類 (#PCDATA)>
	<!ELEMENT 写真区分 (#PCDATA)>
	<!ELEMENT 工種 (#PCDATA)>
	<!ELEMENT 種別 (#PCDATA)>
	<!ELEMENT 細別 (#PCDATA)>
	<!ELEMENT 写真タイトル (#PCDATA)>
	<!ELEMENT 工種区分予備 (#PCDATA)>

<!-- 付加情報 -->
<!ELEMENT 付加情報 (参考図ファイル名,参考図ファイル日本語名?,参考図タイトル,付加情報予備*)>
	<!ELEMENT 参考図ファイル名 (#PCDATA)>
	<!ELEMENT 参考図ファイル日本語名 (#PCDATA)>
	<!ELEMENT 参考図タイトル (#PCDATA)>
	<!ELEMENT 付加情報予備 (#PCDATA)>

<!-- 撮影情報 -->
<!ELEMENT 撮影情報 (撮影箇所?,撮影年月日)>
	<!ELEMENT 撮影箇所 (#PCDATA)>
	<!ELEMENT 撮影年月日 (#PCDATA)>

<!ELEMENT ソフトメーカ用TAG (#PCDATA)>
)DTD";

const char16_t IndexC04[] = uR"DTD(<!--INDE_C04.DTD / 2008/05 -->
<!ELEMENT constdata (基礎情報,工事件名等,場所情報,施設情報?,発注者情報,請負者情報,予備*,ソフトメーカ用TAG*)>
<!ATTLIST constdata DTD_version CDATA #FIXED "04">

<!--  基礎情報  -->
<!ELEMENT 基礎情報 (メディア番号,メディア総枚数,適用要領基準,発注図フォルダ名?,特記仕様書オリジナルファイルフォルダ名?,打合せ簿フォルダ名?,打合せ簿オリジナルファイルフォルダ名?,施工計画書フォルダ名?,施工計画書オリジナルファイルフォルダ名?,完成図フォルダ名?,写真フォルダ名?,地質データフォルダ名?,その他フォルダ名?,その他オリジナルフォルダ情報*)>
<!ELEMENT メディア番号 (#PCDATA)>
<!ELEMENT メディア総枚数 (#PCDATA)>
<!ELEMENT 適用要領基準 (#PCDATA)>
<!ELEMENT 発注図フォルダ名 (#PCDATA)>
<!ELEMENT 特記仕様書オリジナルファイルフォルダ名 (#PCDATA)>
<!ELEMENT 打合せ簿フォルダ名 (#PCDATA)>
<!ELEMENT 打合せ簿オリジナルファイルフォルダ名 (#PCDATA)>
<!ELEMENT 施工計画書フォルダ名 (#PCDATA)>
<!ELEMENT 施工計画書オリジナルファイルフォルダ名 (#PCDATA)>
<!ELEMENT 完成図フォルダ名 (#PCDATA)>
<!ELEMENT 写真フォルダ名 (#PCDATA)>
<!ELEMENT 地質データフォルダ名 (#PCDATA)>
<!ELEMENT その他フォルダ名 (#PCDATA)>

<!ELEMENT その他オリジナルフォルダ情報 (その他オリジナルファイルフォルダ名,その他オリジナルファイルフォルダ日本語名)>
<!ELEMENT その他オリジナルファイルフォルダ名 (#PCDATA)>
<!ELEMENT その他オリジナルファイルフォルダ日本語名 (#PCDATA)>

 
<!--  工事件名等  -->
<!ELEMENT 工事件名等 (発注年度,工事番号,工事名称, 工事実績システムバージョン番号,工事実績システム登録番号,工事分野,工事業種,工種-工法型式+,住所情報+,工期開始日,工期終了日,工事内容)>
<!ELEMENT 発注年度 (#PCDATA)>
<!ELEMENT 工事番号 (#PCDATA)>
<!ELEMENT 工事名称 (#PCDATA)>
<!ELEMENT 工事実績システムバージョン番号 (#PCDATA)>
<!ELEMENT 工事実績システム登録番号 (#PCDATA)>
<!ELEMENT 工事分野 (#PCDATA)>
<!ELEMENT 工事業種 (#PCDATA)>
<!ELEMENT 工期開始日 (#PCDATA)>
<!ELEMENT 工期終了日 (#PCDATA)>
<!ELEMENT 工事内容 (#PCDATA)>

<!ELEMENT 工種-工法型式 (工種+,工法型式+)>
<!ELEMENT 工種 (#PCDATA)>
<!ELEMENT 工法型式 (#PCDATA)>

<!ELEMENT 住所情報 (住所コード+,住所+)>
<!ELEMENT 住所コード (#PCDATA)>
<!ELEMENT 住所 (#PCDATA)>

<!--  場所情報  -->
<!ELEMENT 場所情報 (測地系,水系-路線情報*,境界座標情報)>
<!ELEMENT 測地系 (#PCDATA)>

<!--  水系-路線情報  -->
<!ELEMENT 水系-路線情報 (対象水系路線名?,現道-旧道区分?,対象河川コード*,左右岸上下線コード*,測点情報*,距離標情報*)>
<!ELEMENT 対象水系路線名 (#PCDATA)>
<!ELEMENT 現道-旧道区分 (#PCDATA)>
<!ELEMENT 対象河川コード (#PCDATA)>
<!ELEMENT 左右岸上下線コード (#PCDATA)>

<!--  測点情報  -->
<!ELEMENT 測点情報 (起点側測点-n?,起点側測点-m?,終点側測点-n?,終点側測点-m?)>
<!ELEMENT 起点側測点-n (#PCDATA)>
<!ELEMENT 起点側測点-m (#PCDATA)>
<!ELEMENT 終点側測点-n (#PCDATA)>
<!ELEMENT 終点側測点-m (#PCDATA)>

 
<!--  距離標情報  -->
<!ELEMENT 距離標情報 (起点側距離標-n?,起点側距離標-m?,終点側距離標-n?,終点側距離標-m?)>
<!ELEMENT 起点側距離標-n (#PCDATA)>
<!ELEMENT 起点側距離標-m (#PCDATA)>
<!ELEMENT 終点側距離標-n (#PCDATA)>
<!ELEMENT 終点側距離標-m (#PCDATA)>

<!--  境界座標情報  -->
<!ELEMENT 境界座標情報 (西側境界座標経度,東側境界座標経度,北側境界座標緯度,南側境界座標緯度)>
<!ELEMENT 西側境界座標経度 (#PCDATA)>
<!ELEMENT 東側境界座標経度 (#PCDATA)>
<!ELEMENT 北側境界座標緯度 (#PCDATA)>
<!ELEMENT 南側境界座標緯度 (#PCDATA)>

<!--  施設情報  -->
<!ELEMENT 施設情報 (施設名称?)>
<!ELEMENT 施設名称 (#PCDATA)>

<!--  発注者情報  -->
<!ELEMENT 発注者情報 (発注者-大分類,発注者-中分類,発注者-小分類?,発注者コード)>
<!ELEMENT 発注者-大分類 (#PCDATA)>
<!ELEMENT 発注者-中分類 (#PCDATA)>
<!ELEMENT 発注者-小分類 (#PCDATA)>
<!ELEMENT 発注者コード (#PCDATA)>

<!--  請負者情報  -->
<!ELEMENT 請負者情報 (請負者名,請負者コード?)>
<!ELEMENT 請負者名 (#PCDATA)>
<!ELEMENT 請負者コード (#PCDATA)>
<!ELEMENT 予備 (#PCDATA)>
<!ELEMENT ソフトメーカ用TAG (#PCDATA)>
)DTD";

const char16_t Meet04[] = uR"DTD(<!--MEET04.DTD / 2008/05 -->
<!ELEMENT meetdata (打合せ簿情報+,ソフトメーカ用TAG*)>
<!ATTLIST meetdata DTD_version CDATA #FIXED "04">

<!--  打合せ簿情報   -->
<!ELEMENT 打合せ簿情報 (シリアル番号,打合せ簿種類,打合せ簿名称,管理区分?,関連資料?,作成者,提出先,発行日付,受理日付,完了日付?,オリジナルファイル情報+,その他?)>
<!ELEMENT シリアル番号 (#PCDATA)>
<!ATTLIST シリアル番号 上位打合せ簿シリアル番号 NMTOKEN #IMPLIED>
<!ATTLIST シリアル番号 下位打合せ簿シリアル番号 NMTOKEN #IMPLIED>
<!ELEMENT 打合せ簿種類 (#PCDATA)>
<!ELEMENT 打合せ簿名称 (#PCDATA)>
<!ELEMENT 管理区分 (#PCDATA)>
<!ELEMENT 作成者 (#PCDATA)>
<!ELEMENT 提出先 (#PCDATA)>
<!ELEMENT 発行日付 (#PCDATA)>
<!ELEMENT 受理日付 (#PCDATA)>
<!ELEMENT 完了日付 (#PCDATA)>

<!--  関連資料  -->

<!ELEMENT 関連資料 (図面ファイル名*,シリアル番号*)>
<!ELEMENT 図面ファイル名 (#PCDATA)>

<!--  オリジナルファイル情報  -->
<!ELEMENT オリジナルファイル情報 (打合せ簿オリジナルファイル名,打合せ簿オリジナルファイル日本語名?,打合せ簿オリジナルファイル作成ソフトバージョン情報,オリジナルファイル内容)>
<!ELEMENT 打合せ簿オリジナルファイル名 (#PCDATA)>
<!ELEMENT 打合せ簿オリジナルファイル日本語名 (#PCDATA)>
<!ELEMENT 打合せ簿オリジナルファイル作成ソフトバージョン情報 (#PCDATA)>
<!ELEMENT オリジナルファイル内容 (#PCDATA)>

<!--  その他  -->
<!ELEMENT その他 (請負者説明文?,発注者説明文?,予備*)>
<!ELEMENT 請負者説明文 (#PCDATA)>
<!ELEMENT 発注者説明文 (#PCDATA)>
<!ELEMENT 予備 (#PCDATA)>

<!ELEMENT ソフトメーカ用TAG (#PCDATA)>
)DTD";

const char16_t Plan04[] = uR"DTD(<!--PLAN04.DTD / 2008/05 -->
<!ELEMENT plandata (施工計画書情報+,ソフトメーカ用TAG*)>
<!ATTLIST plandata DTD_version CDATA #FIXED "04">

<!--  施工計画書情報  -->
<!ELEMENT 施工計画書情報 (シリアル番号,施工計画書名称,オリジナルファイル情報+,その他?	)>
<!ELEMENT シリアル番号 (#PCDATA)>
<!ELEMENT 施工計画書名称 (#PCDATA)>

<!--  オリジナルファイル情報  -->
<!ELEMENT オリジナルファイル情報 (施工計画書オリジナルファイル名,施工計画書オリジナルファイル日本語名?,施工計画書オリジナルファイル作成ソフトバージョン情報,オリジナルファイル内容)>
<!ELEMENT 施工計画書オリジナルファイル名 (#PCDATA)>
<!ELEMENT 施工計画書オリジナルファイル日本語名 (#PCDATA)>
<!ELEMENT 施工計画書オリジナルファイル作成ソフトバージョン情報 (#PCDATA)>
<!ELEMENT オリジナルファイル内容 (#PCDATA)>

<!--  その他  -->
<!ELEMENT その他 (請負者説明文?,発注者説明文?,予備*)>
<!ELEMENT 請負者説明文 (#PCDATA)>
<!ELEMENT 発注者説明文 (#PCDATA)>
<!ELEMENT 予備 (#PCDATA)>

<!ELEMENT ソフトメーカ用TAG (#PCDATA)>
)DTD";

const char16_t Othrs04[] = uR"DTD(<!--OTHRS04.DTD / 2008/05 -->

<!ELEMENT othrsdata (サブフォルダ情報+,ソフトメーカ用TAG*)>
<!ATTLIST othrsdata DTD_version CDATA #FIXED "04">

<!--  サブフォルダ情報  -->
<!ELEMENT サブフォルダ情報 (その他サブフォルダ名,その他サブフォルダ日本語名?,その他資料情報*)>
	<!ELEMENT その他サブフォルダ名 (#PCDATA)>
	<!ELEMENT その他サブフォルダ日本語名 (#PCDATA)>

<!--  その他資料情報  -->
<!ELEMENT その他資料情報 (資料名,オリジナルファイル情報*,その他?)>

	<!ELEMENT 資料名 (#PCDATA)>

<!--  オリジナルファイル情報  -->
<!ELEMENT オリジナルファイル情報 (シリアル番号, オリジナルファイル名, オリジナルファイル日本語名?, オリジナルファイル作成ソフトバージョン情報,オリジナルファイル内容)>
<!ELEMENT シリアル番号 (#PCDATA)>
<!ELEMENT オリジナルファイル名 (#PCDATA)>
<!ELEMENT オリジナルファイル日本語名 (#PCDATA)>
<!ELEMENT オリジナルファイル作成ソフトバージョン情報 (#PCDATA)>
<!ELEMENT オリジナルファイル内容 (#PCDATA)>

<!--  その他  -->
<!ELEMENT その他 (請負者説明文?,発注者説明文?,予備*)>
<!ELEMENT 請負者説明文 (#PCDATA)>
<!ELEMENT 発注者説明文 (#PCDATA)>
<!ELEMENT 予備 (#PCDATA)>

<!ELEMENT ソフトメーカ用TAG (#PCDATA)>
)DTD";

namespace {

struct Entry
{
    const char16_t *fileName;
    const char16_t *text;
};
constexpr Entry Held[] = {
    {u"PHOTO05.DTD", Photo05},
    {u"INDE_C04.DTD", IndexC04},
    {u"MEET04.DTD", Meet04},
    {u"PLAN04.DTD", Plan04},
    {u"OTHRS04.DTD", Othrs04},
};

} // namespace

const char16_t *named(const QString &fileName)
{
    for (const Entry &entry : Held) {
        if (fileName.compare(QStringView(entry.fileName), Qt::CaseInsensitive) == 0)
            return entry.text;
    }
    return nullptr;
}

} // namespace officialdtds
