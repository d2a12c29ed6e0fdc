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

say "start-up and private memory under Wine: portguard against the minimal window program"
wine "$ROOT/build/win32/startup_bench.exe" "$ROOT/build/win32/portguard.exe" "$ROOT/build/win32/minimal_window.exe" 31

say "the same against the minimal window program with portguard's manifest (visual styles)"
wine "$ROOT/build/win32/startup_bench.exe" "$ROOT/build/win32/portguard.exe" \
    "$ROOT/build/win32/minimal_window_styled.exe" 31

say "size in bytes: code (.text), resources (.rsrc), the whole file"
for exe in portguard minimal_window minimal_window_styled; do
    file="$ROOT/build/win32/$exe.exe"
    sections=$(i686-w64-mingw32-objdump -h "$file")
    size_of() { echo "$sections" | awk -v name="$1" '$2 == name { print $3 }'; }
    code=$((16#$(size_of .text)))
    resources=$(size_of .rsrc)
    resources=$((16#${resources:-0}))
    printf '%-16s code %8d  resources %8d  file %8d\n' "$exe" "$code" "$resources" "$(stat -c %s "$file")"
done
