#!/usr/bin/env bash
# Measures what the real game costs while a level runs without input: starts
# it under a virtual X server in a window, clicks "Start Game", "Go" and the
# "Get Ready" box, then reads the process's CPU time over a stretch of play.
#   bench/play_cpu.sh [BUILD_DIR] [SECONDS]     (defaults: build, 60)
# Prints the CPU use as a percentage of one core, and the same for an idle
# Qt baseline: the game sitting on its main screen for the same time.
set -euo pipefail

BUILD_DIR=$(cd "${1:-build}" && pwd)
SECONDS_TO_RUN=${2:-60}
WORK=$(mktemp -d)
GAME_PID=0
XVFB_PID=0
cleanup() {
  [ "$GAME_PID" -ne 0 ] && kill "$GAME_PID" 2>/dev/null || true
  [ "$XVFB_PID" -ne 0 ] && kill "$XVFB_PID" 2>/dev/null || true
  rm -rf "$WORK"
}
trap cleanup EXIT

DISPLAY_NUMBER=97
Xvfb ":$DISPLAY_NUMBER" -screen 0 1280x1024x24 >/dev/null 2>&1 &
XVFB_PID=$!
export DISPLAY=":$DISPLAY_NUMBER"
export QT_QPA_PLATFORM=xcb
export SDL_AUDIODRIVER=dummy
sleep 1

mkdir -p "$WORK/bin" "$WORK/var"
cp "$BUILD_DIR/bin/zindo-puzzle" "$WORK/bin/"
ln -s "$BUILD_DIR/dat" "$WORK/dat"
printf '[Display]\nDisplayMode=window\n' >"$WORK/var/config.ini"

ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
hz=$(getconf CLK_TCK)

measure() { # label -> percentage of one core over SECONDS_TO_RUN
  local before after
  before=$(ticks "$GAME_PID")
  sleep "$SECONDS_TO_RUN"
  after=$(ticks "$GAME_PID")
  awk -v b="$before" -v a="$after" -v hz="$hz" -v s="$SECONDS_TO_RUN" -v label="$1" \
    'BEGIN { printf "%s: %.2f %% of one core over %d s\n", label, 100 * (a - b) / hz / s, s }'
}

"$WORK/bin/zindo-puzzle" >"$WORK/game.log" 2>&1 &
GAME_PID=$!
sleep 3
WINDOW=$(xdotool search --onlyvisible --name 'Zindo Puzzle' | head -n 1)
[ -n "$WINDOW" ] || { echo "the game window did not appear"; cat "$WORK/game.log"; exit 1; }

measure "main screen (baseline)"

# "Start Game" (menu column at 851, top 73, 150 x 33; 1-pixel bar above the pages).
xdotool mousemove --window "$WINDOW" 926 90 click 1
sleep 1
# "Go" at (14, 378), 110 x 33.
xdotool mousemove --window "$WINDOW" 69 395 click 1
sleep 1
BOX=$(xdotool search --onlyvisible --name 'Zindo Puzzle' | tail -n 1)
xdotool mousemove --window "$BOX" 183 154 click 1
sleep 2
# Park the pointer over the board, as a player's hand would rest.
xdotool mousemove --window "$WINDOW" 500 300
import -window root "$WORK/level.png"
[ -n "${PLAY_SHOT:-}" ] && cp "$WORK/level.png" "$PLAY_SHOT"

measure "level running without input"
