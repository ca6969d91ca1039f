#!/usr/bin/env bash
# Starts the real game under a virtual X server with a fresh var/ folder, as a
# player would on a first start: answers the display question, waits for the
# main window and its picture, takes a screenshot, waits for the sound written
# through SDL's disk driver and closes the game.
#   smoke_test.sh BUILD_DIR
set -euo pipefail
# The game speaks the desktop's language; these checks expect its English.
export LC_ALL=C.UTF-8
unset LANGUAGE

BUILD_DIR=$(cd "$1" && pwd)
WORK=$(mktemp -d)
GAME_PID=0
cleanup() {
  if [ "$GAME_PID" -ne 0 ]; then kill "$GAME_PID" 2>/dev/null || true; fi
  rm -rf "$WORK"
}
trap cleanup EXIT

mkdir -p "$WORK/bin" "$WORK/var"
cp "$BUILD_DIR/bin/zindo-puzzle" "$WORK/bin/"
ln -s "$BUILD_DIR/dat" "$WORK/dat"

export QT_QPA_PLATFORM=xcb
export SDL_AUDIODRIVER=disk
export SDL_DISKAUDIOFILE="$WORK/sound.raw"
# The running game's lock and socket go here, not among the user's.
export XDG_RUNTIME_DIR="$WORK/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"

source "$(dirname "$0")/../support/xwindows.sh"

"$WORK/bin/zindo-puzzle" >"$WORK/game.log" 2>&1 &
GAME_PID=$!

# First start: the display question comes first (411 x 320, OK at 129,280).
if ! answer_first_start_question; then
  echo "FAIL: the 411x320 start-up question did not come up"; cat "$WORK/game.log"; exit 1
fi

# Full Screen is preselected: the main window fills the screen.
main_window_up() {
  local id; id=$(find_window 'Zindo Puzzle') || return 1
  [ -n "$id" ] || return 1
  eval "$(xdotool getwindowgeometry --shell "$id")"
  [ "$WIDTH" -ge 1011 ] && [ "$HEIGHT" -ge 694 ]
}
if ! wait_for main_window_up; then
  echo "FAIL: the main window did not come up"; cat "$WORK/game.log"; exit 1
fi
config_written() { grep -q 'DisplayMode=fullscreen' "$WORK/var/config.ini" 2>/dev/null; }
wait_for config_written || { echo "FAIL: config.ini not written"; exit 1; }

# The main screen's picture is drawn: the screen shows many colours.
main_screen_drawn() {
  import -window root "$WORK/shot.png" && COLOURS=$(convert "$WORK/shot.png" -format '%k' info:) &&
    [ "$COLOURS" -ge 500 ]
}
COLOURS=0
if ! wait_for main_screen_drawn; then
  echo "FAIL: the screen shows only $COLOURS colours: the main screen picture is missing"; exit 1
fi
if [ -n "${SMOKE_SHOT:-}" ]; then cp "$WORK/shot.png" "$SMOKE_SHOT"; fi

# The start-up effect and the main screen's tune go out through SDL's disk
# driver. The blocks mixed when a sound starts hold a few thousand loud bytes;
# the rest comes only while the mixer's timer keeps the device fed.
LOUD_WANTED=20000
enough_sound() { [ "$(loud_sound_bytes "$WORK/sound.raw")" -ge "$LOUD_WANTED" ]; }
wait_up_to 40 enough_sound || true
if ! kill -0 "$GAME_PID" 2>/dev/null; then
  STATUS=0; wait "$GAME_PID" || STATUS=$?
  GAME_PID=0
  echo "FAIL: the game ended by itself while it played its sound (exit status $STATUS)"
  cat "$WORK/game.log"; exit 1
fi
kill -TERM "$GAME_PID"
wait "$GAME_PID" 2>/dev/null || true
GAME_PID=0
SOUND_BYTES=$(stat -c %s "$WORK/sound.raw" 2>/dev/null || echo 0)
LOUD_BYTES=$(loud_sound_bytes "$WORK/sound.raw")
if [ "$LOUD_BYTES" -lt "$LOUD_WANTED" ]; then
  echo "FAIL: too little sound was written ($SOUND_BYTES bytes, $LOUD_BYTES away from silence, $LOUD_WANTED wanted)"
  cat "$WORK/game.log"; exit 1
fi
echo "PASS: main window up (${WIDTH}x${HEIGHT}), $COLOURS colours on screen, config.ini written, $LOUD_BYTES sound bytes away from silence"
