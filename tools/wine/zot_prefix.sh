#!/usr/bin/env bash
# Prepares a Wine prefix of Zot's own, so the game looks the same on every
# Linux desktop: the fonts Windows programs ask for by name are replaced with
# DejaVu Sans, which has Arabic letters (without it, some machines draw the
# menu bar as boxes). Quick to call before every start: a prefix that already
# has these settings is left alone, an existing one is only updated, and
# nothing waits for the prefix's other programs (a running game) or for its
# server to go idle. A caller that needs that server gone waits itself
# (wineserver -w), e.g. before starting one of its own.
#   zot_prefix.sh PREFIX [--dpi N] [--unmanaged]
#     --dpi N       display scale as Windows' LogPixels (96 = 100 %, 192 = 200 %)
#     --unmanaged   windows without a window manager (for the tests' Xvfb)
set -euo pipefail
prefix=${1:?usage: zot_prefix.sh PREFIX [--dpi N] [--unmanaged]}
shift
dpi=""
unmanaged=0
while [ $# -gt 0 ]; do
  case "$1" in
    --dpi) dpi=${2:?}; shift 2 ;;
    --unmanaged) unmanaged=1; shift ;;
    *) echo "zot_prefix.sh: unknown option $1" >&2; exit 2 ;;
  esac
done

export WINEPREFIX=$prefix WINEARCH=win64 WINEDEBUG=-all
# No Mono or Gecko installers, no desktop menu entries.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d${WINEDLLOVERRIDES:+;$WINEDLLOVERRIDES}"
mkdir -p "$prefix"
reg=$(mktemp --suffix=.reg)
trap 'rm -f "$reg"' EXIT
{
  printf 'REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]\n'
  for face in "Tahoma" "MS Sans Serif" "MS Shell Dlg" "MS Shell Dlg 2" "Segoe UI"; do
    printf '"%s"="DejaVu Sans"\n' "$face"
  done
  if [ -n "$dpi" ]; then
    printf '\n[HKEY_CURRENT_USER\\Control Panel\\Desktop]\n"LogPixels"=dword:%08x\n' "$dpi"
  fi
  if [ "$unmanaged" -eq 1 ]; then
    # Wine then draws captions and frames itself and never waits for a manager.
    printf '\n[HKEY_CURRENT_USER\\Software\\Wine\\X11 Driver]\n"Decorated"="N"\n"Managed"="N"\n'
  fi
} >"$reg"
# The settings last imported, kept beside the registry they went into. They,
# not the registry files, tell: the server may write those only when it ends.
applied=$prefix/zot-settings.reg
if cmp -s "$reg" "$applied"; then exit 0; fi
[ -f "$prefix/system.reg" ] || wineboot -i </dev/null >/dev/null 2>&1
wine regedit /S "$(winepath -w "$reg" 2>/dev/null)" </dev/null >/dev/null 2>&1
cp "$reg" "$applied"
