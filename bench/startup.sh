#!/usr/bin/env bash
# Times the game's start against a bare Qt window of the same size, the same
# way and in the same run: from exec to the first MapNotify of the window, and
# on to its first frame, under a virtual X server with no window manager.
#   bench/startup.sh [BUILD_DIR] [RUNS] [OTHER_BUILD_DIR]   (defaults: build, 7)
# One unmeasured start of each warms the file cache; then RUNS starts of each,
# interleaved. Prints every run, the medians and the game's ratio to the bare
# window. OTHER_BUILD_DIR, another build of the game (before a change, say),
# is timed in the same rounds. Run it on a quiet machine (load average well
# under 1). On a virtual machine whose speed drifts, seven starts can put the
# same build 0.2 apart in ratio from one round to the next; 31 starts and a
# few rounds tell a change of a millisecond or two from the drift.
# ZINDO_BENCH_DISPLAY picks the X display number (default 94).
set -euo pipefail

BUILD_DIR=$(cd "${1:-build}" && pwd)
RUNS=${2:-7}
OTHER_DIR=${3:+$(cd "$3" && pwd)}
DISPLAY_NUMBER=${ZINDO_BENCH_DISPLAY:-94}
TIMER="$BUILD_DIR/bench/startup/zindo_map_timer"
BARE="$BUILD_DIR/bench/startup/zindo_bare_window"
for program in "$TIMER" "$BARE" "$BUILD_DIR/bin/zindo-puzzle"; do
  [ -x "$program" ] || { echo "missing $program: build $BUILD_DIR first"; exit 1; }
done

source "$(dirname "${BASH_SOURCE[0]}")/virtual_display.sh"
copy_game "$BUILD_DIR" "$WORK/game"
GAME="$WORK/game/bin/zindo-puzzle"
if [ -n "$OTHER_DIR" ]; then
  copy_game "$OTHER_DIR" "$WORK/other"
  OTHER="$WORK/other/bin/zindo-puzzle"
fi

run() { # label program... -> appends "map frame" to $WORK/label.times
  local label=$1 line
  shift
  line=$("$TIMER" "$@" 2>>"$WORK/programs.log")
  echo "$label $line"
  awk -v l="$line" 'BEGIN { split(l, f, /[= ]/); print f[2], f[4] }' >>"$WORK/$label.times"
}

echo "warming up"
"$TIMER" "$GAME" >/dev/null 2>&1
[ -n "$OTHER_DIR" ] && "$TIMER" "$OTHER" >/dev/null 2>&1
"$TIMER" "$BARE" >/dev/null 2>&1
for _ in $(seq "$RUNS"); do
  run game "$GAME"
  [ -n "$OTHER_DIR" ] && run other "$OTHER"
  run bare "$BARE"
done

median() { # file column
  sort -n -k"$2" "$1" | awk -v c="$2" '{ v[NR] = $c } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}
echo "medians of $RUNS runs, ms from exec:"
for column in 1 2; do
  what=$([ "$column" = 1 ] && echo "first MapNotify" || echo "first frame    ")
  bare=$(median "$WORK/bare.times" "$column")
  game=$(median "$WORK/game.times" "$column")
  line=$(awk -v g="$game" -v b="$bare" 'BEGIN { printf "game %.1f, bare Qt window %.1f, ratio %.2f", g, b, g / b }')
  if [ -n "$OTHER_DIR" ]; then
    other=$(median "$WORK/other.times" "$column")
    line+=$(awk -v o="$other" -v b="$bare" 'BEGIN { printf "; other build %.1f, ratio %.2f", o, o / b }')
  fi
  echo "  $what: $line"
done
