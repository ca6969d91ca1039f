#!/usr/bin/env bash
# Starts the real game under a virtual X server with a fresh var/ folder, as a
# player would on a first start: answers the display question, waits for the
# main window, takes a screenshot and closes the game.
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

source "$(dirname "$0")/../support/xwindows.sh"

# The virtual server may still be starting when the test begins; the game
# would end at once without a display to connect to.
display_answers() { xdotool getdisplaygeometry >/dev/null 2>&1; }
if ! wait_for display_answers; then
  echo "FAIL: the virtual X server $DISPLAY does not answer"; exit 1
fi

"$WORK/bin/zindo-puzzle" >"$WORK/game.log" 2>&1 &
GAME_PID=$!

# First start: the display question comes first (411 x 320, OK at 129,280).
window_present() { [ -n "$(find_window 'Zindo Puzzle')" ]; }
if ! wait_for window_present; then
  echo "FAIL: no window appeared"; cat "$WORK/game.log"; exit 1
fi
sleep 0.5
FORM=$(find_window 'Zindo Puzzle')
eval "$(xdotool getwindowgeometry --shell "$FORM")"
if [ "$WIDTH" -ne 411 ] || [ "$HEIGHT" -ne 320 ]; then
  echo "FAIL: expected the 411x320 start-up question first, got ${WIDTH}x${HEIGHT}"; exit 1
fi
xdotool mousemove --window "$FORM" 205 296 click 1

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
sleep 1
grep -q 'DisplayMode=fullscreen' "$WORK/var/config.ini" || { echo "FAIL: config.ini not written"; exit 1; }

import -window root "$WORK/shot.png"
COLOURS=$(convert "$WORK/shot.png" -format '%k' info:)
if [ "$COLOURS" -lt 500 ]; then
  echo "FAIL: the screen shows only $COLOURS colours: the main screen picture is missing"; exit 1
fi
if [ -n "${SMOKE_SHOT:-}" ]; then cp "$WORK/shot.png" "$SMOKE_SHOT"; fi

# The start-up effect and the main screen's tune go out through SDL's disk driver.
sleep 2
kill -TERM "$GAME_PID"
wait "$GAME_PID" 2>/dev/null || true
GAME_PID=0
SOUND_BYTES=$(stat -c %s "$WORK/sound.raw" 2>/dev/null || echo 0)
LOUD_BYTES=$(od -An -v -tu1 -w1 "$WORK/sound.raw" 2>/dev/null | awk '$1 < 118 || $1 > 138' | wc -l)
if [ "$LOUD_BYTES" -lt 1000 ]; then
  echo "FAIL: no sound was written ($SOUND_BYTES bytes, $LOUD_BYTES away from silence)"; cat "$WORK/game.log"; exit 1
fi
echo "PASS: main window up (${WIDTH}x${HEIGHT}), $COLOURS colours on screen, config.ini written, $LOUD_BYTES sound bytes away from silence"
