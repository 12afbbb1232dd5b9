#!/usr/bin/env bash
# DeliveryWriter, the export wizard, started by the host stand-in
# (tessera-host export) on generated suite data under build/default/demo:
# a government-building bookshelf (code 28) and an MLIT one (code 25), two
# albums of four photos each. Drive D: is build/default/demo/writer-drive;
# the suite's data root is D:\TesseraData.
#
# With a display the wizard opens for the user. Without one (or with
# TESSERA_DEMO_SCRIPTED=1) a script runs each code, leaves a picture of
# every page in build/default/demo and prints the G_OUTPUTXML.dat that the
# host application would carry out.
set -euo pipefail
cd "$(dirname "$0")/../.."

bin="$PWD/build/default/bin"
demo="$PWD/build/default/demo"
mkdir -p "$demo"

# Suite data of one code on a drive of its own; sets drive.
prepare() {
    local code=$1
    drive="$demo/writer-drive-$code"
    rm -rf "$drive" && mkdir -p "$drive/temp"
    "$bin/tessera-sample" suite "$drive/TesseraData" --shelves 2 --albums 2 --photos 4 \
        --standard "$code" >/dev/null
    export TESSERA_DRIVES="D=$drive;S=$demo"
    export TMP='D:\temp\'
}

run_export() {
    local code=$1
    local status=0
    "$bin/tessera-host" export 'D:\TesseraData' --shelf 0 --code "$code" || status=$?
    case $status in
    1) echo "DeliveryWriter (code $code): finished; the lines above are D:\\temp\\G_OUTPUTXML.dat" ;;
    0) echo "DeliveryWriter (code $code): cancelled, no settings file" ;;
    *)
        echo "DeliveryWriter (code $code): the run stopped with exit code $status" >&2
        return 1
        ;;
    esac
}

if [[ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" && "${TESSERA_DEMO_SCRIPTED:-0}" != 1 ]]; then
    prepare 25
    echo "DeliveryWriter: tick albums of 1号 道路改良工事 and choose an empty output folder."
    run_export 25
    exit 0
fi

for code in 28 25; do
    prepare "$code"
    log="$demo/deliverywriter-$code.log"
    rm -f "$log"
    echo "DeliveryWriter (code $code): G_OUTPUTXML.dat"
    # A route that stops is reported above; the other route and the rest of
    # the demo still run.
    TESSERA_UI_SCRIPT="$PWD/tools/demo/deliverywriter-$code.script" TESSERA_UI_LOG="$log" \
        run_export "$code" || true
    echo "Message boxes on the way (caption, icon, text):"
    cat "$log" 2>/dev/null || true
    echo
done
# The MLIT delivery just written, checked as the ordering body's checker
# would before it is handed over.
echo "tessera-host check of the code-25 delivery (D:\出力-道路):"
"$bin/tessera-host" check "$demo/writer-drive-25/出力-道路" \
    --html "$demo/deliverywriter-25-check.html" || true
echo
echo "DeliveryWriter: pictures of the pages in $demo/deliverywriter-*.png"
