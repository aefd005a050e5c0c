#!/usr/bin/env bash
# Zot.exe must run on a bare Windows and load no DLL planted beside it: its
# import table may name only system DLLs that Windows maps from its own folder
# whatever the search order (KnownDLLs). winmm and oleacc are not such DLLs:
# they are delay-loaded, after the program has limited the search to the system
# folder, so they must not be in the table.
set -euo pipefail
exe=${1:?Zot.exe}
allowed="^(KERNEL32|USER32|GDI32|SHELL32|msvcrt|ole32|OLEAUT32)\.dll$"
dlls=$(x86_64-w64-mingw32-objdump -p "$exe" | sed -n 's/^\s*DLL Name: //p')
echo "$dlls"
status=0
while read -r dll; do
  if ! [[ "$dll" =~ $allowed ]]; then
    echo "not a known system DLL: $dll" >&2
    status=1
  fi
done <<<"$dlls"
[ -n "$dlls" ] || { echo "no imports read" >&2; exit 1; }
exit $status
