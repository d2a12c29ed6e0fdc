#!/usr/bin/env bash
# Packs a built portguard.exe with the usage text and the licence into OUTDIR/portguard-1.0.0-win32.zip
# and writes OUTDIR/SHA256SUMS. Fixed time stamps, file order and attributes make the zip's bytes
# depend on its three files alone.
set -euo pipefail
exe=${1:?usage: package.sh portguard.exe OUTDIR}
out=${2:?usage: package.sh portguard.exe OUTDIR}
root=$(cd "$(dirname "$0")/.." && pwd)
name=portguard-1.0.0-win32.zip
stamp=202601010000  # 2026-01-01 00:00, in UTC

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
cp "$exe" "$stage/portguard.exe"
# Windows text files: a UTF-8 byte order mark, so that Notepad shows the Chinese, and CRLF lines.
for text in "packaging/README.txt:README.txt" "LICENSE:LICENSE.txt"; do
    { printf '\xef\xbb\xbf'; sed 's/$/\r/' "$root/${text%%:*}"; } > "$stage/${text##*:}"
done
chmod 644 "$stage"/*
TZ=UTC touch -t "$stamp" "$stage"/*

mkdir -p "$out"
rm -f "$out/$name"
# -X leaves out the extra fields that carry owners and times of day; -D adds no folder entries.
(cd "$stage" && TZ=UTC zip -q -X -D "$out/$name" portguard.exe README.txt LICENSE.txt)
(cd "$out" && sha256sum "$name" > SHA256SUMS)
