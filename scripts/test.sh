#!/bin/sh
# Sets up this machine, builds every configuration and runs every test:
# native (plain and under AddressSanitizer/UBSan), 32-bit x86 Linux under
# qemu-i386 (the arithmetic of the Windows x86 program), Windows x64 under Wine
# with a virtual display, a bounded fuzzing run, and builds of the benchmarks
# and of Windows x86.
set -eu
cd "$(dirname "$0")/.."
. scripts/wine-env.sh
scripts/setup-debian.sh
scripts/wine-prefix.sh >/dev/null
JOBS=$(nproc)

# The benchmarks are built (so they keep compiling) but not run here.
for preset in native native-asan native-i386 native-bench win64 win32; do
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j "$JOBS"
done
# Fuzzing needs clang's libFuzzer; it runs for a bounded time. A missing script
# is a failure, not a skipped step.
sh scripts/fuzz.sh "${METROVA_FUZZ_SECONDS:-20}"

ctest --preset native -j "$JOBS"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 ctest --preset native-asan -j "$JOBS"
# The same tests built for 32-bit x86, each run through qemu-i386 (a few seconds).
ctest --preset native-i386 -j "$JOBS"
# Windows tests need a display for their windows; one wineserver for the run.
xvfb-run -a -s "-screen 0 1024x768x24" ctest --preset win64
