#!/bin/sh
# Sets up this machine, builds Metrova for Windows x64 (and x86) and starts it
# under Wine: on your display when DISPLAY is set, otherwise on a virtual one
# (then take a screenshot with: DISPLAY=:N import -window root shot.png).
set -eu
cd "$(dirname "$0")/.."
. scripts/wine-env.sh
scripts/setup-debian.sh
scripts/wine-prefix.sh >/dev/null
for preset in win64 win32; do
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" --target metrova -j "$(nproc)"
done
echo "Built build/win64/shell/metrova.exe and build/win32/shell/metrova.exe"
if [ -n "${DISPLAY:-}" ]; then
  exec "$WINE" build/win64/shell/metrova.exe
else
  exec xvfb-run -a -s "-screen 0 1024x768x24" "$WINE" build/win64/shell/metrova.exe
fi
