#!/usr/bin/env bash
# Installs what is missing, builds the programs and runs the main job.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/setup-deps.sh
cmake --preset default
cmake --build --preset default
