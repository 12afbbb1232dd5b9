#!/usr/bin/env bash
# DeliveryReader, the import wizard, on generated data under
# build/default/demo: a standard delivery (MLIT, 24 photos) and a
# government-building folder tree (40 photos). Drive D: is
# build/default/demo/drive; the host application's data folder is
# D:\TesseraData and the bookshelf number 1, so the wizard proposes
# D:\TesseraData\data1 for a new bookshelf.
#
# With a display the wizard opens for the user. Without one (or with
# TESSERA_DEMO_SCRIPTED=1) a script runs each route, leaves a picture of
# every page in build/default/demo and prints the settings file
# G_INPUTXML.dat that each route wrote for the host application.
set -euo pipefail
cd "$(dirname "$0")/../.."

bin="$PWD/build/default/bin"
demo="$PWD/build/default/demo"
drive="$demo/drive"
rm -rf "$drive" && mkdir -p "$drive/TesseraData"
"$bin/tessera-sample" delivery "$drive/納品/道路改良工事" --photos 24
"$bin/tessera-sample" eizen "$drive/営繕/庁舎改修工事" --photos 40

# S: is where the scripts leave their pictures.
export TESSERA_DRIVES="D=$drive;S=$demo"
arguments=('D:\TesseraData' 1 0)

# Runs the wizard with the temp folder D:\temp\<name>\; prints the settings
# file when it was finished.
run_reader() {
    local name=$1
    mkdir -p "$drive/temp/$name"
    local status=0
    TMP="D:\\temp\\$name\\" "$bin/DeliveryReader" "${arguments[@]}" || status=$?
    case $status in
    1)
        echo "DeliveryReader ($name): finished; D:\\temp\\$name\\G_INPUTXML.dat holds"
        iconv -f UTF-16 -t UTF-8 "$drive/temp/$name/G_INPUTXML.dat" | tr -d '\r'
        ;;
    0) echo "DeliveryReader ($name): cancelled, no settings file" ;;
    *)
        echo "DeliveryReader ($name): the run stopped with exit code $status" >&2
        return 1
        ;;
    esac
}

if [[ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" && "${TESSERA_DEMO_SCRIPTED:-0}" != 1 ]]; then
    echo "DeliveryReader: choose D:\\納品\\道路改良工事 (a standard delivery)"
    echo "or D:\\営繕\\庁舎改修工事 (a government-building delivery) as the root folder."
    run_reader manual
    exit 0
fi

for route in standard eizen; do
    log="$demo/deliveryreader-$route.log"
    rm -f "$log"
    TESSERA_UI_SCRIPT="$PWD/tools/demo/deliveryreader-$route.script" TESSERA_UI_LOG="$log" \
        run_reader "$route"
    echo "Message boxes on the way (caption, icon, text):"
    cat "$log" 2>/dev/null || true
    echo
done
echo "DeliveryReader: pictures of the pages in $demo/deliveryreader-*.png"
