# Shared by ./run and ./test: installs what is missing, builds, and prepares the private Wine prefix and
# X display. Sourced, not run.

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD_JOBS=$(nproc 2>/dev/null || echo 2)

PACKAGES=(cmake make g++ clang libclang-rt-14-dev clang-format clang-tidy cppcheck cpio libgtest-dev libbenchmark-dev
          g++-mingw-w64-i686-posix wine wine32:i386 fonts-wine xvfb xdotool x11-utils
          icoutils imagemagick fonts-wqy-microhei locales zip unzip)

say() { printf '\033[1m== %s\033[0m\n' "$*"; }

as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

package_installed() {
    dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'ok installed'
}

# Debian packages, the i386 architecture that wine32 needs, and the zh_CN.UTF-8 locale under which
# Wine's ANSI code page is 936. Each step runs only when something is missing.
ensure_system() {
    local missing=()
    for package in "${PACKAGES[@]}"; do
        package_installed "$package" || missing+=("$package")
    done
    if [ ${#missing[@]} -gt 0 ]; then
        say "installing ${missing[*]}"
        if ! dpkg --print-foreign-architectures | grep -qx i386; then
            as_root dpkg --add-architecture i386
        fi
        as_root apt-get update -qq
        as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}" >/dev/null
    fi
    if ! locale -a 2>/dev/null | grep -qix 'zh_CN.utf8'; then
        say "generating the zh_CN.UTF-8 locale"
        as_root sed -i 's/^# *\(zh_CN.UTF-8 UTF-8\)/\1/' /etc/locale.gen
        grep -q '^zh_CN.UTF-8 UTF-8' /etc/locale.gen || echo 'zh_CN.UTF-8 UTF-8' | as_root tee -a /etc/locale.gen >/dev/null
        as_root locale-gen >/dev/null
    fi
}

build_preset() {
    say "building the $1 preset"
    cmake --preset "$1" >/dev/null
    cmake --build --preset "$1" -j "$BUILD_JOBS"
}

# A 32-bit Wine prefix of our own under build/, with Wine drawing window frames itself (no window
# manager runs on Xvfb) and the stand-in firewall on the PATH ahead of Wine's own netsh.
use_wine() {
    export WINEPREFIX="$ROOT/build/wine"
    export WINEARCH=win32
    export WINEDEBUG=-all
    export WINEDLLOVERRIDES="mscoree,mshtml="
    export LC_ALL=zh_CN.UTF-8
    export WINEPATH='C:\standin'
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        say "creating the Wine prefix $WINEPREFIX"
        mkdir -p "$WINEPREFIX"
        wineboot -i >/dev/null 2>&1
        wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
        wineserver -w
    fi
    mkdir -p "$WINEPREFIX/drive_c/standin"
    cp "$ROOT/build/win32/standin/netsh.exe" "$WINEPREFIX/drive_c/standin/netsh.exe"
}

# Starts a private Xvfb on a free display and points DISPLAY at it; it ends with the calling shell.
start_xvfb() {
    local display=90
    while [ -e "/tmp/.X$display-lock" ] || [ -e "/tmp/.X11-unix/X$display" ]; do
        display=$((display + 1))
    done
    Xvfb ":$display" -screen 0 1366x768x24 -nolisten tcp >/dev/null 2>&1 &
    XVFB_PID=$!
    export DISPLAY=":$display"
    for _ in $(seq 50); do
        xdpyinfo >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    echo "Xvfb did not start on $DISPLAY" >&2
    return 1
}

stop_xvfb() {
    if [ -n "${WINEPREFIX:-}" ]; then wineserver -k 2>/dev/null || true; fi
    if [ -n "${XVFB_PID:-}" ]; then kill "$XVFB_PID" 2>/dev/null || true; fi
}
