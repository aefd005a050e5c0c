#!/usr/bin/env bash
# Zot.exe through a screen reader: a whole one-deal match played by MSAA default
# actions (zot_reader, another process) and keys alone, as the simulator plans
# it. At idle and at every turn the accessible tree is the model's and names no
# card the human cannot know yet; every dialog reads in Arabic and in order;
# what the program said through its events is, as a set, zot-sim --words of the
# match with the replies of L, C and T; the deal ends as the trace does.
#   access_test.sh ZOT_EXE PROBE PLAN RENDER OUTDIR READER SIM
source "$(dirname "$0")/e2e_lib.sh"
READER=$(realpath "${6:?zot_reader.exe}")
SIM=$(realpath "${7:?zot-sim}")

settings=(--seed 1767225620 --players 4 --rules standard --length one-deal)
"$PLAN" "${settings[@]}" >"$OUT/plan.txt"
"$SIM" "${settings[@]}" >"$OUT/trace.txt"
"$SIM" "${settings[@]}" --words >"$OUT/words.txt"
"$PLAN" --names >"$OUT/names.txt"
: >"$OUT/replies.txt"
reader() { { wine "$READER" "$@" 2>/dev/null || true; } | tr -d '\r'; }
act() { wine "$READER" act "$@" </dev/null >/dev/null 2>&1; }
events() { tr -d '\r' <"$OUT/events.crlf.txt"; }

start_zot "${settings[1]}"
# COM's helpers start with the first reader: their output goes nowhere, not into a pipe of ours.
wine "$READER" tree </dev/null >/dev/null 2>&1
wine "$READER" listen </dev/null >"$OUT/events.crlf.txt" 2>/dev/null &
listener=$!
for _ in $(seq 1 50); do events | grep -q listening && break; sleep 0.1; done

# expect_tree NAME MOVES TIMEOUT_S: until the tree is the model's after MOVES moves.
selected=-1
expect_tree() {
  local deadline=$(($(now_ms) + $3 * 1000))
  "$PLAN" "${settings[@]}" --tree "$2" --selected "$selected" --client "$cw,$ch" >"$OUT/$1.model.txt"
  until reader tree >"$OUT/$1.txt" && cmp -s "$OUT/$1.txt" "$OUT/$1.model.txt"; do
    [ "$(now_ms)" -lt "$deadline" ] || { fail "$1: not the model's tree"; diff "$OUT/$1.model.txt" "$OUT/$1.txt"; return 1; }
    sleep 0.2
  done
  pass
}

# Nothing but the hand's own items (role 34) names a card the human cannot know at
# turn $2: the deal's discard, the own hand as dealt and drawn, every card played.
no_hidden_card() {
  local text wild4 known
  text=$(grep -v '^    34 ' "$1")
  wild4=$(sed -n 's/^card 54 //p' "$OUT/names.txt")
  known=$(awk -v turn="$2" '$0 == "turn seat=0" && turn-- == 0 { exit }
    /^deal |^hand seat=0 |^play |^draw seat=0 / { split($3, f, "="); n = split(f[2], c, ","); for (i = 1; i <= n; ++i) print c[i] }' \
    "$OUT/trace.txt")
  while read -r _ code name; do
    grep -qx "$code" <<<"$known" && continue
    scan=$text
    [ "$code" == 53 ] && scan=${text//"$wild4"/}  # the shorter wild's name is inside the longer's
    grep -qF "$name" <<<"$scan" && fail "$(basename "$1"): names the hidden card $name"
  done < <(grep '^card ' "$OUT/names.txt")
  pass
}

# answer NAME TITLE KEY..: the dialog as a reader finds it, answered by keys where its focus is.
dialogs=0
answer() {
  file="$OUT/dialog_$((++dialogs))_$1.txt"
  local title=$2
  shift 2
  for _ in $(seq 1 75); do reader dialog 200 >"$file" && [ "$(head -1 "$file")" == "title \"$title\"" ] && break; done
  expect_eq "dialog $dialogs" "$(head -1 "$file")" "title \"$title\""
  expect_eq "$(basename "$file"): controls without an Arabic name" \
    "$(tail -n +2 "$file" | LC_ALL=C.UTF-8 grep -vP '"[^"]*[\x{0621}-\x{064A}][^"]*"$')" ""
  act -4 2  # the table behind a dialog is out of reach: this default action must do nothing
  for key in "$@"; do probe keys "$key"; done
  for _ in $(seq 1 50); do [ "$(reader dialog 0 | head -1)" != "title \"$title\"" ] && return 0; sleep 0.1; done
  fail "dialog '$title' did not close"
}
order() { cut -d' ' -f1 "$file" | tail -n +2 | tr '\n' ' '; }
name_of() { sed -n "s/^$1 [0-9]* \"\(.*\)\"$/\1/p" "$file"; }

expect_tree idle -1 20
turn=0
while read -r verb a b c; do
  case "$verb" in
    start) act -4 2 || fail "no default action on the idle draw pile" ;;
    table | over)
      expect_tree "table_$a" "$a" $((10 + 2 * (a - ${last:-0}))) && matched=1 || matched=0
      last=$a
      [ "$verb" == table ] && no_hidden_card "$OUT/table_$a.txt" "$turn"
      [ "$matched" == 1 ] || break
      if [ $((turn++)) == 1 ]; then
        "$PLAN" "${settings[@]}" --say "$a" | cut -d' ' -f2- >"$OUT/replies.txt"
        probe keys 0x4C,0x43,0x54
      fi
      ;;
    click)
      # Turn about: a default action (the draw pile is the table's second child, card I
      # the hand's (object 1) child I + 1), then keys.
      if [ $((turn % 2)) == 0 ]; then
        if [ "$c" -lt 0 ]; then probe keys 0x44; continue; fi
        probe keys "0x24$(for ((i = 0; i < c; ++i)); do printf ,0x27; done)"
        # The selection reaches a reader as the focus on that card; then Enter plays it.
        card=$(sed -n "$((c + 3))s/^    34 \"\([^\"]*\)\".*/\1/p" "$OUT/table_$last.txt")
        for _ in $(seq 1 50); do events | grep -qxF "8005 1 $((c + 1)) $card" && break; sleep 0.1; done
        events | grep -qxF "8005 1 $((c + 1)) $card" && pass || fail "no focus event (8005) for the selected $card"
        probe keys 0x0D
        selected=$c
      else
        if [ "$c" -lt 0 ]; then act -4 2; else act 1 $((c + 1)); fi || fail "a default action refused"
        selected=-1
      fi
      ;;
    dialog)
      case "$a" in
        color)
          answer color "أختر اللون" $(for ((i = 0; i <= b; ++i)); do echo 0x28; done) 0x0D  # Down to colour b
          for k in 0 1 2 3; do [[ "$(name_of $((1020 + k)))" == "$(name_of $((1005 + k)))، "?* ]] && pass || fail "strip $k"; done
          ;;
        drawn)
          # Right twice goes round the two buttons back to OK, which Space presses.
          answer drawn "هذه الورقة ممكن لعبها" 0x27 0x27 0x20
          expect_eq "the question before its buttons" "$(order)" "-1 -1 1 2 "
          ;;
        score)
          answer score "النتيجة" 0x0D
          expect_eq "the scores row by row" "$(order)" "-1 -1 -1 1011 1015 -1 1012 1018 -1 1013 1017 -1 1014 1016 1 "
          # Each field named for its seat and its column, with the trace's numbers.
          IFS=' =,' read -r -a end <<<"$(grep '^end ' "$OUT/trace.txt")"
          mapfile -t column < <(name_of -1)
          for s in 0 1 2 3; do
            seat=$(sed -n "s/^seat $s //p" "$OUT/names.txt")
            expect_eq "seat $s" "$(name_of $((1011 + s)))|$(name_of "$(cut -d' ' -f$((s + 1)) <<<"1015 1018 1017 1016")")" \
              "$seat، ${column[0]}: ${end[4 + s]}|$seat، ${column[1]}: ${end[9 + s]}"
          done
          ;;
        won | lost)
          expect_eq "the match's end" "$a" "$(sed -n 's/^over result=//p' "$OUT/trace.txt")"
          answer "$a" "$([ "$a" == won ] && echo "النتيجة النهائيه" || echo "مهـــزوم")" 0x0D
          ;;
      esac
      ;;
  esac
