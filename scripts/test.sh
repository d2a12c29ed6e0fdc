#!/usr/bin/env bash
set -euo pipefail
source "$(dirname "$0")/common.sh"
cd "$ROOT"

ensure_system

say "static checks"
scripts/static-checks.sh

build_preset native
build_preset fuzz
build_preset win32

say "unit tests"
ctest --preset native -j "$BUILD_JOBS"

say "differential fuzzing, fixed seed and run count"
ctest --preset fuzz

say "end-to-end tests under Wine"
use_wine
start_xvfb
trap stop_xvfb EXIT
# One at a time: the tests type keys into the foreground window and watch the focus.
ctest --preset win32
