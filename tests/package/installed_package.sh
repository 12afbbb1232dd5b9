#!/usr/bin/env bash
# Packs the build with cpack -G DEB, unpacks the package into a scratch root
# with dpkg -x and checks what it installed:
# - DeliveryReader, run through its launcher along the standard route to
#   Finish: the installed program finds its libraries, the KOUJIMASTER
#   template and the Qt it depends on;
# - the desktop entries: each valid (when desktop-file-validate is there),
#   its icon installed, its Exec line naming a launcher of the package;
# - the export entry's Exec line run as the desktop runs it, without
#   arguments: tessera-host finds the suite's data root, the active
#   bookshelf and its standard code by itself, and DeliveryWriter's export
#   is carried out.
#   installed_package.sh <build folder> <source folder>
set -euo pipefail
build=$1
source=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

fail() {
    echo "$*" >&2
    cat "$scratch/ui.log" >&2 2>/dev/null || true
    exit 1
}

(cd "$build" && cpack -G DEB -B "$scratch/package" >/dev/null)
deb=$(ls "$scratch"/package/*.deb)
dpkg-deb --field "$deb" Depends | grep -q libqt6widgets6 || fail "no Qt dependency"
root=$scratch/root
dpkg -x "$deb" "$root"

drive=$scratch/drive
mkdir -p "$drive/TesseraData" "$drive/temp" "$scratch/shots"
# The installed programs run with nothing of the build around them.
installed() {
    env -i PATH=/usr/bin:/bin HOME="$scratch" QT_QPA_PLATFORM=offscreen \
        TESSERA_DRIVES="D=$drive;S=$scratch/shots" TMP='D:\temp\' \
        TESSERA_UI_LOG="$scratch/ui.log" "$@"
}

"$build/bin/tessera-sample" delivery "$drive/納品/道路改良工事" --photos 24 >/dev/null
status=0
installed TESSERA_UI_SCRIPT="$source/tools/demo/deliveryreader-standard.script" \
    "$root/usr/bin/deliveryreader" 'D:\TesseraData' 1 0 || status=$?
[[ $status == 1 ]] || fail "DeliveryReader from the package ended with $status, not Finish"
test -s "$drive/temp/G_INPUTXML.dat" || fail "no G_INPUTXML.dat written"
echo "DeliveryReader from the package finished and wrote G_INPUTXML.dat"

applications=$root/usr/share/applications
icons=$root/usr/share/icons/hicolor/scalable/apps
for entry in shelfwarden tessera-export tessera-import; do
    file=$applications/$entry.desktop
    test -f "$file" || fail "no desktop entry $entry.desktop"
    if command -v desktop-file-validate >/dev/null; then
        desktop-file-validate "$file" || fail "$entry.desktop is not valid"
    fi
    grep -q '^Name\[ja\]=' "$file" || fail "$entry.desktop has no Japanese name"
    icon=$(sed -n 's/^Icon=//p' "$file")
    test -s "$icons/$icon.svg" || fail "$entry.desktop names the icon $icon, not installed"
    launcher=$(sed -n 's/^Exec=//p' "$file" | cut -d' ' -f1)
    test -x "$root/usr/bin/$launcher" || fail "$entry.desktop starts $launcher, not in the package"
done
echo "Desktop entries valid, with their icons and launchers"

# The suite's per-user data folder holds MLIT bookshelves, the second
# active, with other delivery data registered in its CALS.mdb; the script
# names the output folder D:\出力-道路.
TESSERA_DRIVES="D=$drive" "$build/bin/tessera-sample" suite "$drive/TesseraData" --shelves 3 \
    --albums 2 --photos 4 --standard 25 >/dev/null
TESSERA_DRIVES="D=$drive" "$build/bin/tessera-sample" cals "$drive/TesseraData/shelves/shelf02" \
    --rows 2 >/dev/null
rm -f "$scratch/ui.log"
read -r -a command <<< "$(sed -n 's/^Exec=//p' "$applications/tessera-export.desktop")"
status=0
installed TESSERA_SUITE_DATA='D:\TesseraData' \
    TESSERA_UI_SCRIPT="$source/tools/demo/deliverywriter-25.script" \
    "$root/usr/bin/${command[0]}" "${command[@]:1}" > "$scratch/export.txt" || status=$?
[[ $status == 1 ]] || fail "the export entry's command ended with $status: $(cat "$scratch/export.txt")"
grep -q '^出力しました' "$scratch/export.txt" || fail "the export entry wrote no delivery"
# The album list handed to DeliveryWriter names the data root and the
# active bookshelf.
list=$(iconv -c -f UTF-16 -t UTF-8 "$drive/temp/G_ALBUMLIST.dat" | tr -d '\r')
grep -qxF 'DataDir=D:\TesseraData' <<< "$list" || fail "G_ALBUMLIST.dat names another data root"
grep -qx 'SelectedBks=1' <<< "$list" || fail "G_ALBUMLIST.dat names another bookshelf than the active one"
for document in PHOTO/PHOTO.XML MEET/MEET.XML; do
    test -s "$drive/出力-道路/$document" || fail "no $document in D:\\出力-道路"
done
echo "The export entry's command exported the active bookshelf with its own code"
