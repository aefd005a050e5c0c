# Shared steps of the end-to-end tests: start Zot.exe under Wine, look at its
# window through zot_probe and screenshots, click, compare with the model.
# Sourced by the *_test.sh scripts with: ZOT_EXE PROBE PLAN RENDER OUTDIR.
set -euo pipefail

ZOT_EXE=$(realpath "${1:?Zot.exe}")
PROBE=$(realpath "${2:?zot_probe.exe}")
PLAN=$(realpath "${3:?e2e_plan}")
RENDER=$(realpath "${4:?zot-render}")
OUT=$(realpath -m "${5:?output directory}")/${ZOT_E2E_NAME:-$(basename "$0" .sh)}
rm -rf "$OUT"
mkdir -p "$OUT"

failures=0
checks=0
zot_pid=""

fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
pass() { checks=$((checks + 1)); }
expect_eq() {  # what got want
  if [ "$2" == "$3" ]; then pass; else fail "$1: got '$2', want '$3'"; fi
}

probe() { wine "$PROBE" "$@" 2>/dev/null | tr -d '\r'; }
probe_field() {  # field name from `zot_probe window`
  { probe window || true; } | sed -n "s/^$1=//p"
}

now_ms() { date +%s%3N; }

# start_zot [calendar seconds]: Zot.exe with the calendar frozen there (the
# millisecond tick keeps running), waits for its window.
start_zot() {
  local seconds=${1:-}
  cd "$OUT"
  start_ms=$(now_ms)
  if [ -n "$seconds" ]; then
    TZ=UTC FAKETIME="$(date -u -d "@$seconds" '+%Y-%m-%d %H:%M:%S')" FAKETIME_DONT_FAKE_MONOTONIC=1 \
      LD_PRELOAD=/usr/lib/x86_64-linux-gnu/faketime/libfaketime.so.1 \
      wine "$ZOT_EXE" </dev/null >"$OUT/zot.log" 2>&1 &
  else
    wine "$ZOT_EXE" </dev/null >"$OUT/zot.log" 2>&1 &
  fi
  zot_pid=$!
  cd - >/dev/null
  for _ in $(seq 1 150); do
    if [ "$(probe_field class)" == "ZotClass" ]; then break; fi
    sleep 0.2
  done
  read_geometry
}

read_geometry() {
  local origin client
  origin=$(probe_field origin)
  client=$(probe_field client)
  ox=${origin%,*}
  oy=${origin#*,}
  cw=${client%x*}
  ch=${client#*x}
  [ -n "$ox" ] && [ -n "$cw" ] || { echo "no Zot window"; exit 1; }
}

# stop_zot: WM_CLOSE, then the process must end with exit code 0.
stop_zot() {
  probe close
  wait_exit
}
wait_exit() {
  local code=0
  for _ in $(seq 1 100); do
    kill -0 "$zot_pid" 2>/dev/null || break
    sleep 0.1
  done
  if kill -0 "$zot_pid" 2>/dev/null; then
    fail "Zot.exe did not end"
    return
  fi
  wait "$zot_pid" || code=$?
  expect_eq "exit code" "$code" "0"
  zot_pid=""
}

cleanup_zot() {
  if [ -n "$zot_pid" ] && kill -0 "$zot_pid" 2>/dev/null; then
    probe close || true
    sleep 1
    kill "$zot_pid" 2>/dev/null || true
  fi
}
trap cleanup_zot EXIT

# shot FILE: the visible client area as a PNG; the rectangle SHOT_MASK
# ("X0,Y0 X1,Y1"), when set, painted black.
SHOT_MASK=""
shot() {
  import -window root -crop "${cw}x${ch}+${ox}+${oy}" +repage "$1"
  mask "$1"
}
mask() {
  if [ -n "$SHOT_MASK" ]; then mogrify -fill black -draw "rectangle $SHOT_MASK" "$1"; fi
}

# model FILE ARGS...: zot-render's picture, cut to the visible client area.
model() {
  local file=$1
  shift
  "$RENDER" "$@" -o "$file.full.png" 2>/dev/null
  convert "$file.full.png" -crop "${cw}x${ch}+0+0" +repage "$file"
  rm -f "$file.full.png"
}

# Number of pixels that differ between two pictures of the same size.
differing() {
  compare -metric AE "$1" "$2" null: 2>&1 || true
}

click() {  # client x y
  xdotool mousemove $((ox + $1)) $((oy + $2))
  sleep 0.05
  xdotool click 1
}

# expect_picture NAME MODEL TIMEOUT_S: waits until the window shows MODEL
# exactly; keeps the last screenshot and a difference picture when it does not.
expect_picture() {
  local name=$1 want=$2 timeout=$3 got="$OUT/$1.png" deadline diff
  deadline=$(($(now_ms) + timeout * 1000))
  while :; do
    shot "$got"
    diff=$(differing "$got" "$want")
    if [ "$diff" == "0" ]; then
      pass
      return 0
    fi
    if [ "$(now_ms)" -ge "$deadline" ]; then
      compare "$got" "$want" "$OUT/$name.diff.png" 2>/dev/null || true
      fail "$name: $diff pixels differ from the model ($want)"
      return 1
    fi
    sleep 0.15
  done
}

# answer_dialog TITLE BUTTON [RADIO]: waits for the dialog, checks its title,
# marks RADIO if given, presses BUTTON.
answer_dialog() {
  local title=$1 button=$2 radio=${3:-} got
  got=$(probe dialog 15000 | sed -n 's/^title=//p')
  expect_eq "dialog title" "$got" "$title"
  if [ -n "$radio" ]; then probe press "$radio"; fi
  probe press "$button" || fail "could not press $button in '$title'"
  for _ in $(seq 1 50); do
    if probe nodialog; then return 0; fi
    # A dialog that follows at once (score, then won) has another title.
    [ "$(probe dialog 0 | sed -n 's/^title=//p')" != "$title" ] && return 0
    sleep 0.1
  done
  fail "dialog '$title' did not close"
}

finish() {
  echo "$checks passed, $failures failed"
  [ "$failures" -eq 0 ]
}
