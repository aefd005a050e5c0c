#!/usr/bin/env bash
# The menu and the dialogs of the real Zot.exe: the first click deals what the
# simulator deals for the same calendar second; every settings command restarts
# the match with its setting in force (seats shown, draw rule), the sound
# commands restart nothing; the information dialogs open, ignore Esc and the
# close box, and close with OK; what is posted to the table under them changes
# nothing; Manual opens the program's own help, not a "Zot.hlp" of the current
# folder; Exit ends the program with exit code 0. Another program's
# WM_DPICHANGED of 0 is not believed. (Check marks are read in-process by
# shell_test: menus cannot be read across processes under Wine.)
source "$(dirname "$0")/e2e_lib.sh"
READER=$(realpath "${6:?zot_reader.exe}")

seed=1767225700
echo "not beside Zot.exe" >"$OUT/Zot.hlp"
start_zot "$seed"
model "$OUT/idle.model.png" --idle --players 4
expect_picture idle "$OUT/idle.model.png" 20
probe dpi 0
probe click 300 200
model "$OUT/deal.model.png" --seed "$seed" --players 4 --rules standard --length one-deal --moves 0
expect_picture first_deal "$OUT/deal.model.png" 10
expect_eq "client after a DPI of 0" "$(probe_field client)" "${cw}x${ch}"
expect_eq "the draw pile's place for a reader" "$(wine "$READER" tree 2>/dev/null | grep -c ' at=230,125,60,90 hit')" "1"

for players in 2 3; do model "$OUT/idle$players.model.png" --idle --players "$players"; done

# region FILE X Y W H OUT: a part of a picture.
region() { convert "$1" -crop "$4x$5+$2+$3" +repage "$6"; }
same_region() {  # A B X Y W H -> pixels that differ there
  region "$1" "$3" "$4" "$5" "$6" "$OUT/ra.png"
  region "$2" "$3" "$4" "$5" "$6" "$OUT/rb.png"
  differing "$OUT/ra.png" "$OUT/rb.png"
}

# A colour question that a new deal may open (first discard a Wild): take blue.
answer_opening_color() {
  if [ "$(probe dialog 300 | sed -n 's/^title=//p')" == "أختر اللون" ]; then
    probe press 1005
    probe press 1
    sleep 0.3
  fi
}

# Waits until the table stops changing: no computer move is pending.
settle() {
  local name=$1 previous="$OUT/$1.settle.png"
  answer_opening_color
  shot "$previous"
  for _ in $(seq 1 12); do
    sleep 1.3
    answer_opening_color
    shot "$OUT/$name.png"
    if [ "$(differing "$OUT/$name.png" "$previous")" == "0" ]; then return 0; fi
    cp "$OUT/$name.png" "$previous"
  done
  fail "$name: the table did not settle"
}

hand_area=(150 250 300 90)   # the human's seven to twelve cards
command_restarts() {  # ID NAME
  settle "before_$2"
  probe command "$1"
  sleep 0.4
  answer_opening_color
  shot "$OUT/after_$2.png"
  local diff
  diff=$(same_region "$OUT/before_$2.png" "$OUT/after_$2.png" "${hand_area[@]}")
  if [ "$diff" != "0" ]; then pass; else fail "$2: no new deal"; fi
  settle "$2"
}
command_keeps() {
  settle "before_$2"
  probe command "$1"
  sleep 1.5
  shot "$OUT/after_$2.png"
  expect_eq "$2 leaves the table as it was" "$(differing "$OUT/before_$2.png" "$OUT/after_$2.png")" "0"
}

command_keeps 40014 sound_off
command_keeps 40013 sound_on

# Two players: nobody left or right, ever; a new deal.
command_restarts 40015 two_players
expect_eq "two players: left seat empty" "$(same_region "$OUT/two_players.png" "$OUT/idle2.model.png" 10 125 120 90)" "0"
expect_eq "two players: right seat empty" "$(same_region "$OUT/two_players.png" "$OUT/idle2.model.png" 465 125 120 90)" "0"

