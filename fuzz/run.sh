#!/usr/bin/env bash
# Runs the libFuzzer harnesses of a ZINDO_FUZZ build on their corpora.
#
#   fuzz/run.sh [-b BUILD_DIR] [-j JOBS] SECONDS [HARNESS ...]
#
# Each harness runs SECONDS seconds (all of them when none is named: container,
# wave, saved_game, high_scores, picture, tutorial, mixer_ini), JOBS at a time
# (default 1). It starts from the seeds the build made (BUILD_DIR/fuzz/seeds)
# and the inputs earlier runs found (BUILD_DIR/fuzz/corpus, kept). A crash, a
# sanitizer report, a broken property, a leak or a hang fails the run; the input
# that did it goes to BUILD_DIR/fuzz/findings/<harness>/ and the fuzzer's output
# to BUILD_DIR/fuzz/logs/<harness>.log. BUILD_DIR defaults to build-asan, the
# folder ./test.sh configures with -DZINDO_FUZZ=ON.
set -uo pipefail

ROOT_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD_DIR="$ROOT_DIR/build-asan"
JOBS=1
while getopts "b:j:" option; do
  case $option in
    b) BUILD_DIR=$(cd "$OPTARG" && pwd) ;;
    j) JOBS=$OPTARG ;;
    *) exit 2 ;;
  esac
done
shift $((OPTIND - 1))
if [ $# -lt 1 ]; then
  echo "usage: fuzz/run.sh [-b BUILD_DIR] [-j JOBS] SECONDS [HARNESS ...]" >&2
  exit 2
fi
SECONDS_EACH=$1
shift
HARNESSES=("$@")
if [ ${#HARNESSES[@]} -eq 0 ]; then
  HARNESSES=(container wave saved_game high_scores picture tutorial mixer_ini)
fi

FUZZ_DIR="$BUILD_DIR/fuzz"
mkdir -p "$FUZZ_DIR/logs"
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}

run_one() {
  local name=$1
  local binary="$FUZZ_DIR/zindo_fuzz_$name"
  local log="$FUZZ_DIR/logs/$name.log"
  local findings="$FUZZ_DIR/findings/$name"
  if [ ! -x "$binary" ]; then
    echo "$name: no harness $binary (configure with -DZINDO_FUZZ=ON and build)" >"$log"
    return 1
  fi
  mkdir -p "$FUZZ_DIR/corpus/$name" "$findings" "$FUZZ_DIR/seeds/$name"
  local dictionary=()
  if [ -f "$ROOT_DIR/fuzz/$name.dict" ]; then
    dictionary=("-dict=$ROOT_DIR/fuzz/$name.dict")
  fi
  "$binary" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -timeout=25 -rss_limit_mb=2048 \
    -artifact_prefix="$findings/" "${dictionary[@]}" \
    "$FUZZ_DIR/corpus/$name" "$FUZZ_DIR/seeds/$name" >"$log" 2>&1
}

report() {
  local name=$1 status=$2
  local log="$FUZZ_DIR/logs/$name.log"
  local runs
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  if [ "$status" -eq 0 ]; then
    echo "$name: ${runs:-0} runs in ${SECONDS_EACH} s, nothing found"
  else
    echo "$name: FAILED after ${runs:-?} runs (exit $status); see $log"
    grep -E "ERROR: |SUMMARY: |property broken|runtime error|Test unit written" "$log" | head -8 | sed 's/^/    /'
  fi
}

passed=0
failed=0
declare -A running=()
finish_one() {
  local pid=$1
  local name=${running[$pid]}
  local status=0
  wait "$pid" || status=$?
  unset "running[$pid]"
  report "$name" "$status"
  if [ "$status" -eq 0 ]; then passed=$((passed + 1)); else failed=$((failed + 1)); fi
}

for name in "${HARNESSES[@]}"; do
  while [ ${#running[@]} -ge "$JOBS" ]; do
    for pid in "${!running[@]}"; do
      if ! kill -0 "$pid" 2>/dev/null; then
        finish_one "$pid"
      fi
    done
    [ ${#running[@]} -ge "$JOBS" ] && sleep 0.2
  done
  run_one "$name" &
  running[$!]=$name
done
for pid in "${!running[@]}"; do
  finish_one "$pid"
done

echo "fuzz: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
