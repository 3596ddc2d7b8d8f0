# Shared set-up of ./test and ./run: packages, builds, and a Wine session with
# a virtual display. Sourced, not run.

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD=$ROOT/build
export PATH=/usr/lib/wine:$PATH

PACKAGES=(cmake ninja-build g++ clang libclang-rt-14-dev googletest libgtest-dev libgmock-dev libbenchmark-dev
  g++-mingw-w64-x86-64-posix wine64 xvfb fonts-wine xdotool imagemagick xauth)

ensure_packages() {
  local missing=()
  for package in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq >/dev/null && apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

build_host() {
  cmake -S "$ROOT" -B "$BUILD/host" -G Ninja -DCMAKE_BUILD_TYPE=Debug >/dev/null &&
    cmake --build "$BUILD/host"
}

build_windows() {
  cmake -S "$ROOT" -B "$BUILD/windows" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-w64-x86_64.cmake" >/dev/null &&
    cmake --build "$BUILD/windows"
}

# A Wine prefix of our own, made anew, a display of our own, and a persistent
# wineserver so that Wine's background services don't hold CTest's pipes.
wine_session_start() {
  local name=$1
  export WINEPREFIX=$BUILD/wine-$name WINEDEBUG=-all WINEARCH=win64 WINEDLLOVERRIDES="mscoree,mshtml="
  rm -rf "$WINEPREFIX"
  # Several sessions may run side by side: take the first display whose
  # server really starts.
  local display=90
  while :; do
    if [ ! -e /tmp/.X$display-lock ] && [ ! -e /tmp/.X11-unix/X$display ]; then
      Xvfb :$display -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
      XVFB_PID=$!
      for _ in $(seq 50); do [ -e /tmp/.X11-unix/X$display ] && break; sleep 0.1; done
      kill -0 "$XVFB_PID" 2>/dev/null && [ -e /tmp/.X11-unix/X$display ] && break
    fi
    display=$((display + 1))
  done
  export DISPLAY=:$display
  wine64 wineboot -i >/dev/null 2>&1 </dev/null
  wine_settings
  wineserver -w
  wineserver -p
  wine64 cmd /c exit </dev/null >/dev/null 2>&1
}

# A virtual desktop behaves most like Windows: frames drawn, activation raises.
wine_settings() {
  local reg=(wine64 reg add)
  "${reg[@]}" 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f
  "${reg[@]}" 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1280x1024 /f
} >/dev/null 2>&1 </dev/null

wine_session_stop() {
  wineserver -k 2>/dev/null
  wineserver -w 2>/dev/null
  [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null
  wait "${XVFB_PID:-}" 2>/dev/null
  XVFB_PID=
}