# Three players: no top seat; a hand at the three-player left place.
command_restarts 40016 three_players
expect_eq "three players: top seat empty" "$(same_region "$OUT/three_players.png" "$OUT/idle3.model.png" 200 10 200 90)" "0"
[ "$(same_region "$OUT/three_players.png" "$OUT/idle2.model.png" 40 80 60 90)" != "0" ] && pass ||
  fail "three players: no cards at the left seat"

command_restarts 40017 four_players
[ "$(same_region "$OUT/four_players.png" "$OUT/idle3.model.png" 240 10 60 90)" != "0" ] && pass ||
  fail "four players: no cards at the top seat"

# Draw until playable: a press on the draw pile keeps the human's turn, so the
# table stays still afterwards (no computer move, no question).
command_restarts 40024 until_playable
settle until_playable_turn
cp "$OUT/until_playable_turn.png" "$OUT/arrow_ref.png"
click 260 170
sleep 2.5
probe nodialog && pass || fail "until-playable: a question opened after a draw"
shot "$OUT/until_playable_drawn.png"
expect_eq "until-playable: the human keeps the turn (arrow unchanged)" \
  "$(same_region "$OUT/until_playable_turn.png" "$OUT/until_playable_drawn.png" 200 215 200 30)" "0"
[ "$(same_region "$OUT/until_playable_turn.png" "$OUT/until_playable_drawn.png" "${hand_area[@]}")" != "0" ] && pass ||
  fail "until-playable: the drawn card is not in the hand"

command_restarts 40023 standard_rules
command_restarts 40019 to_500
command_restarts 40018 one_deal
command_restarts 40011 new_game

# The information dialogs: owned by the table, which they disable.
settle dialogs
probe command 40008
about=$(probe dialog 10000)
echo "$about" >"$OUT/about.txt"
expect_eq "about title" "$(sed -n 's/^title=//p' <<<"$about")" "نبذه عن الزوت"
grep -q "text=لعبة الزوت الأصداره1.4" <<<"$about" && pass || fail "about: no version line"
expect_eq "table disabled under a dialog" "$(probe_field enabled)" "0"
import -window root "$OUT/about_dialog.png"
probe command 40011
probe click 260 170
probe esc
sleep 0.5
expect_eq "about after Esc" "$(probe dialog 0 | sed -n 's/^title=//p')" "نبذه عن الزوت"
answer_dialog "نبذه عن الزوت" 1
expect_eq "table enabled again" "$(probe_field enabled)" "1"
sleep 1.5
shot "$OUT/after_about.png"
expect_eq "a new game and a press posted under About" "$(differing "$OUT/dialogs.png" "$OUT/after_about.png")" "0"

probe command 40009
points=$(probe dialog 10000)
echo "$points" >"$OUT/card_points.txt"
expect_eq "card points rows" "$(grep -c 'text=[25]0 نقطه' <<<"$points")" "5"
import -window root "$OUT/card_points_dialog.png"
probe closebox
probe esc
sleep 0.5
expect_eq "card points after close box and Esc" "$(probe dialog 0 | sed -n 's/^title=//p')" "نقاط الكروت"
answer_dialog "نقاط الكروت" 1

# Manual: no "Zot.hlp" beside Zot.exe (the one in the current folder is not
# looked at), so the program's own how to play opens, in Arabic, and Esc closes it.
probe command 40022
help=$(probe dialog 10000 || true)
echo "$help" >"$OUT/help.txt"
expect_eq "help title" "$(sed -n 's/^title=//p' <<<"$help")" "كيف تلعب الزوت"
grep -q "^control id=1019 class=ZotHelpText text=كيف تلعب الزوت" <<<"$help" && pass || fail "help: no Arabic text"
grep -q "?????" <<<"$help" && fail "help: question marks for Arabic" || pass
probe esc
sleep 0.5
probe nodialog && pass || fail "help: Esc did not close it"

# Exit: the program ends by itself with exit code 0.
probe command 40012
wait_exit
finish
