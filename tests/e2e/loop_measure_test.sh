#!/usr/bin/env bash
# Processor use and pacing of the main loop, measured on the two measurement
# builds of Zot.exe in the same run: ZotMeasure.exe (the loop that waits for a
# message or the pacing deadline) and ZotMeasureSpin.exe (the loop that polls
# without ever waiting). Both log the tick of every computer move.
source "$(dirname "$0")/e2e_lib.sh"

seed=1767225620   # the human moves first; three computer moves follow each human move
settings=(--seed "$seed" --players 4 --rules standard --length one-deal)
"$PLAN" "${settings[@]}" >"$OUT/plan.txt"
app_dir=$(dirname "$ZOT_EXE")
hz=$(getconf CLK_TCK)

# CPU ticks used so far by the Windows process and by this prefix's wineserver.
process_ticks() {
  local pid total=0
  for pid in $(pgrep -f "$1" || true); do
    total=$((total + $(awk '{print $14 + $15}' "/proc/$pid/stat" 2>/dev/null || echo 0)))
  done
  echo "$total"
}
server_ticks() {
  local pid total=0
  for pid in $(pgrep wineserver || true); do
    if tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null | grep -qx "WINEPREFIX=$WINEPREFIX"; then
      total=$((total + $(awk '{print $14 + $15}' "/proc/$pid/stat" 2>/dev/null || echo 0)))
    fi
  done
  echo "$total"
}
percent() {  # ticks milliseconds
  awk -v t="$1" -v ms="$2" -v hz="$hz" 'BEGIN { printf "%.1f", 100 * t / hz / (ms / 1000) }'
}

measure() {  # exe name
  local exe=$1 name=$2 pattern
  pattern="$(basename "$exe" .exe)\.exe"
  ZOT_EXE=$exe
  rm -f "$OUT/pacing.log"
  start_zot "$seed"
  [ -f "$OUT/idle.model.png" ] || model "$OUT/idle.model.png" --idle --players 4
  expect_picture "${name}_idle" "$OUT/idle.model.png" 20

  local t0 p0 s0 t1 p1 s1
  t0=$(now_ms); p0=$(process_ticks "$pattern"); s0=$(server_ticks)
  sleep 5
  t1=$(now_ms); p1=$(process_ticks "$pattern"); s1=$(server_ticks)
  idle_cpu[$name]=$(percent $((p1 - p0)) $((t1 - t0)))
  idle_server[$name]=$(percent $((s1 - s0)) $((t1 - t0)))

  # Six human moves from the plan, each followed by paced computer moves.
  click 300 200
  local moves=0 verb a b
  t0=$(now_ms); p0=$(process_ticks "$pattern"); s0=$(server_ticks)
  while read -r verb a b _; do
    case "$verb" in
      table)
        model "$OUT/t$a.model.png" "${settings[@]}" --moves "$a"
        expect_picture "${name}_table_$a" "$OUT/t$a.model.png" 20 || break
        moves=$((moves + 1))
        [ "$moves" -ge 7 ] && break
        ;;
      click) click "$a" "$b" ;;
      dialog) [ "$a" == "color" ] && answer_dialog "أختر اللون" 1 $((1005 + b)) ;;
    esac
  done <"$OUT/plan.txt"
  t1=$(now_ms); p1=$(process_ticks "$pattern"); s1=$(server_ticks)
  play_cpu[$name]=$(percent $((p1 - p0)) $((t1 - t0)))
  play_server[$name]=$(percent $((s1 - s0)) $((t1 - t0)))
  play_ms[$name]=$((t1 - t0))
  stop_zot
  cp "$OUT/pacing.log" "$OUT/$name.pacing.log" 2>/dev/null || true
}

declare -A idle_cpu idle_server play_cpu play_server play_ms
measure "$app_dir/ZotMeasure.exe" waiting
measure "$app_dir/ZotMeasureSpin.exe" spinning

# Spacing of consecutive computer moves (no press between them), and from a
# press to the first computer move after it.
spacing() {  # log, "move" or "click": the event before the measured move
  awk -v after="$2" -F'[ =]' '{ t = $5 + 0
    if ($1 == "move" && last == after) { d = t - p; n++; s += d;
      if (min == "" || d < min) min = d; if (d > max) max = d }
    last = $1; p = t }
    END { if (n) printf "%d %d %.1f %d", min, max, s / n, n; else print "0 0 0 0" }' "$1"
}
read -r wmin wmax wmean wn <<<"$(spacing "$OUT/waiting.pacing.log" move)"
read -r smin smax smean sn <<<"$(spacing "$OUT/spinning.pacing.log" move)"
read -r wcmin wcmax wcmean wcn <<<"$(spacing "$OUT/waiting.pacing.log" click)"
read -r scmin scmax scmean scn <<<"$(spacing "$OUT/spinning.pacing.log" click)"

echo "CPU of one core, Zot process (wineserver beside it):"
echo "  idle table, 5 s:        waiting ${idle_cpu[waiting]}% (${idle_server[waiting]}%)   spinning ${idle_cpu[spinning]}% (${idle_server[spinning]}%)"
echo "  computer turns, ${play_ms[waiting]} / ${play_ms[spinning]} ms: waiting ${play_cpu[waiting]}% (${play_server[waiting]}%)   spinning ${play_cpu[spinning]}% (${play_server[spinning]}%)"
echo "spacing of consecutive computer moves (ms): waiting min $wmin max $wmax mean $wmean over $wn;" \
  "spinning min $smin max $smax mean $smean over $sn"
echo "press to first computer move (ms, includes the press's own handling): waiting min $wcmin max $wcmax" \
  "mean $wcmean over $wcn; spinning min $scmin max $scmax mean $scmean over $scn"

# Neither loop lets a computer move come at 1000 ms or less; the waiting one
# sleeps when idle, where the spinning one keeps polling (it gets less than a
# core on a busy machine, and so may come late: only the waiting one is held to
# its time).
awk -v c="${idle_cpu[waiting]}" 'BEGIN { exit !(c < 3) }' && pass || fail "waiting loop uses ${idle_cpu[waiting]}% idle"
awk -v c="${idle_cpu[spinning]}" 'BEGIN { exit !(c > 10) }' && pass || fail "spinning loop uses only ${idle_cpu[spinning]}% idle"
for loop in "waiting $wn $wmin $wcmin" "spinning $sn $smin $scmin"; do
  read -r name n min clickmin <<<"$loop"
  [ "$n" -ge 6 ] && pass || fail "$name: only $n computer move intervals logged"
  [ "$min" -gt 1000 ] && [ "$clickmin" -gt 1000 ] && pass || fail "$name: a computer move came after $min / $clickmin ms"
done
[ "$wmax" -lt 1100 ] && pass || fail "a computer move came only after $wmax ms"
finish
