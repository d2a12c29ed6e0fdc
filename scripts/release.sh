#!/usr/bin/env bash
# Builds portguard from a clean tree and writes dist/portguard-1.0.0-win32.zip and dist/SHA256SUMS.
set -euo pipefail
source "$(dirname "$0")/common.sh"
cd "$ROOT"

ensure_system
if [ -n "$(git status --porcelain --untracked-files=no 2>/dev/null)" ]; then
    echo "the tree has uncommitted changes; a release is built from committed sources only" >&2
    exit 1
fi
# A build folder of its own, made anew, so that nothing of an earlier build or of the tests gets in.
rm -rf build/release
cmake -S . -B build/release -DCMAKE_TOOLCHAIN_FILE=cmake/i686-w64-mingw32.cmake -DCMAKE_BUILD_TYPE=MinSizeRel >/dev/null
cmake --build build/release --target portguard -j "$BUILD_JOBS"
scripts/package.sh build/release/portguard.exe "$ROOT/dist"
say "dist/portguard-1.0.0-win32.zip"
unzip -Z1 dist/portguard-1.0.0-win32.zip
cat dist/SHA256SUMS
