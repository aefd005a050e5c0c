#!/usr/bin/env bash
# A long soak of the running Zot.exe: zot_soak.exe beside it sends
# ZOT_SOAK_INPUTS random inputs (1000 unless asked) and checks after each that
# the window answers; then Zot.exe must still close with exit code 0. Memory is
# flat when the anonymous resident memory of the process (Linux's measure of
# what Windows calls private bytes, which Wine does not report across
# processes) grows less than 1 MB from the end of the warm-up (the first tenth
# of the inputs) to the end; see kGrowthBound in zot_soak.cpp. zot_soak also
# counts the GDI objects and windows Zot holds, which must not grow after the
# warm-up (kGdiGrowthBound): a leak of one small picture per dialog shows there
# long before it shows in the memory.
# ZOT_SOAK_SEED repeats a run; it is also the frozen calendar second, which
# seeds the deals.
source "$(dirname "$0")/e2e_lib.sh"

inputs=${ZOT_SOAK_INPUTS:-1000}
seed=${ZOT_SOAK_SEED:-1767225700}
bound_kb=1024
status_kb() { awk -v f="$1:" '$1 == f { print $2 }' "/proc/$zot_pid/status"; }
memory() { echo "Zot.exe memory $1: RssAnon $(status_kb RssAnon) kB, VmRSS $(status_kb VmRSS) kB"; }

start_zot "$seed"
memory "at start"
warm_kb=""
while IFS= read -r line; do
  echo "$line"
  if [[ "$line" == "warm-up done"* ]]; then
    warm_kb=$(status_kb RssAnon)
    memory "after the warm-up"
  fi
done < <(wine "$(dirname "$PROBE")/zot_soak.exe" "$inputs" "$seed" 2>/dev/null | sed -u 's/\r$//' |
  tee "$OUT/soak.txt")
end_kb=$(status_kb RssAnon)
memory "at the end"
grep -qx "[0-9]* passed, 0 failed" "$OUT/soak.txt" && pass || fail "the soak found faults (seed $seed)"
if [ -n "$warm_kb" ] && [ $((end_kb - warm_kb)) -lt "$bound_kb" ]; then
  pass
else
  fail "memory grew from ${warm_kb:-?} kB to $end_kb kB after the warm-up"
fi
stop_zot
finish
