#!/bin/sh
# Size and start-up of Metrova against its twin (bench/startup/twin_window.cpp:
# the main window without its content) and a minimal Win32 window program, all
# built the same way (static MinGW, -Os, no exceptions/RTTI, unused sections
# dropped, stripped): stripped .exe sizes, and under Wine (x64 only: this
# kernel runs no 32-bit code) the median time from CreateProcess to a visible
# window and the median peak working set, the programs taking turns; then the
# time of each start-up step, from builds with timing marks. Prints Markdown.
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
# The twin: Metrova's window without its content, with Metrova's resources
# (manifest, icon, menu) and its centring and font code.
G=${PREFIX}win64
x86_64-w64-mingw32-windres -O coff -I. -I"$G/generated" -I"$G/shell/res" -o "$OUT/twin.res" res/metrova.rc
x86_64-w64-mingw32-g++-posix $FLAGS -I. -s -o "$OUT/twin-win64.exe" \
  bench/startup/twin_window.cpp widgets/center_window.cpp widgets/dpi.cpp "$OUT/twin.res"
# Metrova and the twin with timing marks at each start-up step
# (METROVA_STARTUP_MARKS): each start appends a line to NAME.marks.
cmake --preset win64 -B "${PREFIX}win64-marks" -DMETROVA_TESTS=OFF -DMETROVA_STARTUP_MARKS=ON >/dev/null
rm -f "$OUT"/*-marked.exe "$OUT"/*.marks
if cmake --build "${PREFIX}win64-marks" --target metrova -j 2 >"$OUT/build-marks.log" 2>&1; then
  cp "${PREFIX}win64-marks/shell/metrova.exe" "$OUT/metrova-marked.exe"
else
  echo "metrova with timing marks did not build: see $OUT/build-marks.log" >&2
fi
x86_64-w64-mingw32-g++-posix $FLAGS -I. -DMETROVA_STARTUP_MARKS -s -o "$OUT/twin-marked.exe" \
  bench/startup/twin_window.cpp shell/startup_marks.cpp widgets/center_window.cpp widgets/dpi.cpp "$OUT/twin.res"
x86_64-w64-mingw32-g++-posix -O2 -static -s -o "$OUT/launch_timer.exe" bench/startup/launch_timer.cpp -lpsapi

size() { stat -c %s "$1" 2>/dev/null || echo 0; }
median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
quartile1() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 3) / 4)] }'; }   # the fastest quarter's slowest

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

# The start-up steps of the marked builds, taking turns: for each step of
# Metrova's (and the twin's, where it has it) the median time at which it
# ended (ms since the process began) and the median time it took.
step_at() {  # file step
  awk -v s="$2" '{ for (i = 1; i < NF; i += 2) if ($i == s) print $(i + 1) }' "$1" | median
}
step_took() {  # file step
  awk -v s="$2" '{ p = 0; for (i = 1; i < NF; i += 2) { if ($i == s) print $(i + 1) - p; p = $(i + 1) } }' "$1" | median
}
phases() {
  [ -f "$OUT/metrova-marked.exe" ] || return 0
  "$WINE" "$OUT/launch_timer.exe" "$RUNS" "$OUT/metrova-marked.exe" "$OUT/twin-marked.exe" >/dev/null
  m="$OUT/metrova-marked.marks" t="$OUT/twin-marked.marks"
  echo
  echo "Start-up steps (marked builds, median of $RUNS starts each, ms since the process began):"
  echo
  echo "| step ended | Metrova: at | took | twin: at | took |"
  echo "|---|---|---|---|---|"
  awk '{ for (i = 1; i < NF; i += 2) print $i }' "$m" | awk '!seen[$0]++' | while read -r step; do
    if grep -q " $step \|^$step " "$t"; then
      echo "| $step | $(step_at "$m" "$step") | $(step_took "$m" "$step") | $(step_at "$t" "$step") | $(step_took "$t" "$step") |"
    else
      echo "| $step | $(step_at "$m" "$step") | $(step_took "$m" "$step") | | |"
    fi
  done
}

run_all() {
  set -- $(measure_all "$OUT/metrova-win64.exe" "$OUT/twin-win64.exe" "$OUT/minimal-win64.exe")
  m_ms=$1 m_kb=$2 t_ms=$3 t_kb=$4 b_ms=$5 b_kb=$6
  ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (a > 0 && b > 0) printf "%.2f", a / b; else printf "n/a" }'; }
  m64=$(size "$OUT/metrova-win64.exe") m32=$(size "$OUT/metrova-win32.exe")
  b64=$(size "$OUT/minimal-win64.exe") b32=$(size "$OUT/minimal-win32.exe")
  echo "| | Metrova | twin | Metrova / twin | minimal window | Metrova / minimal |"
  echo "|---|---|---|---|---|---|"
  echo "| stripped x64 .exe (bytes) | $m64 | $(size "$OUT/twin-win64.exe") | | $b64 | $(ratio "$m64" "$b64") |"
  echo "| stripped x86 .exe (bytes) | $m32 | | | $b32 | $(ratio "$m32" "$b32") |"
  echo "| start to visible window, x64 under Wine (ms, median of $RUNS) | $m_ms | $t_ms | $(ratio "$m_ms" "$t_ms") | $b_ms | $(ratio "$m_ms" "$b_ms") |"
  echo "| peak working set, x64 under Wine (KB, median of $RUNS) | $m_kb | $t_kb | $(ratio "$m_kb" "$t_kb") | $b_kb | $(ratio "$m_kb" "$b_kb") |"
  paired=$(awk '$1 == 0 { m[++a] = $2 } $1 == 1 { t[++b] = $2 } END { for (k = 1; k <= a; k++) print m[k] / t[k] }' \
    "$OUT/runs.txt" | median)
  m_q1=$(awk '$1 == 0 { print $2 }' "$OUT/runs.txt" | quartile1)
  t_q1=$(awk '$1 == 1 { print $2 }' "$OUT/runs.txt" | quartile1)
  echo
  echo "Median of the $RUNS rounds' own ratios, Metrova / twin (started one after the other): $(ratio "$paired" 1)."
  echo "Lower quartiles of the times to a visible window (the starts least disturbed by other work): $m_q1 ms and $t_q1 ms, $(ratio "$m_q1" "$t_q1")."
  phases
}

run_all
