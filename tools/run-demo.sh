#!/usr/bin/env bash
# Installs what is missing, builds the programs and runs the main job: the
# import wizard DeliveryReader on a generated standard delivery and on a
# generated government-building folder tree (tools/demo/deliveryreader.sh),
# then ShelfWarden on generated shared bookshelves (tools/demo/shelfwarden.sh).
# Everything the demo makes lands in build/default/demo.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/setup-deps.sh
cmake --preset default
cmake --build --preset default

bash tools/demo/deliveryreader.sh
bash tools/demo/shelfwarden.sh
