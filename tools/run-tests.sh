#!/usr/bin/env bash
# Installs what is missing, builds with the given preset (default: default)
# and runs the whole test suite.
set -euo pipefail
cd "$(dirname "$0")/.."
preset=${1:-default}

bash tools/setup-deps.sh
cmake --preset "$preset"
cmake --build --preset "$preset"
ctest --preset "$preset"
