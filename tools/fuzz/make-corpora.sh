#!/usr/bin/env bash
# Makes the seed corpora of the fuzz targets under the given folder (default
# build/fuzz/corpus), one folder per target, from the test data and from
# small generated samples. Run from the source tree's top.
set -euo pipefail

out=${1:-build/fuzz/corpus}
mkdir -p "$out"

# seed <target> <name> <printf format> [args...]: one generated sample.
seed() {
    local target=$1 name=$2
    shift 2
    mkdir -p "$out/$target"
    # shellcheck disable=SC2059
    printf "$@" >"$out/$target/$name"
}

# copy <target> <files...>: samples taken from the test data.
copy() {
    local target=$1
    shift
    mkdir -p "$out/$target"
    cp -- "$@" "$out/$target/"
}

utf16() { iconv -f UTF-8 -t UTF-16LE; }

seed fuzz_cooperation two '[Cooperation]\r\nCount=2\r\n[Program0]\r\nName=A\r\nProgram=F:\\a.exe\r\nCodes=25, 26\r\n[Program1]\r\nName=B\r\nProgram=F:\\Cooperation.ini\r\nCodes=\r\n'
seed fuzz_cooperation negative '[Cooperation]\r\nCount=-1\r\n[Program0]\r\nName=x\r\n'
printf '\xff\xfe' >"$out/fuzz_cooperation/utf16"
printf '[Cooperation]\r\nCount=1\r\n[Program0]\r\nName=連携\r\nProgram=F:\\Cooperation.ini\r\nCodes=8,13\r\n' \
    | utf16 >>"$out/fuzz_cooperation/utf16"

# kouji.xml with every group once, and an album's KOUJI.XML.
seed fuzz_koujixml shelf '%s' '<?xml version="1.0" encoding="UTF-8"?>
<kouji>
  <name>本棚</name><standardCode>25</standardCode><constructionNumber>A-1</constructionNumber>
  <otherData>1</otherData><password>0</password>
  <constdata>
    <基礎情報><メディア番号>1</メディア番号><写真フォルダ名>PHOTO</写真フォルダ名>
      <その他オリジナルフォルダ情報><その他オリジナルファイルフォルダ名>ORG001</その他オリジナルファイルフォルダ名>
      <その他オリジナルファイルフォルダ日本語名>補足 &amp; &lt;注記&gt;</その他オリジナルファイルフォルダ日本語名></その他オリジナルフォルダ情報>
    </基礎情報>
    <工事件名等><発注年度>2024</発注年度><工事番号>A-1</工事番号><工事名称>改良工事</工事名称>
      <工種-工法型式><工種>土工</工種><工法型式>掘削</工法型式></工種-工法型式>
      <住所情報><住所コード>01</住所コード><住所>札幌市</住所></住所情報>
      <工期開始日>2024-04-01</工期開始日><工期終了日>2025-01-31</工期終了日><工事内容>内容</工事内容></工事件名等>
    <場所情報><測地系>00</測地系>
      <水系-路線情報><対象水系路線名>石狩川</対象水系路線名><現道-旧道区分>1</現道-旧道区分>
        <対象河川コード>8501</対象河川コード><左右岸上下線コード>10</左右岸上下線コード>
        <測点情報><起点側測点-n>1</起点側測点-n><起点側測点-m>20</起点側測点-m><終点側測点-n>3</終点側測点-n><終点側測点-m>0</終点側測点-m></測点情報>
        <距離標情報><起点側距離標-n>1</起点側距離標-n></距離標情報></水系-路線情報>
      <境界座標情報><西側境界座標経度>1410000</西側境界座標経度><南側境界座標緯度>0430000</南側境界座標緯度></境界座標情報></場所情報>
    <施設情報><施設名称>水門</施設名称></施設情報>
    <発注者情報><発注者-大分類>国</発注者-大分類><発注者コード>12345678</発注者コード></発注者情報>
    <請負者情報><請負者名>テッセラ</請負者名><請負者コード>1</請負者コード></請負者情報>
    <予備>a</予備><ソフトメーカ用TAG>t</ソフトメーカ用TAG>
  </constdata>
</kouji>
'
seed fuzz_koujixml album '%s' '<?xml version="1.0" encoding="UTF-8"?><album><label>アルバム1</label><password>1</password></album>'

