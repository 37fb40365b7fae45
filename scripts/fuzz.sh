#!/bin/sh
# Builds the libFuzzer targets (preset native-fuzz, clang) and runs every
# fuzz/*_fuzz target for SECONDS seconds each (default 20); exits non-zero
# as soon as one finds a crash, leaving the input beside it in the build.
#   scripts/fuzz.sh [SECONDS]
# FUZZ_BUILD_DIR overrides the build folder (default build/native-fuzz).
set -eu
cd "$(dirname "$0")/.."
SECONDS_EACH="${1:-20}"
BUILD="${FUZZ_BUILD_DIR:-build/native-fuzz}"

cmake --preset native-fuzz -B "$BUILD" >/dev/null
cmake --build "$BUILD" -j "${FUZZ_JOBS:-2}"

status=0
ran=0
for target in "$BUILD"/fuzz/*_fuzz; do
  [ -x "$target" ] || continue
  ran=$((ran + 1))
  name=$(basename "$target")
  corpus="$BUILD/fuzz/corpus/$name"
  mkdir -p "$corpus"
  set -- -max_total_time="$SECONDS_EACH" -timeout=10 -rss_limit_mb=2048 \
         -print_final_stats=1 -artifact_prefix="$BUILD/fuzz/$name-"
  [ -f "fuzz/$name.dict" ] && set -- "$@" -dict="fuzz/$name.dict"
  echo "== $name for ${SECONDS_EACH}s"
  if ! "$target" "$@" "$corpus" >"$BUILD/fuzz/$name.log" 2>&1; then
    tail -n 40 "$BUILD/fuzz/$name.log"
    echo "== $name FAILED (log: $BUILD/fuzz/$name.log)"
    status=1
    break
  fi
  grep -E "stat::number_of_executed_units|Done" "$BUILD/fuzz/$name.log" | tail -n 1
done
if [ "$ran" -eq 0 ]; then
  echo "== no fuzz target was built in $BUILD/fuzz" >&2
  exit 1
fi
exit $status
