#!/bin/sh
# Runs a Windows test program under Wine. The prefix is made once by
# scripts/wine-prefix.sh; WINEPREFIX may point elsewhere.
. "$(dirname "$0")/../scripts/wine-env.sh"
export WINEDEBUG="${WINEDEBUG:--all}"
exec "$WINE" "$@"
