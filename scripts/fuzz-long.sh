#!/usr/bin/env bash
# The long fuzz runs recorded in docs/robustness.md: each differential target for SECONDS (default
# 600), one after the other, keeping a corpus under build/fuzz-corpus/.
set -euo pipefail
source "$(dirname "$0")/common.sh"
cd "$ROOT"
seconds=${1:-600}

ensure_system
build_preset fuzz
for target in process_check_fuzz port_text_fuzz; do
    corpus="$ROOT/build/fuzz-corpus/$target"
    mkdir -p "$corpus"
    say "$target for $seconds s"
    # libFuzzer writes any crashing input beside the corpus; -print_final_stats gives the figures.
    "$ROOT/build/fuzz/tests/fuzz/$target" "$corpus" -max_total_time="$seconds" -print_final_stats=1 \
        -artifact_prefix="$ROOT/build/fuzz-corpus/$target-" 2>&1 | grep -E '^(stat::|Done|==.*ERROR|SUMMARY)' || true
done
