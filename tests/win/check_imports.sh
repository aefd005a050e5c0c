#!/usr/bin/env bash
# Zot.exe must run on a bare Windows: it may import only the system's own DLLs.
set -euo pipefail
exe=${1:?Zot.exe}
allowed="^(KERNEL32|USER32|GDI32|SHELL32|WINMM|msvcrt|ADVAPI32|COMCTL32|OLEACC|ole32|OLEAUT32)\.dll$"
dlls=$(x86_64-w64-mingw32-objdump -p "$exe" | sed -n 's/^\s*DLL Name: //p')
echo "$dlls"
status=0
while read -r dll; do
  if ! [[ "$dll" =~ $allowed ]]; then
    echo "not a system DLL: $dll" >&2
    status=1
  fi
done <<<"$dlls"
[ -n "$dlls" ] || { echo "no imports read" >&2; exit 1; }
exit $status
