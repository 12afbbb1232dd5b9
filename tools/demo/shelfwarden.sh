#!/usr/bin/env bash
# ShelfWarden on generated suite data with shared bookshelves: a scripted
# run that clears a using computer and takes a picture of each tab. Run
# build/default/bin/ShelfWarden with the same two variables to use it by hand.
set -euo pipefail
cd "$(dirname "$0")/../.."

demo="$PWD/build/default/demo"
rm -rf "$demo/suite" && mkdir -p "$demo"
build/default/bin/tessera-sample suite "$demo/suite" --shelves 3 --shared
cat > "$demo/shelfwarden.script" <<SCRIPT
answer IDOK
answer IDYES
answer IDOK
shot $demo/shelfwarden-own-group.png
select 1009 0
click 1004
select 1010 1
shot $demo/shelfwarden-other-groups.png
SCRIPT
TESSERA_SUITE_DATA="$demo/suite" TESSERA_REGISTRY="$demo/suite/registry.reg" \
TESSERA_UI_SCRIPT="$demo/shelfwarden.script" TESSERA_UI_LOG="$demo/shelfwarden.log" \
    build/default/bin/ShelfWarden
echo "ShelfWarden: message boxes in $demo/shelfwarden.log, pictures in $demo/"
