#!/usr/bin/env bash
# Runs one fuzz target of the fuzz build for the given minutes at the
# lowest priority, on its corpus folder made by make-corpora.sh; the log
# (with libFuzzer's final figures) and any crashing input go to build/fuzz.
# Usage: tools/fuzz/run-fuzzer.sh <target> <minutes> [libFuzzer options...]
set -euo pipefail

target=$1
minutes=$2
shift 2
build=build/fuzz
mkdir -p "$build/corpus/$target" "$build/logs" "$build/artifacts"
exec nice -n 19 "$build/bin/$target" -max_total_time=$((minutes * 60)) \
    -print_final_stats=1 -artifact_prefix="$build/artifacts/$target-" \
    "$@" "$build/corpus/$target" >"$build/logs/$target.log" 2>&1
