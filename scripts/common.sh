# Shared steps of the run and test commands: install what is missing, build, prepare Wine.
# Sourced, not run.

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="$ROOT/build"
PACKAGES="cmake make python3 g++-mingw-w64-x86-64 g++-mingw-w64-i686 mingw-w64-tools googletest
  wine64 wine fonts-wine xvfb xauth imagemagick xdotool clang libclang-rt-14-dev"

log() { printf '== %s\n' "$*" >&2; }

as_root() {
  if [ "$(id -u)" = 0 ]; then "$@"; else sudo "$@"; fi
}

ensure_packages() {
  local missing=()
  for p in $PACKAGES; do
    dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
  done
  if [ ${#missing[@]} -gt 0 ]; then
    log "installing ${missing[*]}"
    as_root apt-get update -qq
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
  fi
}

# build ARCH TESTING(ON|OFF): configures and builds build/ARCH.
build() {
  local arch=$1 testing=$2 dir="$BUILD/$1"
  log "building $arch"
  cmake -S "$ROOT" -B "$dir" -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/toolchain-$arch.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING="$testing" >"$dir.configure.log" 2>&1 ||
    { cat "$dir.configure.log"; return 1; }
  cmake --build "$dir" -j "$(nproc)" >"$dir.build.log" 2>&1 || { tail -60 "$dir.build.log"; return 1; }
}

# Wine settings for the prefix inside build/x86_64.
wine_env() {
  export WINEPREFIX="$BUILD/x86_64/wineprefix"
  export WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml="
}

# Creates the prefix once. Windows draw their own captions, since Xvfb has no window manager.
prepare_wine_prefix() {
  wine_env
  if [ ! -f "$WINEPREFIX/.prepared" ]; then
    log "creating the Wine prefix (about 15 s)"
    # A wineserver kept alive by an earlier run would make -w wait for ever: stop it first.
    wineserver -k >/dev/null 2>&1 || true
    wineboot -i >/dev/null 2>&1 </dev/null || true
    timeout 120 wineserver -w || true
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /t REG_SZ /d N /f >/dev/null 2>&1 </dev/null
    timeout 120 wineserver -w || true
    touch "$WINEPREFIX/.prepared"
  fi
}

# Builds the 64-bit programs for running, keeping whatever the test command configured.
build_for_running() {
  mkdir -p "$BUILD"
  local testing=OFF
  grep -q '^BUILD_TESTING:BOOL=ON' "$BUILD/x86_64/CMakeCache.txt" 2>/dev/null && testing=ON
  build x86_64 "$testing"
}

# One persistent wineserver for a session on a display, with Wine's background
# services started now, detached from any program's output: a service started by a
# test would inherit its pipes and keep CTest waiting for their end.
start_wineserver() {
  prepare_wine_prefix
  wineserver -k >/dev/null 2>&1 || true # a server left by an earlier run holds another display
  wineserver -p
  wine cmd /c exit >/dev/null 2>&1 </dev/null || true
}
