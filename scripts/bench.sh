#!/usr/bin/env bash
# Benchmarks (not timed tests): prints the figures that docs/performance.md records.
set -euo pipefail
source "$(dirname "$0")/common.sh"
cd "$ROOT"

ensure_system
build_preset bench
build_preset win32

say "machine"
echo "$(nproc) cores, $(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -n 1), $(free -h | awk '/^Mem:/ {print $2}') memory"
wine --version

say "process check, native: time per record over lists with no match"
"$ROOT/build/bench/bench/process_check_bench" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true

say "process check under Wine: IsProcessRunning against the bare snapshot walk"
use_wine
start_xvfb
trap stop_xvfb EXIT
wine "$ROOT/build/win32/snapshot_bench.exe"
