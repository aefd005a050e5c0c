#!/usr/bin/env bash
# One Wine prefix and one virtual X display for a test run.
#   wine_env.sh setup STATE      start Xvfb (depth 24), a persistent wineserver, wineboot -i
#                                (ZOT_WINE_SCREEN=WxH, default 1024x768; ZOT_WINE_DPI=N)
#   wine_env.sh run STATE CMD..  run CMD with DISPLAY and WINEPREFIX of that run
#   wine_env.sh cleanup STATE    stop the wineserver and Xvfb that setup started
set -euo pipefail
verb=${1:?verb}
state=${2:?state directory}

load_env() {
  # shellcheck disable=SC1091
  source "$state/env"
}

case "$verb" in
  setup)
    if [ -f "$state/xvfb.pid" ]; then "$0" cleanup "$state" || true; fi
    rm -rf "$state"
    mkdir -p "$state"
    display=""
    for n in $(seq 91 140); do
      if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then display=$n; break; fi
    done
    [ -n "$display" ] || { echo "no free X display" >&2; exit 1; }
    # Detached, with its output in a file, so the test runner's pipes close.
    setsid Xvfb ":$display" -screen 0 "${ZOT_WINE_SCREEN:-1024x768}x24" -nolisten tcp </dev/null >"$state/xvfb.log" 2>&1 &
    echo $! >"$state/xvfb.pid"
    for _ in $(seq 1 100); do
      [ -e "/tmp/.X11-unix/X$display" ] && break
      sleep 0.1
    done
    [ -e "/tmp/.X11-unix/X$display" ] || { echo "Xvfb did not start" >&2; cat "$state/xvfb.log" >&2; exit 1; }
    cat >"$state/env" <<ENV
export DISPLAY=:$display
export WINEPREFIX=$state/prefix
export WINEARCH=win64
export WINEDEBUG=-all
# No Mono or Gecko installers, no desktop menu entries, no sound device probing.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d;winealsa.drv,winepulse.drv=d"
ENV
    load_env
    # The project's own prefix: fonts with Arabic letters, no window manager in
    # Xvfb (Wine draws the captions and frames itself and does not wait, seconds
    # each time, for a manager to unmap a window).
    "$(dirname "$0")/../../tools/wine/zot_prefix.sh" "$WINEPREFIX" --unmanaged ${ZOT_WINE_DPI:+--dpi "$ZOT_WINE_DPI"} \
      >"$state/wineboot.log" 2>&1
    # The server that made the prefix gone (its registry saved), then one of the run's own.
    wineserver -w
    setsid wineserver -p </dev/null >"$state/wineserver.log" 2>&1 &
    sleep 0.5
    # The prefix's services start with the first program; start them here, with
    # their output in a file, not in some test's pipe.
    wine wineboot </dev/null >>"$state/wineboot.log" 2>&1
    echo "Wine prefix $WINEPREFIX ready on display $DISPLAY ($(wine --version))"
    ;;
  run)
    shift 2
    load_env
    # Wine's helper processes live on after the test and keep whatever output
    # they were given; a file lets the test runner see the test end.
    log=$(mktemp "$state/run.XXXXXX")
    code=0
    "$@" </dev/null >"$log" 2>&1 || code=$?
    cat "$log"
    rm -f "$log"
    exit $code
    ;;
  cleanup)
    if [ -f "$state/env" ]; then
      load_env
      wineserver -k </dev/null >/dev/null 2>&1 || true
    fi
    if [ -f "$state/xvfb.pid" ]; then
      kill "$(cat "$state/xvfb.pid")" 2>/dev/null || true
      rm -f "$state/xvfb.pid"
    fi
    rm -rf "$state/prefix"
    ;;
  *)
    echo "usage: $0 setup|run|cleanup STATE [CMD...]" >&2
    exit 2
    ;;
esac
