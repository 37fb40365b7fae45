#!/bin/sh
# Creates (once) the Wine prefix the tests and the run command use, with crash
# dialogs off and Wine drawing window frames itself when no window manager runs.
set -eu
. "$(dirname "$0")/wine-env.sh"
export WINEDEBUG=-all
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  "$WINE" wineboot -i >/dev/null 2>&1 || true
  reg=$(mktemp --suffix=.reg)
  cat > "$reg" <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\Wine\WineDbg]
"ShowCrashDialog"=dword:00000000

[HKEY_CURRENT_USER\Software\Wine\X11 Driver]
"Managed"="N"
"Decorated"="Y"
REG
  "$WINE" regedit /S "$reg" >/dev/null 2>&1 || "$WINE" reg import "$reg" >/dev/null 2>&1 || true
  rm -f "$reg"
  "$WINESERVER" -w 2>/dev/null || true
fi
echo "$WINEPREFIX"
