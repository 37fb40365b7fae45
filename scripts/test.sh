#!/bin/sh
# Sets up this machine, builds every configuration and runs every test:
# native (plain and under AddressSanitizer/UBSan), 32-bit x86 Linux under
# qemu-i386 (the arithmetic of the Windows x86 program), Windows x64 under Wine
# with a virtual display, a bounded fuzzing run, and a build of Windows x86.
set -eu
cd "$(dirname "$0")/.."
# Wine needs a home folder; a bare CI environment may not name one.
: "${HOME:=$(getent passwd "$(id -u)" | cut -d: -f6)}"
export HOME
scripts/setup-debian.sh
export WINEPREFIX="${WINEPREFIX:-${HOME:-/root}/.metrova-wine}"
scripts/wine-prefix.sh >/dev/null
JOBS=$(nproc)

for preset in native native-asan native-i386 win64 win32; do
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j "$JOBS"
done
# Fuzzing needs clang's libFuzzer; it runs for a bounded time (scripts/fuzz.sh).
if [ -x scripts/fuzz.sh ]; then
  scripts/fuzz.sh "${METROVA_FUZZ_SECONDS:-20}"
fi

ctest --preset native -j "$JOBS"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 ctest --preset native-asan -j "$JOBS"
# The same tests built for 32-bit x86, each run through qemu-i386 (a few seconds).
ctest --preset native-i386 -j "$JOBS"
# Windows tests need a display for their windows; one wineserver for the run.
xvfb-run -a -s "-screen 0 1024x768x24" ctest --preset win64
