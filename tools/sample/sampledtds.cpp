#include "sampledtds.h"

// The DTDs of the NEXCO layouts the generator writes (no 代表写真 or
// 提出頻度写真; no Japanese file names in the 2012 edition). The MLIT ones
// are the official texts of officialdtds.
namespace sampledtds {

const char16_t Photo02N[] = uR"DTD(<!-- PHOTO02N.DTD: 工事記録写真等撮影要領（平成18年7月）の写真管理ファイル -->
<!ELEMENT photodata (基礎情報,写真情報+,ソフトメーカ用TAG*)>
<!ATTLIST photodata DTD_version CDATA #FIXED "02N">

<!ELEMENT 基礎情報 (写真フォルダ名,参考図フォルダ名?,適用要領基準)>
	<!ELEMENT 写真フォルダ名 (#PCDATA)>
	<!ELEMENT 参考図フォルダ名 (#PCDATA)>
	<!ELEMENT 適用要領基準 (#PCDATA)>

<!ELEMENT 写真情報 (写真ファイル情報,撮影工種区分,付加情報*,撮影情報,施工管理値?)>
	<!ELEMENT 施工管理値 (#PCDATA)>

<!ELEMENT 写真ファイル情報 (シリアル番号,写真ファイル名,写真ファイル日本語名?,メディア番号)>
	<!ELEMENT シリアル番号 (#PCDATA)>
	<!ELEMENT 写真ファイル名 (#PCDATA)>
	<!ELEMENT 写真ファイル日本語名 (#PCDATA)>
	<!ELEMENT メディア番号 (#PCDATA)>

<!ELEMENT 撮影工種区分 (写真-大分類,写真区分?,工種?,種別?,細別?,写真タイトル)>
	<!ELEMENT 写真-大分類 (#PCDATA)>
	<!ELEMENT 写真区分 (#PCDATA)>
	<!ELEMENT 工種 (#PCDATA)>
	<!ELEMENT 種別 (#PCDATA)>
	<!ELEMENT 細別 (#PCDATA)>
	<!ELEMENT 写真タイトル (#PCDATA)>

<!ELEMENT 付加情報 (参考図ファイル名,参考図ファイル日本語名?,参考図タイトル)>
	<!ELEMENT 参考図ファイル名 (#PCDATA)>
	<!ELEMENT 参考図ファイル日本語名 (#PCDATA)>
	<!ELEMENT 参考図タイトル (#PCDATA)>

<!ELEMENT 撮影情報 (撮影箇所?,撮影年月日)>
	<!ELEMENT 撮影箇所 (#PCDATA)>
	<!ELEMENT 撮影年月日 (#PCDATA)>

<!ELEMENT ソフトメーカ用TAG (#PCDATA)>
)DTD";

const char16_t Photo04N[] = uR"DTD(<!-- PHOTO04N.DTD: 工事記録写真等撮影要領（平成24年7月）の写真管理ファイル -->
<!ELEMENT photodata (基礎情報,写真情報+,ソフトメーカ用TAG*)>
<!ATTLIST photodata DTD_version CDATA #FIXED "04N">

<!ELEMENT 基礎情報 (写真フォルダ名,参考図フォルダ名?,適用要領基準)>
	<!ELEMENT 写真フォルダ名 (#PCDATA)>
	<!ELEMENT 参考図フォルダ名 (#PCDATA)>
	<!ELEMENT 適用要領基準 (#PCDATA)>

<!ELEMENT 写真情報 (写真ファイル情報,撮影工種区分,付加情報*,撮影情報,施工管理値?)>
	<!ELEMENT 施工管理値 (#PCDATA)>

<!ELEMENT 写真ファイル情報 (シリアル番号,写真ファイル名,メディア番号)>
	<!ELEMENT シリアル番号 (#PCDATA)>
	<!ELEMENT 写真ファイル名 (#PCDATA)>
	<!ELEMENT メディア番号 (#PCDATA)>

<!ELEMENT 撮影工種区分 (写真-大分類,写真区分?,工種?,種別?,細別?,写真タイトル)>
	<!ELEMENT 写真-大分類 (#PCDATA)>
	<!ELEMENT 写真区分 (#PCDATA)>
	<!ELEMENT 工種 (#PCDATA)>
	<!ELEMENT 種別 (#PCDATA)>
	<!ELEMENT 細別 (#PCDATA)>
	<!ELEMENT 写真タイトル (#PCDATA)>

<!ELEMENT 付加情報 (参考図ファイル名,参考図ファイル日本語名?,参考図タイトル)>
	<!ELEMENT 参考図ファイル名 (#PCDATA)>
	<!ELEMENT 参考図ファイル日本語名 (#PCDATA)>
	<!ELEMENT 参考図タイトル (#PCDATA)>

<!ELEMENT 撮影情報 (撮影箇所?,撮影年月日)>
	<!ELEMENT 撮影箇所 (#PCDATA)>
	<!ELEMENT 撮影年月日 (#PCDATA)>

<!ELEMENT ソフトメーカ用TAG (#PCDATA)>
)DTD";

} // namespace sampledtds
