#!/bin/sh
# Screenshots of Metrova under a virtual display: the window alone and with
# each menu open. PNGs go to OUTPUT_DIR (default build/screenshots).
#   scripts/screenshot.sh [OUTPUT_DIR]
# METROVA_EXE picks another build (default build/win64/shell/metrova.exe);
# WINEPREFIX another prefix (default ~/.metrova-wine, made by scripts/wine-prefix.sh).
set -eu
cd "$(dirname "$0")/.."
OUT="$(realpath -m "${1:-build/screenshots}")"
EXE="$(realpath "${METROVA_EXE:-build/win64/shell/metrova.exe}")"
. scripts/wine-env.sh
export WINEDEBUG=-all
mkdir -p "$OUT"
scripts/wine-prefix.sh >/dev/null

if [ -z "${METROVA_SCREENSHOT_INNER:-}" ]; then
  METROVA_SCREENSHOT_INNER=1 exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$OUT"
fi

"$WINE" "$EXE" &
APP=$!
trap 'kill $APP 2>/dev/null || true; "$WINESERVER" -k 2>/dev/null || true' EXIT

WINDOW=$(xdotool search --sync --onlyvisible --name '^Metrova \[' | head -n 1)
sleep 1   # first paint
eval "$(xdotool getwindowgeometry --shell "$WINDOW")"   # X Y WIDTH HEIGHT

# The window alone, then with room below and to the right for open menus.
shot() {  # name width height [rows above the window]
  above=${4:-0}
  [ "$above" -le "$Y" ] || above=$Y
  import -window root -crop "${2}x$(($3 + above))+${X}+$((Y - above))" +repage "$OUT/$1.png"
}
shot window "$WIDTH" "$HEIGHT"

# Menus open from the keyboard; give the window the focus with a click on its caption.
xdotool mousemove $((X + 100)) $((Y + 8)) click 1
sleep 0.3
# The decimal places pop-up: Options, down to "Select Decimal Place", open it.
sleep 0.5
xdotool key alt+o
sleep 0.5
xdotool key --delay 200 Down Right   # the first item starts highlighted
sleep 0.6
shot menu-decimal-places $((WIDTH + 200)) $((HEIGHT + 320))
xdotool key --delay 200 Escape Escape Escape
sleep 0.5
for menu in g:go v:view f:favorites o:options h:help; do
  key=${menu%%:*}; name=${menu#*:}
  xdotool key "alt+$key"
  sleep 0.6   # pop-ups reach the X server a little after they open
  shot "menu-$name" $((WIDTH + 120)) $((HEIGHT + 220))
  xdotool key --delay 200 Escape Escape
  sleep 0.5
done
# The from-unit chooser dropped down (client 10,90 lies about 14,143 into the
# window with Wine's own frame, caption and menu bar). Its list is about 200
# pixels tall and opens downwards when there is room below.
xdotool mousemove $((X + 110)) $((Y + 143)) click 1
sleep 0.6
shot chooser-open $((WIDTH + 40)) $((HEIGHT + 200)) 260
xdotool key Escape
# A conversion as a user sets it up: "Metric Length & Distance", kilometer to
# meter, 2 typed into the From box (type-ahead picks the items).
pick() {  # x y keys...
  x=$1 y=$2; shift 2
  xdotool mousemove $((X + x)) $((Y + y)) click 1
  sleep 0.4
  xdotool key --delay 300 "$@" Return
  sleep 0.4
}
pick 110 83 M
pick 110 143 k
pick 350 143 m m
xdotool mousemove $((X + 200)) $((Y + 202)) click 1
xdotool key --delay 100 ctrl+a BackSpace 2
sleep 0.5
shot conversion "$WIDTH" "$HEIGHT"
# The About box (Help > About), with the program's icon at its top left.
xdotool key alt+h
sleep 0.5
xdotool key a
ABOUT=$(xdotool search --sync --onlyvisible --name '^About$' | head -n 1)
sleep 0.6
eval "$(xdotool getwindowgeometry --shell "$ABOUT")"   # now the About box's X Y WIDTH HEIGHT
shot about "$WIDTH" "$HEIGHT"
xdotool key Escape
sleep 0.5
# The Find Unit box (Ctrl+F) with a query typed.
xdotool key ctrl+f
FIND=$(xdotool search --sync --onlyvisible --name '^Find Unit$' | head -n 1)
sleep 0.4
xdotool type --delay 120 "league"
sleep 0.6
eval "$(xdotool getwindowgeometry --shell "$FIND")"
shot find-unit "$WIDTH" "$HEIGHT"
xdotool key Escape
echo "Screenshots in $OUT:"
ls "$OUT"
