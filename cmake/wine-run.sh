#!/bin/sh
# Runs a Windows test program under Wine. The prefix is made once by
# scripts/wine-prefix.sh; WINEPREFIX may point elsewhere. A wineserver left
# from the test before (under another locale, say) is let go first: a start
# that meets one shutting down can end at once without running anything.
. "$(dirname "$0")/../scripts/wine-env.sh"
export WINEDEBUG="${WINEDEBUG:--all}"
"$WINESERVER" -w 2>/dev/null || true
exec "$WINE" "$@"
