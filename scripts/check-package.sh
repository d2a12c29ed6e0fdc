#!/usr/bin/env bash
# Packs the built exe as a release does and checks that the zip holds exactly the three files users
# get: the exe as built, the usage text and the licence; nothing of the test environment.
set -euo pipefail
exe=${1:?usage: check-package.sh portguard.exe}
root=$(cd "$(dirname "$0")/.." && pwd)
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

"$root/scripts/package.sh" "$exe" "$out"
zip="$out/portguard-1.0.0-win32.zip"
listed=$(unzip -Z1 "$zip")
expected=$'portguard.exe\nREADME.txt\nLICENSE.txt'
if [ "$listed" != "$expected" ]; then
    printf 'the zip holds:\n%s\nexpected:\n%s\n' "$listed" "$expected" >&2
    exit 1
fi
unzip -p "$zip" portguard.exe | cmp - "$exe"
(cd "$out" && sha256sum -c SHA256SUMS)
# Packing again gives the same bytes.
first=$(sha256sum < "$zip")
"$root/scripts/package.sh" "$exe" "$out"
[ "$first" = "$(sha256sum < "$zip")" ] || { echo "packing twice gave different zips" >&2; exit 1; }
echo "package holds exactly: $(echo "$listed" | tr '\n' ' ')"
