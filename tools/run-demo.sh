#!/usr/bin/env bash
# Installs what is missing, builds the programs and runs the main job: the
# import wizard DeliveryReader on a generated standard delivery and on a
# generated government-building folder tree (tools/demo/deliveryreader.sh),
# the export wizard DeliveryWriter through the host stand-in on generated
# suite data for codes 28 and 25 (tools/demo/deliverywriter.sh),
# then ShelfWarden on generated shared bookshelves (tools/demo/shelfwarden.sh),
# and last the round trip for codes 25 and 28: a bookshelf exported, the
# delivery imported into a new bookshelf and that exported again, the two
# deliveries compared; a difference fails the demo (tools/demo/roundtrip.sh).
# Everything the demo makes lands in build/default/demo.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/setup-deps.sh
cmake --preset default
cmake --build --preset default

bash tools/demo/deliveryreader.sh
bash tools/demo/deliverywriter.sh
bash tools/demo/shelfwarden.sh
bash tools/demo/roundtrip.sh
