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
    # libFuzzer writes any input that breaks the check beside the corpus and exits non-zero;
    # -print_final_stats gives the figures. Only the summary lines are shown.
    log="$ROOT/build/fuzz-corpus/$target.log"
    status=0
    "$ROOT/build/fuzz/tests/fuzz/$target" "$corpus" -max_total_time="$seconds" -print_final_stats=1 \
        -artifact_prefix="$ROOT/build/fuzz-corpus/$target-" >"$log" 2>&1 || status=$?
    grep -E '^(stat::|Done|==.*ERROR|SUMMARY)' "$log" || true
    if [ "$status" != 0 ]; then
        echo "$target found a disagreement (exit $status); see $log" >&2
        exit "$status"
    fi
done
