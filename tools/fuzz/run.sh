#!/usr/bin/env bash
# A long fuzzing run, outside CI: builds the fuzz configuration (build/fuzz), runs
# each target for MINUTES, one after the other, from its kept corpus, its seeds
# and what earlier long runs found (build/fuzz/long/NAME/, kept between runs),
# then merges the new finds into the kept corpus tests/fuzz/corpus/NAME/,
# minimised: the fewest inputs (-set_cover_merge, -merge's greedy set cover) that
# reach every edge the seeds CI writes do not (CI reads both); hit counts are left
# to the runs to find again, which keeps the corpus a few dozen small files.
# A fault stops the run; libFuzzer names the input that shows it. MINUTES 0 only
# merges again.
#   tools/fuzz/run.sh MINUTES [decode|saved_game|view ...]   (all three when none)
set -euo pipefail
cd "$(dirname "$0")/../.."
root=$PWD
minutes=${1:?usage: tools/fuzz/run.sh MINUTES [decode|saved_game|view ...]}
shift
names=("$@")
[ ${#names[@]} -gt 0 ] || names=(decode saved_game view)
jobs=${ZOT_JOBS:-$(nproc 2>/dev/null || echo 2)}
build=$root/build/fuzz
fuzz=$build/tests/fuzz

cmake -S "$root" -B "$build" -DZOT_WERROR=ON -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_C_COMPILER=clang \
  -DZOT_FUZZ=ON >/dev/null
cmake --build "$build" -j"$jobs" --target zot_fuzz_seeds zot-sim "${names[@]/#/zot_fuzz_}"
# The seeds CI writes: small bitmaps and the game's own, zot-sim's saves.
(cd "$build" && ctest -R '^fuzz_.*seeds' >/dev/null)

for name in "${names[@]}"; do
  seeds=() max_len=1024
  case $name in
    decode) seeds=("$fuzz/seeds") max_len=4096 ;;  # a bitmap's palette alone is 1 KB
    saved_game) seeds=("$fuzz/save_seeds") ;;
    view) ;;
    *) echo "no fuzz target $name" >&2; exit 2 ;;
  esac
  kept=$root/tests/fuzz/corpus/$name work=$build/long/$name
  mkdir -p "$kept" "$work"
  echo "== $name: $minutes min"
  log=$build/long/$name.log
  if [ "$minutes" -gt 0 ]; then
    status=0
    "$fuzz/zot_fuzz_$name" -max_total_time=$((minutes * 60)) -max_len=$max_len -timeout=10 -rss_limit_mb=2048 \
      -print_final_stats=1 -artifact_prefix="$build/long/$name-" "$work" "$kept" "${seeds[@]}" >"$log" 2>&1 ||
      status=$?
    grep -E '^#[0-9]+\s+(INITED|DONE)|^stat::(number_of_executed|average_exec|new_units)|ERROR|SUMMARY|^artifact' \
      "$log" || true
    [ $status -eq 0 ] || { echo "== $name found a fault (exit $status): $log" >&2; exit 1; }
  fi
  # The merge adds to a folder that holds the seeds, then the seeds are taken out.
  merged=$(mktemp -d)
  for folder in "${seeds[@]}"; do
    for seed in "$folder"/*; do cp "$seed" "$merged/seed-$(basename "$seed")"; done
  done
  "$fuzz/zot_fuzz_$name" -set_cover_merge=1 -use_counters=0 -max_len=$max_len "$merged" "$kept" "$work" 2>&1 |
    grep -E '^MERGE-OUTER: [0-9]+ new files' || true
  rm -f "$merged"/seed-*
  [ -n "$(ls "$merged")" ] || { echo "== $name: the merge kept nothing; $kept left as it was" >&2; exit 1; }
  rm -f "$kept"/*
  cp "$merged"/* "$kept"/
  rm -rf "$merged"
  echo "== $name: kept $(ls "$kept" | wc -l) inputs, $(cat "$kept"/* | wc -c) bytes in tests/fuzz/corpus/$name"
done
