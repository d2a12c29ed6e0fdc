#!/usr/bin/env bash
# Fails when portguard.exe imports anything but Windows system DLLs: it must run from one file.
set -euo pipefail
exe=${1:?usage: check-imports.sh portguard.exe}
allowed='^(kernel32|user32|gdi32|comctl32|shell32|shlwapi|advapi32|msvcrt)\.dll$'
imports=$(i686-w64-mingw32-objdump -p "$exe" | sed -n 's/^[[:space:]]*DLL Name: //p')
echo "$imports"
bad=$(echo "$imports" | tr 'A-Z' 'a-z' | grep -Ev "$allowed" || true)
if [ -n "$bad" ]; then
    echo "not a system DLL: $bad" >&2
    exit 1
fi
