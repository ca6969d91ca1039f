#!/usr/bin/env bash
# What a running level costs in a window and full screen on a 4K display:
# starts the real game under one virtual X server of 3840 x 2160 (no window
# manager), in turn in a 1011 x 694 window and full screen with the screen's
# resolution kept (the scene scaled 2.8 times), each time with a fresh
# player's folder; goes to level 1 and parks the pointer over the board, then
# reads the game's CPU time over SECONDS and its resident memory at the end.
#   bench/device_cost.sh [BUILD_DIR] [ROUNDS] [SECONDS] [OTHER_BUILD_DIR]
#                                            (defaults: build, 3, 30)
# Prints every run, the medians and full screen's ratio to the window.
# OTHER_BUILD_DIR, another build of the game (before a change, say), is
# measured in the same rounds. ZINDO_BENCH_DISPLAY picks the X display
# number (default 85); SHOTS=folder keeps a screenshot of each running level.
set -euo pipefail

BUILD_DIR=$(cd "${1:-build}" && pwd)
ROUNDS=${2:-3}
SECONDS_TO_RUN=${3:-30}
OTHER_DIR=${4:+$(cd "$4" && pwd)}
DISPLAY_NUMBER=${ZINDO_BENCH_DISPLAY:-85}
SCREEN_SIZE=3840x2160
source "$(dirname "${BASH_SOURCE[0]}")/virtual_display.sh"
[ -n "${SHOTS:-}" ] && mkdir -p "$SHOTS"

# The scene's design size and the height of its top bar: 1011 x 694 with a
# 1-pixel bar in a window, 1024 x 768 with a 15-pixel bar full screen.
DESIGN_W=1011 DESIGN_H=694 BAR=1
GEOMETRY=()
at() { # design x y of the scene -> "x y" in the window's own pixels
  awk -v x="$1" -v y="$2" -v w="${GEOMETRY[0]}" -v h="${GEOMETRY[1]}" -v dw="$DESIGN_W" -v dh="$DESIGN_H" 'BEGIN {
    s = w / dw < h / dh ? w / dw : h / dh
    printf "%d %d", int((w - dw * s) / 2) + x * s, int((h - dh * s) / 2) + y * s }'
}
click() { # design x y of the scene
  # shellcheck disable=SC2046
  xdotool mousemove --window "$WINDOW" $(at "$1" "$2") click 1
}

one_run() { # build label mode -> appends "cpu rss" to $WORK/label-mode.times
  local build=$1 label=$2 mode=$3 folder="$WORK/run" before after
  rm -rf "$folder"
  copy_game "$build" "$folder"
  if [ "$mode" = fullscreen ]; then
    printf '[Display]\nDisplayMode=fullscreen\nChangeResolution=0\n' >"$folder/var/config.ini"
    DESIGN_W=1024 DESIGN_H=768 BAR=15
  else
    DESIGN_W=1011 DESIGN_H=694 BAR=1
  fi
  "$folder/bin/zindo-puzzle" >"$WORK/game.log" 2>&1 &
  GAME_PID=$!
  WINDOW=
  for _ in $(seq 100); do
    WINDOW=$(xdotool search --onlyvisible --name 'Zindo Puzzle' 2>/dev/null | head -n 1) || true
    [ -n "$WINDOW" ] && break
    sleep 0.1
  done
  [ -n "$WINDOW" ] || { echo "the game window did not appear"; cat "$WORK/game.log"; exit 1; }
  sleep 2
  read -r -a GEOMETRY < <(xdotool getwindowgeometry "$WINDOW" | awk '/Geometry/ { split($2, g, "x"); print g[1], g[2] }')
  local right=$((DESIGN_W - 260))
  click $((right + 175)) $((BAR + 90))              # "Start Game" in the menu column
  sleep 1
  start_level_from_keyboard
  # The pointer rests over the board, as a player's hand would.
  # shellcheck disable=SC2046
  xdotool mousemove --window "$WINDOW" $(at 500 300)
  sleep 1
  [ -n "${SHOTS:-}" ] && import -window root "$SHOTS/$label-$mode-$(date +%s).png"
  before=$(ticks "$GAME_PID")
  sleep "$SECONDS_TO_RUN"
  after=$(ticks "$GAME_PID")
  local size
  size=$(rss "$GAME_PID")
  kill "$GAME_PID"
  wait "$GAME_PID" 2>/dev/null || true
  GAME_PID=0
  awk -v b="$before" -v a="$after" -v hz="$hz" -v s="$SECONDS_TO_RUN" -v r="$size" -v l="$label" -v m="$mode" \
    -v g="${GEOMETRY[0]}x${GEOMETRY[1]}" 'BEGIN {
      printf "%-6s %-10s %9s: %.2f %% of one core, %.1f MB resident\n", l, m, g, 100 * (a - b) / hz / s, r / 1024 }'
  awk -v b="$before" -v a="$after" -v hz="$hz" -v s="$SECONDS_TO_RUN" -v r="$size" \
    'BEGIN { printf "%.3f %.1f\n", 100 * (a - b) / hz / s, r / 1024 }' >>"$WORK/$label-$mode.times"
}

builds=("game:$BUILD_DIR")
[ -n "$OTHER_DIR" ] && builds+=("other:$OTHER_DIR")
for round in $(seq "$ROUNDS"); do
  echo "round $round"
  for entry in "${builds[@]}"; do
    for mode in window fullscreen; do
      one_run "${entry#*:}" "${entry%%:*}" "$mode"
    done
  done
done

median() { # file column
  sort -n -k"$2" "$1" | awk -v c="$2" '{ v[NR] = $c } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}
echo "medians of $ROUNDS rounds, level 1 running without input for $SECONDS_TO_RUN s:"
for entry in "${builds[@]}"; do
  label=${entry%%:*}
  wc=$(median "$WORK/$label-window.times" 1) wm=$(median "$WORK/$label-window.times" 2)
  fc=$(median "$WORK/$label-fullscreen.times" 1) fm=$(median "$WORK/$label-fullscreen.times" 2)
  awk -v l="$label" -v wc="$wc" -v wm="$wm" -v fc="$fc" -v fm="$fm" 'BEGIN {
    printf "  %-6s window %.2f %% / %.1f MB, full screen 3840x2160 %.2f %% / %.1f MB; ratio CPU %.2f, memory %.2f\n",
      l, wc, wm, fc, fm, fc / wc, fm / wm }'
done
