#!/usr/bin/env bash
# Measures what the real game costs without input, and what it keeps in
# memory: starts it under a virtual X server in a window with a fresh
# player's folder, reads its CPU time on the main screen (music playing) and
# during level 1, then solves ten levels in a row with the hidden keys
# (Ctrl+Shift+K, then Ctrl+Shift+C per level) and reads the resident memory
# after each.
#   bench/play_cpu.sh [BUILD_DIR] [SECONDS]     (defaults: build, 60)
# Prints the CPU use as a percentage of one core for each stretch, the
# resident set size (VmRSS) at each point and its growth from the first
# solved level to the last. ZINDO_BENCH_DISPLAY picks the X display number
# (default 97); PLAY_SHOT=file keeps a screenshot of the running level.
set -euo pipefail

BUILD_DIR=$(cd "${1:-build}" && pwd)
SECONDS_TO_RUN=${2:-60}
DISPLAY_NUMBER=${ZINDO_BENCH_DISPLAY:-97}
source "$(dirname "${BASH_SOURCE[0]}")/virtual_display.sh"
copy_game "$BUILD_DIR" "$WORK"

measure() { # label -> percentage of one core over SECONDS_TO_RUN
  local before after
  before=$(ticks "$GAME_PID")
  sleep "$SECONDS_TO_RUN"
  after=$(ticks "$GAME_PID")
  awk -v b="$before" -v a="$after" -v hz="$hz" -v s="$SECONDS_TO_RUN" -v label="$1" -v rss="$(rss "$GAME_PID")" \
    'BEGIN { printf "%s: %.2f %% of one core over %d s, %.1f MB resident\n", label, 100 * (a - b) / hz / s, s, rss / 1024 }'
}
click() { # x y, in the window's own pixels
  xdotool mousemove --window "$WINDOW" "$1" "$2" click 1
}

"$WORK/bin/zindo-puzzle" >"$WORK/game.log" 2>&1 &
GAME_PID=$!
sleep 3
WINDOW=$(xdotool search --onlyvisible --name 'Zindo Puzzle' | head -n 1)
[ -n "$WINDOW" ] || { echo "the game window did not appear"; cat "$WORK/game.log"; exit 1; }

measure "main screen, music playing"

# The window is 1011 x 694 with a 1-pixel black bar above the pages; the
# dialogs open centred in it.
click 926 90   # "Start Game" in the menu column
sleep 1
start_level_from_keyboard
# Park the pointer over the board, as a player's hand would rest.
xdotool mousemove --window "$WINDOW" 500 300
import -window root "$WORK/level.png"
[ -n "${PLAY_SHOT:-}" ] && cp "$WORK/level.png" "$PLAY_SHOT"

measure "level 1 running without input"

# Ten levels in a row, each solved at once; the memory is read once the
# level's verdict is shown.
xdotool key ctrl+shift+k
sleep 0.5
sizes=()
for level in $(seq 10); do
  xdotool key ctrl+shift+c
  sleep 1.5
  sizes+=("$(rss "$GAME_PID")")
  click 501 450  # "OK" of the points box
  sleep 0.5
  click 523 633  # "Next Level"
  sleep 1.5
done
printf 'resident after each solved level (MB):'
for size in "${sizes[@]}"; do
  awk -v s="$size" 'BEGIN { printf " %.1f", s / 1024 }'
done
echo
awk -v a="${sizes[0]}" -v b="${sizes[9]}" 'BEGIN { printf "growth from level 1 to level 10: %+.1f MB\n", (b - a) / 1024 }'
