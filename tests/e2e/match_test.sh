#!/usr/bin/env bash
# A whole one-deal match played on the real Zot.exe through real clicks and
# dialog answers, following the simulator's human policy. With the calendar
# frozen at the seed's second, the program deals what the simulator deals:
# whenever the human is to move, and at the end, the window shows exactly the
# model's table (zot-render --moves N).
# With ZOT_E2E_MENU=ID,ID.. the match is opened by those menu commands instead
# of a click (new settings, a new match each), and the model comes from the
# same engine and scene code (e2e_plan --picture), which follows the commands.
# With ZOT_E2E_HOUSE=BITS as well, the House rules command among them switches
# those rules on in its dialog.
# With ZOT_E2E_KEYS=1 the match is played by keys alone: F2 opens it (the first
# table must be the simulator's deal exactly), Home, Right and Enter play the
# card, D draws; the human's hand then shows the selection, so from the first
# key on the pictures are compared without the hand's rows.
source "$(dirname "$0")/e2e_lib.sh"

seed=${ZOT_E2E_SEED:-1767225620}
menu=${ZOT_E2E_MENU:-}
keys=${ZOT_E2E_KEYS:-}
if [ -n "$menu" ]; then
  settings=(--seed "$seed" --menu "$menu" ${ZOT_E2E_HOUSE:+--house "$ZOT_E2E_HOUSE"})
else
  settings=(--seed "$seed" --players 4 --rules standard --length one-deal)
fi
"$PLAN" "${settings[@]}" >"$OUT/plan.txt"
table_model() {  # file moves
  if [ -n "$menu" ]; then
    "$PLAN" "${settings[@]}" --picture "$1.full.png" --moves "$2"
    convert "$1.full.png" -crop "${cw}x${ch}+0+0" +repage "$1"
    rm -f "$1.full.png"
  else
    model "$1" "${settings[@]}" --moves "$2"
  fi
  mask "$1"
}
echo "plan: $(grep -c '^click' "$OUT/plan.txt") human moves, $(grep -c '^dialog' "$OUT/plan.txt") dialogs," \
  "$(sed -n 's/^over //p' "$OUT/plan.txt") moves in all"

start_zot "$seed"
model "$OUT/idle.model.png" --idle --players 4
expect_picture idle "$OUT/idle.model.png" 20

last_moves=0
while read -r verb a b c; do
  case "$verb" in
    start)
      if [ -n "$keys" ]; then probe keys 0x71; else click 300 200; fi
      ;;
    menu)
      probe command "$a"
      ;;
    table | over)
      table_model "$OUT/table_$a.model.png" "$a"
      # Computer moves come a little over a second apart.
      expect_picture "table_$a" "$OUT/table_$a.model.png" $((10 + 2 * (a - last_moves))) || break
      last_moves=$a
      ;;
    click)
      if [ -z "$keys" ]; then
        click "$a" "$b"
      else
        SHOT_MASK="0,244 600,400"
        if [ "$c" -lt 0 ]; then
          probe keys 0x44
        else
          presses=0x24
          for _ in $(seq 1 "$c"); do presses+=,0x27; done
          probe keys "$presses,0x0D"
        fi
      fi
      ;;
    dialog)
      case "$a" in
        color) answer_dialog "أختر اللون" 1 $((1005 + b)) ;;
        drawn) answer_dialog "هذه الورقة ممكن لعبها" 1 ;;
        score)
          fields=$(probe dialog 15000 | sed -n 's/^control id=\(101[1-8]\) class=Static text=/\1=/p' | sort | tr '\n' ' ')
          IFS=, read -r p0 p1 p2 p3 <<<"$b"
          IFS=, read -r s0 s1 s2 s3 <<<"$c"
          expect_eq "score fields" "$fields" \
            "1011=$p0 1012=$p1 1013=$p2 1014=$p3 1015=$s0 1016=$s3 1017=$s2 1018=$s1 "
          probe esc
          sleep 0.3
          expect_eq "score dialog after Esc" "$(probe dialog 0 | sed -n 's/^title=//p')" "النتيجة"
          answer_dialog "النتيجة" 1
          ;;
        won) answer_dialog "النتيجة النهائيه" 1 ;;
        lost) answer_dialog "مهـــزوم" 1 ;;
        house)
          # Each switch of the bits: stacking 1051, sevens and zeros 1052, saying Zot 1053.
          probe dialog 15000 >/dev/null
          for bit in 0 1 2; do if (((b >> bit) & 1)); then probe press $((1051 + bit)); fi; done
          answer_dialog "قواعد البيت" 1
          ;;
      esac
      ;;
  esac
done <"$OUT/plan.txt"

probe nodialog || fail "a dialog is still open at the end"
stop_zot
finish
