#!/usr/bin/env bash
# Zot.exe's window as the user first sees it: class, caption, style, size and
# place, the menu, the idle table pixel for pixel, and an orderly close.
source "$(dirname "$0")/e2e_lib.sh"

start_zot
first_frame_ms=""
model "$OUT/idle.model.png" --idle --players 4
deadline=$(($(now_ms) + 30000))
while [ "$(now_ms)" -lt "$deadline" ]; do
  shot "$OUT/idle.png"
  if [ "$(differing "$OUT/idle.png" "$OUT/idle.model.png")" == "0" ]; then
    first_frame_ms=$(($(now_ms) - start_ms))
    break
  fi
  sleep 0.1
done
if [ -n "$first_frame_ms" ]; then
  pass
  echo "start to first idle frame: ${first_frame_ms} ms (under Wine, screenshot polling included)"
else
  expect_picture idle "$OUT/idle.model.png" 1
fi

probe window | tee "$OUT/window.txt"
import -window root "$OUT/screen.png"
expect_eq class "$(probe_field class)" "ZotClass"
expect_eq title "$(probe_field title)" "Zot"
# CS_OWNDC | CS_HREDRAW | CS_VREDRAW and no CS_DBLCLKS: a quick second press is a press of its own.
expect_eq "class style" "$(probe_field classstyle)" "0x23"
style=$(probe_field style)
# WS_VISIBLE | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX; no sizing border, no maximize box.
expect_eq "style bits" "$(printf '0x%08x' $((style & 0x10CF0000)))" "0x10ca0000"
# Created with none; the system adds WS_EX_WINDOWEDGE to every captioned window.
expect_eq "extended style" "$(printf '0x%08x' $(($(probe_field exstyle) & ~0x100)))" "0x00000000"
expect_eq "outer size" "$(probe_field outer)" "600x400"
screen=$(probe_field screen)
sw=${screen%x*}
sh=${screen#*x}
expect_eq "position" "$(probe_field position)" "$(((sw - 600) >> 1)),$(((sh - 400) >> 1))"
expect_eq "menu attached" "$(probe_field menu)" "1"
# The menu bar's font and the dialogs' fonts have the Arabic letters, so they
# are drawn as letters, not boxes (the project's prefix replaces the fonts).
fonts=$(probe glyphs || true)
echo "$fonts"
expect_eq "fonts lacking Arabic letters" "$(grep -vc ' missing=0$' <<<"$fonts")" "0"
expect_eq "fonts checked" "$(grep -c '^font=' <<<"$fonts")" "3"
import -window root -crop "600x$((oy - $(probe_field position | cut -d, -f2)))+${ox}+$(probe_field position | cut -d, -f2)" "$OUT/caption_and_menu.png"
# The client area is smaller than the 600 x 400 frame: frame, caption and menu bar.
[ "$cw" -lt 600 ] && [ "$ch" -lt 400 ] && pass || fail "client ${cw}x${ch} not inside the frame"

# Covered by another window and uncovered: the repaint shows the same table.
xmessage -geometry 300x200+$((ox + 50))+$((oy + 50)) "covering the table" &
cover=$!
sleep 1.5
kill "$cover" 2>/dev/null || true
wait "$cover" 2>/dev/null || true
expect_picture idle_repainted "$OUT/idle.model.png" 5

# Closed from the keyboard (Alt+F4 on the focused window): the same path as the
# close box and Exit, ending with exit code 0.
xdotool mousemove $((ox + 100)) $((oy - 30)) click 1   # the caption bar
sleep 0.3
xdotool key alt+F4
wait_exit
finish
