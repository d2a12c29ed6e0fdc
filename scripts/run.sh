#!/usr/bin/env bash
set -euo pipefail
source "$(dirname "$0")/common.sh"
cd "$ROOT"

ensure_system
build_preset win32
use_wine

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
    say "starting portguard on $DISPLAY"
    wine "$ROOT/build/win32/portguard.exe"
    exit 0
fi

# No display: show the window on a private Xvfb and take a picture of it.
start_xvfb
trap stop_xvfb EXIT
say "no display found; starting portguard on a private Xvfb ($DISPLAY)"
wine "$ROOT/build/win32/portguard.exe" &
window=
for _ in $(seq 100); do
    window=$(xdotool search --name 'Varnholt' 2>/dev/null | head -n 1) && [ -n "$window" ] && break
    sleep 0.2
done
sleep 1
shot="$ROOT/build/portguard-screenshot.png"
if [ -n "$window" ]; then
    import -window "$window" "$shot"
else
    import -window root "$shot"
fi
say "screenshot saved to $shot; closing the program"
wineserver -k
