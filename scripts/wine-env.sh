# Sourced by every script that runs Wine: the one place that names the 64-bit
# loader (the `wine` wrapper tries the 32-bit one, which this kernel cannot run)
# and the default prefix that scripts/wine-prefix.sh makes.
# Wine needs a home folder; a bare CI environment may not name one.
: "${HOME:=$(getent passwd "$(id -u)" | cut -d: -f6)}"
export HOME
WINE=/usr/lib/wine/wine64
WINESERVER=/usr/lib/wine/wineserver
export WINEPREFIX="${WINEPREFIX:-$HOME/.metrova-wine}"
