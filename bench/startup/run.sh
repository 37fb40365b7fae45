#!/bin/sh
# Size and start-up of Metrova against a minimal Win32 window program built
# the same way (static MinGW, -Os, no exceptions/RTTI, unused sections dropped,
# stripped): stripped .exe sizes for x64 and x86, and under Wine (x64 only: this
# kernel runs no 32-bit code) the median time from CreateProcess to a visible
# window and the median peak working set. Prints a Markdown table.
#   bench/startup/run.sh [RUNS]      (default 15 runs per program)
# METROVA_BUILD_PREFIX: where the win64/win32 builds live (default "build/").
set -eu
cd "$(dirname "$0")/../.."
if [ -z "${DISPLAY:-}" ]; then   # the windows need a display: a virtual one
  exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi
RUNS="${1:-15}"
PREFIX="${METROVA_BUILD_PREFIX:-build/}"
OUT=build/bench-startup
mkdir -p "$OUT"
. scripts/wine-env.sh
export WINEDEBUG=-all
scripts/wine-prefix.sh >/dev/null

FLAGS="-Os -fno-exceptions -fno-rtti -ffunction-sections -fdata-sections -static -Wl,--gc-sections -mwindows"
for pair in win64:x86_64 win32:i686; do
  preset=${pair%%:*}; arch=${pair#*:}
  cmake --preset "$preset" -B "$PREFIX$preset" >/dev/null
  rm -f "$OUT/metrova-$preset.exe"
  if cmake --build "$PREFIX$preset" --target metrova -j 2 >"$OUT/build-$preset.log" 2>&1; then
    "$arch-w64-mingw32-strip" -o "$OUT/metrova-$preset.exe" "$PREFIX$preset/shell/metrova.exe"
  else
    echo "metrova ($preset) did not build: see $OUT/build-$preset.log" >&2
  fi
  "$arch-w64-mingw32-g++-posix" $FLAGS -s -o "$OUT/minimal-$preset.exe" bench/startup/minimal_window.cpp
done
# The same with Metrova's manifest (common controls 6) and two controls.
printf '#include <windows.h>\n1 RT_MANIFEST "%s"\n' "$(realpath "${PREFIX}win64/shell/res/metrova.manifest")" > "$OUT/themed.rc"
x86_64-w64-mingw32-windres -O coff -o "$OUT/themed.res" "$OUT/themed.rc"
x86_64-w64-mingw32-g++-posix $FLAGS -s -DTHEMED_CONTROLS -o "$OUT/themed-win64.exe" \
  bench/startup/minimal_window.cpp "$OUT/themed.res"
x86_64-w64-mingw32-g++-posix -O2 -static -s -o "$OUT/launch_timer.exe" bench/startup/launch_timer.cpp -lpsapi

size() { stat -c %s "$1" 2>/dev/null || echo 0; }
median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# One warm-up round (wineserver, file cache), then RUNS measured rounds in
# which the programs take turns.
measure_all() {  # exe... -> "ms kb" medians, one pair per program
  "$WINE" "$OUT/launch_timer.exe" 1 "$@" >/dev/null
  "$WINE" "$OUT/launch_timer.exe" "$RUNS" "$@" > "$OUT/runs.txt"
  i=0
  for _ in "$@"; do
    echo "$(awk -v i=$i '$1 == i { print $2 }' "$OUT/runs.txt" | median) $(awk -v i=$i '$1 == i { print $3 }' "$OUT/runs.txt" | median)"
    i=$((i + 1))
  done
}

run_all() {
  set -- $(measure_all "$OUT/metrova-win64.exe" "$OUT/minimal-win64.exe" "$OUT/themed-win64.exe")
  m_ms=$1 m_kb=$2 b_ms=$3 b_kb=$4 t_ms=$5 t_kb=$6
  ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (a > 0 && b > 0) printf "%.2f", a / b; else printf "n/a" }'; }
  echo "| | Metrova | minimal window | ratio |"
  echo "|---|---|---|---|"
  echo "| stripped x64 .exe (bytes) | $(size "$OUT/metrova-win64.exe") | $(size "$OUT/minimal-win64.exe") | $(ratio "$(size "$OUT/metrova-win64.exe")" "$(size "$OUT/minimal-win64.exe")") |"
  echo "| stripped x86 .exe (bytes) | $(size "$OUT/metrova-win32.exe") | $(size "$OUT/minimal-win32.exe") | $(ratio "$(size "$OUT/metrova-win32.exe")" "$(size "$OUT/minimal-win32.exe")") |"
  echo "| start to visible window, x64 under Wine (ms, median of $RUNS) | $m_ms | $b_ms | $(ratio "$m_ms" "$b_ms") |"
  echo "| peak working set, x64 under Wine (KB, median of $RUNS) | $m_kb | $b_kb | $(ratio "$m_kb" "$b_kb") |"
  echo
  echo "Minimal window with Metrova's manifest and an edit box and a drop-down list, x64 under Wine:"
  echo "$t_ms ms to a visible window (Metrova: $(ratio "$m_ms" "$t_ms")x), $t_kb KB peak (Metrova: $(ratio "$m_kb" "$t_kb")x)."
}

run_all
