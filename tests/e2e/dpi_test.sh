#!/usr/bin/env bash
# Zot.exe at 100, 125, 150, 200 and 300 % in a prefix and a 1920x1080 display
# of its own: the window on the screen, its client area the 96-DPI one times
# the scale so the hand (x 150..450, y 250..340) and piles show; at 200 % every
# second pixel is the 96-DPI picture, also after presses that start a match and
# play a card pressed at its edges; 300 % does not fit: the largest scale does.
here=$(cd "$(dirname "$0")" && pwd)
source "$here/e2e_lib.sh"
state=$OUT/wine
ZOT_WINE_SCREEN=1920x1080 "$here/../win/wine_env.sh" setup "$state" >/dev/null
source "$state/env"
trap 'cleanup_zot; "$here/../win/wine_env.sh" cleanup "$state" >/dev/null 2>&1' EXIT

set_dpi() {  # the same prefix; a new server reads LogPixels
  wineserver -k && wineserver -w
  "$here/../../tools/wine/zot_prefix.sh" "$WINEPREFIX" --dpi "$1" --unmanaged >/dev/null 2>&1
  wineserver -w
  setsid wineserver -p </dev/null >/dev/null 2>&1 &
  wine wineboot </dev/null >/dev/null 2>&1
  start_zot "$seed"
  outer=$(probe_field outer) pos=$(probe_field position) screen=$(probe_field screen)
  echo "LogPixels $1: outer $outer at $pos, client ${cw}x${ch}"
  [ "${pos%,*}" -ge 0 ] && [ "${pos#*,}" -ge 0 ] && [ $((${pos%,*} + ${outer%x*})) -le "${screen%x*}" ] &&
    [ $((${pos#*,} + ${outer#*x})) -le "${screen#*x}" ] && pass || fail "$1 dpi: window not on the screen"
}
scaled() { echo $((($1 * $2 + 48) / 96)); }
# Every second pixel of the window (used at 200 %).
half_shot() { import -window root -crop "${cw}x${ch}+${ox}+${oy}" +repage png:- | convert - -sample 50% "$1"; }

seed=1767225620
settings=(--seed "$seed" --players 4 --rules standard --length one-deal)
set_dpi 96
tw=$cw th=$ch
[ "$tw" -ge 450 ] && [ "$th" -ge 340 ] && pass || fail "96 dpi: client ${cw}x${ch} cuts the hand"
expect_eq "outer size at 96 dpi" "$outer" "600x400"
model "$OUT/idle.model.png" --idle --players 4
model "$OUT/table_0.model.png" "${settings[@]}" --moves 0
model "$OUT/table_3.model.png" "${settings[@]}" --moves 3
stop_zot
for dpi in 120 144 192; do
  set_dpi $dpi
  expect_eq "client at $dpi dpi" "${cw}x${ch}" "$(scaled "$tw" $dpi)x$(scaled "$th" $dpi)"
  [ "$dpi" == 192 ] || stop_zot
done

shot() { half_shot "$@"; }
expect_picture idle_192 "$OUT/idle.model.png" 20
click 600 400  # the felt: starts the match, the human to move
expect_picture table_0_192 "$OUT/table_0.model.png" 10
# The plan plays the first of 7 cards, which takes table columns 211..230. The
# last screen pixel of column 210 (no card) must not play it, that of 230 must.
expect_eq "plan" "$("$PLAN" "${settings[@]}" | sed -n 3p)" "click 220 295 0"
click 421 590
sleep 1
expect_picture table_0_192_edge "$OUT/table_0.model.png" 1
click 461 590
expect_picture table_3_192 "$OUT/table_3.model.png" 15
stop_zot

set_dpi 288
# The largest scale that fits: one more step (1/96) would not; the aspect stays.
[ $((${screen%x*} - ${outer%x*})) -lt 7 ] || [ $((${screen#*x} - ${outer#*x})) -lt 5 ] && pass ||
  fail "288 dpi: $outer leaves room on the $screen screen"
d=$((cw * th - ch * tw))
[ "${d#-}" -le $((tw + th)) ] && [ $((ch * tw)) -ge $((340 * cw)) ] && pass || fail "288 dpi: client ${cw}x${ch}"
stop_zot
finish