done <"$OUT/plan.txt"

probe nodialog || fail "a dialog is still open at the end"
for dialog in "40008 about نبذه عن الزوت" "40009 points نقاط الكروت" "40022 help كيف تلعب الزوت"; do
  read -r id name title <<<"$dialog"
  probe command "$id"
  answer "$name" "$title" 0x0D
done
expect_eq "the how to play named by its title" "$(name_of 1019)" "كيف تلعب الزوت"
stop_zot
wait "$listener" || fail "the listener failed"

# What was said, as a set, by the phrases' (child 1000 on) name changes (800c) and
# live regions (8019) alike: every event's words once, and the three replies.
sort "$OUT/words.txt" "$OUT/replies.txt" >"$OUT/said.model.txt"
for kind in 800c 8019; do
  events | awk -v kind=$kind '$1 == kind && $3 >= 1000' | cut -d' ' -f4- | sort >"$OUT/said.$kind.txt"
  expect_eq "events $kind: what was said" "$(diff "$OUT/said.model.txt" "$OUT/said.$kind.txt" | head)" ""
done
# A reader's copy of the tree is renewed: the hand's order (8004) after every move of
# the human's, each computer seat's line (children 4 to 6) by name changes (800c).
[ "$(events | grep -c '^8004 1 0 ')" -ge "$(grep -c '^click' "$OUT/plan.txt")" ] && pass || fail "too few hand reorders"
for id in 4 5 6; do [ "$(events | grep -c "^800c -4 $id ")" -ge 3 ] && pass || fail "seat line $id: no name changes"; done
echo "events: $(wc -l <"$OUT/said.800c.txt") said ($(wc -l <"$OUT/words.txt") words), $(events | grep -c '^8005 1 ') focus," \
  "$(events | grep -c '^8004 ') reorders, $(events | grep -c '^800c -4 [0-9] ') line changes; $turn turns"

# Switched to English by the language item, a dialog reads in English, every control named.
start_zot "${settings[1]}"
probe command 40030
probe command 40009
file="$OUT/dialog_english.txt"
for _ in $(seq 1 75); do reader dialog 200 >"$file" && [ "$(head -1 "$file")" == 'title "Card points"' ] && break; done
expect_eq "the card points in English, as a reader reads them" "$(cat "$file")" "$(cat <<'EOF'
title "Card points"
1 10 "OK"
-1 10 "Card"
-1 10 "Points"
-1 10 "Draw Two"
-1 10 "20 points"
-1 10 "Reverse"
-1 10 "20 points"
-1 10 "Skip"
-1 10 "20 points"
-1 10 "Wild"
-1 10 "50 points"
-1 10 "Wild Draw Four"
-1 10 "50 points"
EOF
)"
probe keys 0x0D
stop_zot
finish
