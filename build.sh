#!/usr/bin/env bash
# Builds Zot on a Debian machine and either starts the game or runs every test.
#   ./build.sh play   build Zot.exe and start it (under Wine on Linux)
#   ./build.sh web    build the browser page, build/web/zot.html (one file, nothing to install)
#   ./build.sh test   build everything and run every test: plain, sanitized, fuzz, Windows under Wine,
#                     the page in chromium
set -euo pipefail
cd "$(dirname "$0")"
root=$PWD
jobs=$(nproc 2>/dev/null || echo 2)

# Debian packages the build and the tests need; installed only when missing.
packages=(cmake make g++ clang libclang-rt-14-dev libgtest-dev libbenchmark-dev zlib1g-dev
          g++-mingw-w64-x86-64-posix mingw-w64-tools wine wine64 xvfb xdotool x11-apps x11-utils
          imagemagick faketime procps fonts-dejavu-core emscripten esbuild chromium nodejs npm
          nlohmann-json3-dev)

install_missing() {
  local missing=() p name status
  # One query for them all: a query per package costs a second before every start.
  local -A installed=()
  while read -r name status; do
    [ "$status" == "install ok installed" ] && installed[$name]=1
  done < <(dpkg-query -W -f='${Package} ${Status}\n' "${packages[@]}" 2>/dev/null)
  for p in "${packages[@]}"; do
    # Some nodejs builds carry npm themselves and conflict with Debian's npm.
    [ "$p" == npm ] && command -v npm >/dev/null && continue
    [ -n "${installed[$p]:-}" ] || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo=sudo
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

configure() {  # dir, cmake args...
  local dir=$1; shift
  cmake -S "$root" -B "$dir" -DZOT_WERROR=ON "$@" >/dev/null
}

configure_build() {  # dir, cmake args...
  configure "$@"
  cmake --build "$1" -j"$jobs"
}

build_windows() {  # cmake --build options, e.g. --target Zot
  configure "$root/build/win" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" -DCMAKE_BUILD_TYPE=Release
  cmake --build "$root/build/win" -j"$jobs" "$@"
}

# The page, with Debian's Emscripten (its emcc finds acorn only through NODE_PATH).
build_web() {
  NODE_PATH=/usr/share/nodejs emcmake cmake -S "$root" -B "$root/build/web" -DZOT_WERROR=ON \
    -DCMAKE_BUILD_TYPE=Release >/dev/null
  NODE_PATH=/usr/share/nodejs cmake --build "$root/build/web" -j"$jobs"
}

case "${1:-}" in
  play)
    install_missing
    # Zot.exe alone: even up to date, the test programs beside it cost seconds.
    build_windows --target Zot
    # A prefix of the game's own (fonts with Arabic letters), and none of Wine's
    # own diagnostics in the player's terminal. Nothing waits for the prefix's
    # other programs: a second game starts beside a running one.
    prefix=${ZOT_WINEPREFIX:-$root/build/wine-prefix}
    "$root/tools/wine/zot_prefix.sh" "$prefix"
    # Each game started here holds this lock, shared, while it runs. With none
    # running, a session of the prefix may still be ending (a game just closed,
    # or the settings were just applied), and a game started into it can wait
    # ten seconds for a desktop that is going away: let that session end first.
    lock=$prefix/zot-games.lock
    if flock -n -x "$lock" true; then WINEPREFIX=$prefix wineserver -w; fi
    WINEPREFIX=$prefix WINEDEBUG=-all exec flock -o -s "$lock" wine "$root/build/win/app/Zot.exe" 2>/dev/null
    ;;
  web)
    install_missing
    build_web
    echo "The page: $root/build/web/zot.html ($(stat -c %s "$root/build/web/zot.html") bytes); open it in a browser"
    ;;
  test)
    install_missing
    build_windows
    build_web
    # The browser tests drive Debian's chromium through playwright-core (tests/web/node_modules).
    (cd "$root/tests/web" && npm ci --no-audit --no-fund --silent)
    configure_build "$root/build/native" -DZOT_WIN_BUILD_DIR="$root/build/win" -DZOT_WEB_BUILD_DIR="$root/build/web"
    configure_build "$root/build/asan" -DZOT_SANITIZE=ON
    configure "$root/build/fuzz" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_C_COMPILER=clang -DZOT_FUZZ=ON
    cmake --build "$root/build/fuzz" -j"$jobs" --target zot_fuzz_decode zot_fuzz_seeds zot_fuzz_saved_game \
      zot_fuzz_view zot-sim
    logs=$root/build/test-logs
    mkdir -p "$logs"
    status=0
    run_ctest() {  # name, build dir, ctest args...
      local name=$1 dir=$2; shift 2
      if ! (cd "$dir" && ctest --output-on-failure "$@") 2>&1 | tee "$logs/$name.log"; then
        status=1
      fi
    }
    echo "== plain build (with the Windows program under Wine and the page in chromium)"
    run_ctest plain "$root/build/native"
    echo "== AddressSanitizer + UndefinedBehaviorSanitizer"
    run_ctest asan "$root/build/asan" -LE 'wine|fuzz'
    echo "== fuzzing the decoders and the page's words and JSON"
    run_ctest fuzz "$root/build/fuzz" -L fuzz
    # One line for the three runs together.
    sed -n 's/.*tests passed, \([0-9]*\) tests\{0,1\} failed out of \([0-9]*\).*/\1 \2/p' "$logs"/*.log |
      awk '{ failed += $1; total += $2 } END { printf "all: %d passed, %d failed\n", total - failed, failed }'
    exit $status
    ;;
  *)
    echo "usage: $0 play|web|test" >&2
    exit 2
    ;;
esac
