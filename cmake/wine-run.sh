#!/bin/sh
# Runs a Windows test program under Wine. The prefix is made once by
# scripts/wine-prefix.sh; WINEPREFIX may point elsewhere.
: "${WINEPREFIX:=${HOME:-/root}/.metrova-wine}"
export WINEPREFIX
export WINEDEBUG="${WINEDEBUG:--all}"
exec /usr/lib/wine/wine64 "$@"
