#!/bin/sh
# Runs a Windows test program in a copy of the test prefix whose display has
# another DPI:  at_dpi.sh DPI PROGRAM [ARGUMENTS...]
# The copy (WINEPREFIX-dpi) is made once and its wineserver ended afterwards,
# so the prefix the other tests use is never restarted.
set -eu
dpi=$1; shift
. "$(dirname "$0")/../../scripts/wine-env.sh"
base=$WINEPREFIX
export WINEPREFIX="$base-dpi" WINEDEBUG=-all
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  rm -rf "$WINEPREFIX"
  cp -a "$base" "$WINEPREFIX"
fi
"$WINE" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
# The DPI is read when the wineserver starts.
"$WINESERVER" -k 2>/dev/null || true
"$WINESERVER" -w
status=0
"$WINE" "$@" || status=$?
"$WINESERVER" -k 2>/dev/null || true
"$WINESERVER" -w
exit $status
