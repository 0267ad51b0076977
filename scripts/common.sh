# Shared by run.sh and test.sh: packages, builds, the Wine prefix and the
# virtual X server. Source it; it sets ROOT and BUILD.
set -euo pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD=${TAVRINO_BUILD:-$ROOT/build}

PACKAGES=(cmake ninja-build g++ googletest g++-mingw-w64-x86-64-posix wine wine64 xvfb xdotool
          xclip imagemagick fonts-wqy-microhei fonts-wine icoutils x11-utils clang
          libclang-rt-14-dev zip unzip)

say() { printf '== %s\n' "$*" >&2; }

install_missing_packages() {
  local missing=()
  for p in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  say "installing ${missing[*]}"
  local sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
    "${missing[@]}" >/dev/null
}

build_windows() {
  cmake -S "$ROOT" -B "$BUILD/win64" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-w64-x86_64.cmake" >/dev/null
  cmake --build "$BUILD/win64" -- -j2
}

build_fuzz() {
  cmake -S "$ROOT" -B "$BUILD/fuzz" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DTAVRINO_FUZZ=ON >/dev/null
  cmake --build "$BUILD/fuzz" -- -j2
}

build_native() {
  cmake -S "$ROOT" -B "$BUILD/native" -G Ninja -DCMAKE_BUILD_TYPE=Debug >/dev/null
  cmake --build "$BUILD/native" -- -j2
}

# Wine: a prefix of our own in the build tree, a virtual desktop (frames,
# captions and reliable focus without a window manager), no crash dialogs.
export WINEPREFIX="$BUILD/wineprefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export WINEARCH=win64
# Wine takes its ANSI code page from LC_ALL: zh_CN gives 936, en_US 1252.
WINE_LOCALE=${WINE_LOCALE:-zh_CN.UTF-8}
run_wine() { env LC_ALL="$WINE_LOCALE" wine "$@"; }

prepare_wine_prefix() {
  if [ ! -f "$WINEPREFIX/.tavrino-ready" ]; then
    say "making the Wine prefix in $WINEPREFIX"
    mkdir -p "$WINEPREFIX"
    env LC_ALL="$WINE_LOCALE" wineboot -i >/dev/null 2>&1
    run_wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
    run_wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f >/dev/null 2>&1
    run_wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
    wineserver -w
    touch "$WINEPREFIX/.tavrino-ready"
  fi
  wineserver -p
  # Start Wine's own service processes now, away from any pipe of ours.
  run_wine cmd /c exit </dev/null >/dev/null 2>&1 || true
}

stop_wine() { wineserver -k 2>/dev/null || true; }

# A virtual X server unless one is given in $DISPLAY.
XVFB_PID=
start_virtual_display() {
  local n
  for n in $(seq 90 120); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] || break
  done
  Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  XVFB_PID=$!
  export DISPLAY=":$n"
  for _ in $(seq 50); do
    xdotool getdisplaygeometry >/dev/null 2>&1 && return 0
    sleep 0.1
  done
}

stop_virtual_display() { [ -z "$XVFB_PID" ] || kill "$XVFB_PID" 2>/dev/null || true; }
