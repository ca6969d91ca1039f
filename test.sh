#!/usr/bin/env bash
# Installs what is missing, builds everything, then runs every test headless.
# Then builds everything once more in build-asan/ with clang, AddressSanitizer
# and UndefinedBehaviorSanitizer (and the fuzz harnesses), runs every test
# there, and runs each fuzz harness for 20 seconds on its seeds. A sanitizer
# report anywhere, also in a program a test starts, fails the run.
set -euo pipefail
ZINDO_CHECKING_BUILD=1
source "$(dirname "$0")/tools/setup.sh"

export QT_QPA_PLATFORM=offscreen
export SDL_AUDIODRIVER=dummy
(cd "$BUILD_DIR" && ctest --output-on-failure --timeout 300 -j 2)

ASAN_DIR="$ROOT_DIR/build-asan"
cmake -S "$ROOT_DIR" -B "$ASAN_DIR" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_C_COMPILER=clang-14 -DCMAKE_CXX_COMPILER=clang++-14 -DZINDO_FUZZ=ON
cmake --build "$ASAN_DIR" -j "$(nproc)"

REPORTS="$ASAN_DIR/sanitizer-reports"
rm -rf "$REPORTS"
mkdir -p "$REPORTS"
status=0
(
  export ASAN_OPTIONS="detect_leaks=1:log_path=$REPORTS/asan"
  export LSAN_OPTIONS="suppressions=$ROOT_DIR/tests/lsan-suppressions.txt"
  export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1:log_path=$REPORTS/ubsan"
  cd "$ASAN_DIR" && ctest --output-on-failure --timeout 600 -j 2
) || status=$?
if [ -n "$(ls -A "$REPORTS")" ]; then
  echo "Sanitizer reports in $REPORTS:"
  for report in "$REPORTS"/*; do
    echo "--- $report"
    head -40 "$report"
  done
  status=1
fi
if [ "$status" -ne 0 ]; then
  echo "The sanitizer build failed its tests."
  exit "$status"
fi

"$ROOT_DIR/fuzz/run.sh" -b "$ASAN_DIR" -j 2 20
