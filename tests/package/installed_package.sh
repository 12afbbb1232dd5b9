#!/usr/bin/env bash
# Packs the build with cpack -G DEB, unpacks the package into a scratch root
# with dpkg -x and runs DeliveryReader from there, through its launcher,
# along the standard route to Finish: the installed program finds its
# libraries, the KOUJIMASTER template and the Qt it depends on.
#   deliveryreader_from_deb.sh <build folder> <source folder>
set -euo pipefail
build=$1
source=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

(cd "$build" && cpack -G DEB -B "$scratch/package" >/dev/null)
deb=$(ls "$scratch"/package/*.deb)
dpkg-deb --field "$deb" Depends | grep -q libqt6widgets6 || { echo "no Qt dependency" >&2; exit 1; }
dpkg -x "$deb" "$scratch/root"

drive=$scratch/drive
mkdir -p "$drive/TesseraData" "$drive/temp" "$scratch/shots"
"$build/bin/tessera-sample" delivery "$drive/納品/道路改良工事" --photos 24 >/dev/null
status=0
env -i PATH=/usr/bin:/bin HOME="$scratch" QT_QPA_PLATFORM=offscreen \
    TESSERA_DRIVES="D=$drive;S=$scratch/shots" TMP='D:\temp\' \
    TESSERA_UI_SCRIPT="$source/tools/demo/deliveryreader-standard.script" \
    TESSERA_UI_LOG="$scratch/ui.log" \
    "$scratch/root/usr/bin/deliveryreader" 'D:\TesseraData' 1 0 || status=$?
if [[ $status != 1 ]]; then
    echo "DeliveryReader from the package ended with $status, not Finish" >&2
    cat "$scratch/ui.log" >&2 2>/dev/null || true
    exit 1
fi
test -s "$drive/temp/G_INPUTXML.dat" || { echo "no G_INPUTXML.dat written" >&2; exit 1; }
echo "DeliveryReader from the package finished and wrote G_INPUTXML.dat"
