#!/bin/sh
# Sets up this machine, builds Metrova for Windows x64 (and x86) and starts it
# under Wine: on your display when DISPLAY is set, otherwise on a virtual one
# (then take a screenshot with: DISPLAY=:N import -window root shot.png).
set -eu
cd "$(dirname "$0")/.."
# Wine needs a home folder; a bare CI environment may not name one.
: "${HOME:=$(getent passwd "$(id -u)" | cut -d: -f6)}"
export HOME
scripts/setup-debian.sh
export WINEPREFIX="${WINEPREFIX:-${HOME:-/root}/.metrova-wine}"
scripts/wine-prefix.sh >/dev/null
for preset in win64 win32; do
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" --target metrova -j "$(nproc)"
done
echo "Built build/win64/shell/metrova.exe and build/win32/shell/metrova.exe"
if [ -n "${DISPLAY:-}" ]; then
  exec /usr/lib/wine/wine64 build/win64/shell/metrova.exe
else
  exec xvfb-run -a -s "-screen 0 1024x768x24" /usr/lib/wine/wine64 build/win64/shell/metrova.exe
fi