# G_ALBUMLIST.dat as the host writes it: two albums, and UTF-16 with none.
seed fuzz_albumlist two '[COMMON]\r\nDataDir=F:\\data\r\nSelectedBks=3\r\nSelectedAbmNum=2\r\nSelectedAbm=010000000200000003\r\n'
seed fuzz_albumlist wrong-count '[COMMON]\r\nSelectedAbmNum=0x7fffffff\r\nSelectedAbm=0100000001\r\n'
printf '\xff\xfe' >"$out/fuzz_albumlist/utf16"
printf '[COMMON]\r\nDataDir="F:\\データ"\r\nSelectedBks=-1\r\nSelectedAbmNum=0\r\n' | utf16 >>"$out/fuzz_albumlist/utf16"

# G_OUTPUTXML.dat as DeliveryWriter leaves it; G_INPUTXML.dat as
# DeliveryReader leaves it.
copy fuzz_hostsettings tests/data/writer/outputxml-*.dat
seed fuzz_hostsettings split '[XMLOUT]\r\nfoldertype=28\r\nphototype=2\r\ntype=1\r\nfolder=F:\\out\r\nsize=1\r\n[OPTION]\r\nsheet=2\r\nmedia=2147483646\r\nBROWSER=1\r\n'
seed fuzz_hostsettings import '[XMLIN]\r\nimportmode=1\r\nbsfolder=F:\\shelf\r\nfolder=F:\\delivery\r\ntype=1\r\nsize=0\r\nfilename=2\r\n'

# The character lists and Cooperation.ini the build ships beside the programs.
shipped=${SHIPPED:-build/fuzz/bin}
if [[ -f $shipped/unicode_list.dat ]]; then
    copy fuzz_characterlists "$shipped/unicode_list.dat" "$shipped/NeedTransformation.dat"
    copy fuzz_cooperation "$shipped/Cooperation.ini"
fi
seed fuzz_characterlists short 'a\000'

# The older targets' samples from the test data: GXTemp files, a delivery's
# index and PHOTO.XML, the profile files of the shelf tests (for both
# profile targets and ShelfWarden's) and a DTD with the document naming it
# (split at a NUL byte).
copy fuzz_gxtemp tests/data/worksdata/gxtemp/*.gxtemp
copy fuzz_deliveryxml tests/data/worksdata/quirks/INDEX_D.XML tests/data/worksdata/quirks/PHOTO/PHOTO.XML
copy fuzz_profile tests/data/shelfwarden/netprof-*.dat tests/data/writer/outputxml-*.dat
copy fuzz_profiledocument tests/data/shelfwarden/netprof-*.dat tests/data/writer/outputxml-*.dat
copy fuzz_netprof tests/data/shelfwarden/netprof-*.dat
mkdir -p "$out/fuzz_deliverydtd"
# The DTD as the checker's copy holds it, between its raw string marks.
{ sed -n '/PHOTO05.DTD \/ 2008/,/)DTD"/p' suite/deliverydtd/officialdtds.cpp \
      | sed -e '1s/^.*uR"DTD(//' -e '$s/)DTD".*$//'
  printf '\0'
  cat tests/data/worksdata/quirks/PHOTO/PHOTO.XML; } \
    >"$out/fuzz_deliverydtd/photo05"

# A generated delivery of a few photos, when the default build has made
# tessera-sample: its documents for the checker's rules and the import's
# readers, and both split at a NUL byte for the whole check.
sample=${SAMPLE:-build/default/bin/tessera-sample}
if [[ -x $sample ]]; then
    delivery=$(mktemp -d)
    trap 'rm -rf -- "$delivery"' EXIT
    "$sample" delivery "$delivery" --photos 3 >/dev/null
    copy fuzz_checkrules "$delivery/INDEX_C.XML" "$delivery/PHOTO/PHOTO.XML"
    copy fuzz_importxml "$delivery/INDEX_C.XML" "$delivery/PHOTO/PHOTO.XML"
    mkdir -p "$out/fuzz_deliverycheck"
    { cat "$delivery/INDEX_C.XML"; printf '\0'; cat "$delivery/PHOTO/PHOTO.XML"; } \
        >"$out/fuzz_deliverycheck/sample"
fi
copy fuzz_checkrules tests/data/worksdata/quirks/INDEX_D.XML tests/data/worksdata/quirks/PHOTO/PHOTO.XML
copy fuzz_importxml tests/data/worksdata/quirks/PHOTO/PHOTO.XML
