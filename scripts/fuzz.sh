#!/bin/sh
# Builds the libFuzzer targets (preset native-fuzz, clang) and runs every
# fuzz/*_fuzz target in turn, one process each, either for SECONDS seconds
# (default 20) or for a number of inputs; exits non-zero as soon as one finds
# a crash, leaving the input beside it in the build.
#   scripts/fuzz.sh [SECONDS]       each target for SECONDS seconds
#   scripts/fuzz.sh --runs N        each target for N inputs
#   scripts/fuzz.sh --long          each target for 10,000,000 inputs (about
#                                   half an hour on two cores, most of it the
#                                   settings target; run it under nohup)
# Every target ends with a line "== NAME: N inputs in S s, E exec/s".
# FUZZ_BUILD_DIR overrides the build folder (default build/native-fuzz).
set -eu
cd "$(dirname "$0")/.."
LONG_RUNS=10000000
case "${1:-}" in
  --long) limit="-runs=$LONG_RUNS"; what="$LONG_RUNS inputs" ;;
  --runs) limit="-runs=${2:?--runs needs a number of inputs}"; what="$2 inputs" ;;
  *) limit="-max_total_time=${1:-20}"; what="${1:-20}s" ;;
esac
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
  log="$BUILD/fuzz/$name.log"
  mkdir -p "$corpus"
  set -- "$limit" -timeout=10 -rss_limit_mb=2048 \
         -print_final_stats=1 -artifact_prefix="$BUILD/fuzz/$name-"
  [ -f "fuzz/$name.dict" ] && set -- "$@" -dict="fuzz/$name.dict"
  echo "== $name for $what"
  started=$(date +%s)
  if ! "$target" "$@" "$corpus" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "== $name FAILED (log: $log)"
    status=1
    break
  fi
  seconds=$(($(date +%s) - started))
  inputs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log")
  echo "== $name: ${inputs:-?} inputs in ${seconds} s, ${rate:-?} exec/s"
done
if [ "$ran" -eq 0 ]; then
  echo "== no fuzz target was built in $BUILD/fuzz" >&2
  exit 1
fi
exit $status
