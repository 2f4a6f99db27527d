#!/usr/bin/env bash
# Runs one libFuzzer target for a bounded time on its corpus in the build tree.
set -eu
binary=$1 corpus=$2 seconds=$3
mkdir -p "$corpus"
exec "$binary" "$corpus" -max_total_time="$seconds" -print_final_stats=1 2>&1
