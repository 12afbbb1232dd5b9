#!/usr/bin/env bash
# The round trip through the host stand-in on generated suite data, once per
# route: a bookshelf (two albums of four photos) exported, the delivery
# imported into a new bookshelf, that bookshelf exported again, and the two
# deliveries compared.
#
# - Code 25 (MLIT): the same photos byte for byte under the same names, and
#   the same photo information in PHOTO.XML, serial numbers aside.
# - Code 28 (government building), read back along DeliveryReader's
#   government-building route: the same folder tree, every photo byte for
#   byte under the same album, class folders and name (the tree is all the
#   photo information this route carries).
#
# The wizards run scripted, so no display is needed. Drive D: is
# build/default/demo/roundtrip-drive-<code>; the suite's data root is
# D:\TesseraData. Any difference stops the demo with exit code 1.
set -euo pipefail
cd "$(dirname "$0")/../.."

bin="$PWD/build/default/bin"
demo="$PWD/build/default/demo"
script="$demo/roundtrip.script"
mkdir -p "$demo"

fail() {
    echo "Round trip (code $code): $*" >&2
    exit 1
}

# Fresh suite data of one bookshelf for the code; sets drive.
prepare() {
    drive="$demo/roundtrip-drive-$code"
    rm -rf "$drive" && mkdir -p "$drive/temp"
    "$bin/tessera-sample" suite "$drive/TesseraData" --shelves 1 --albums 2 --photos 4 \
        --standard "$code" >/dev/null
    export TESSERA_DRIVES="D=$drive"
    export TMP='D:\temp\'
    export TESSERA_UI_LOG="$demo/roundtrip-$code.log"
    rm -f "$TESSERA_UI_LOG"
}

# DeliveryWriter on bookshelf $1 with every album into D:\$2; the pages
# between the album page and the destination are the code's ($3).
export_shelf() {
    local shelf=$1 target=$2 pages=$3
    {
        echo 'expect-page 108'
        for page in $pages; do
            printf 'next\nexpect-page %s\n' "$page"
        done
        printf 'next\nexpect-page 136\ntext 1014 D:\\%s\nanswer IDYES\n' "$target"
        printf 'next\nexpect-page 133\nfinish\n'
    } > "$script"
    local status=0
    TESSERA_UI_SCRIPT="$script" "$bin/tessera-host" export 'D:\TesseraData' --shelf "$shelf" \
        --code "$code" > "$demo/roundtrip-$code-export.txt" || status=$?
    [[ $status == 1 ]] || fail "the export of bookshelf $shelf stopped with exit code $status"
    grep '^出力しました' "$demo/roundtrip-$code-export.txt"
}

# DeliveryReader through tessera-host import with the script lines read
# from stdin, into a new bookshelf (profile folder number $1 proposed).
import_delivery() {
    cat > "$script"
    local status=0
    TESSERA_UI_SCRIPT="$script" "$bin/tessera-host" import 'D:\TesseraData' --shelf "$1" \
        > "$demo/roundtrip-$code-import.txt" || status=$?
    [[ $status == 1 ]] || fail "the import stopped with exit code $status"
    # The summary line, after the G_INPUTXML.dat the wizard left.
    tail -n 1 "$demo/roundtrip-$code-import.txt"
}

# Every file under $1, by its path below it.
files_below() {
    (cd "$1" && find . -type f | LC_ALL=C sort)
}

# The two deliveries' files $3 (a list of paths below them) compared byte
# for byte; prints how many there are.
same_files() {
    local first=$1 second=$2 list=$3 count=0
    [[ "$(files_below "$first")" == "$(files_below "$second")" ]] || {
        diff <(files_below "$first") <(files_below "$second") >&2 || true
        fail "the two deliveries hold different files"
    }
    while read -r file; do
        cmp -s "$first/$file" "$second/$file" || fail "$file differs"
        count=$((count + 1))
    done <<< "$list"
    echo "$count"
}

# PHOTO.XML as text without its serial numbers, which the export numbers
# afresh.
photo_information() {
    iconv -f SHIFT_JIS -t UTF-8 "$1" | grep -v '<シリアル番号>'
}

code=25
prepare
echo "Round trip (code 25): bookshelf 0 exported into D:\\往復1"
export_shelf 0 往復1 '131 134 135'
echo "Round trip (code 25): D:\\往復1 imported into a new bookshelf, albums of four photos"
import_delivery 1 <<'SCRIPT'
text 1001 D:\往復1
expect-page 137
next
expect-page 130
next
expect-page 136
next
expect-page 134
text 1001 4
next
expect-page 133
next
expect-page 141
finish
SCRIPT
echo "Round trip (code 25): the new bookshelf 1 exported again into D:\\往復2"
export_shelf 1 往復2 '131 134 135'
first="$drive/往復1" second="$drive/往復2"
photos=$(same_files "$first" "$second" "$(files_below "$first" | grep '^\./PHOTO/PIC/')")
[[ $photos -gt 0 ]] || fail "the delivery holds no photos"
if ! diff <(photo_information "$first/PHOTO/PHOTO.XML") \
    <(photo_information "$second/PHOTO/PHOTO.XML") >&2; then
    fail "the photo information of the two PHOTO.XML differs (above)"
fi
entries=$(photo_information "$first/PHOTO/PHOTO.XML" | grep -c '<写真情報>')
[[ $entries == "$photos" ]] || fail "PHOTO.XML lists $entries photos, PHOTO\\PIC holds $photos"
echo "Round trip (code 25): the same $photos photos byte for byte and the same photo" \
    "information of all $entries photos in PHOTO.XML, serial numbers aside"

code=28
prepare
echo "Round trip (code 28): bookshelf 0 exported into D:\\往復1"
export_shelf 0 往復1 '129'
echo "Round trip (code 28): D:\\往復1 imported along the government-building route"
first="$drive/往復1"
{
    printf 'text 1001 D:\\往復1\nexpect-page 137\nnext\nexpect-page 142\nnext\nexpect-page 138\n'
    # The album folders stay ticked, the class folders below them not, so
    # each album folder becomes one album.
    for label in "$first"/*/; do
        for major in "$label"*/; do
            major=${major%/}
            printf 'tick 1024 D:\\往復1\\%s\\%s\n' "$(basename "$label")" "$(basename "$major")"
        done
    done
    printf 'next\nexpect-page 133\nnext\nexpect-page 141\nfinish\n'
} | import_delivery 1
echo "Round trip (code 28): the new bookshelf 1 exported again into D:\\往復2"
export_shelf 1 往復2 '129'
second="$drive/往復2"
photos=$(same_files "$first" "$second" "$(files_below "$first")")
[[ $photos -gt 0 ]] || fail "the delivery holds no photos"
albums=$(find "$first" -mindepth 1 -maxdepth 1 -type d | wc -l)
echo "Round trip (code 28): the same tree of $albums albums, all $photos photos byte for" \
    "byte under the same album, class folders and names"
