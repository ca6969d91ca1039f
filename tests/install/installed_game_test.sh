#!/usr/bin/env bash
# Installs the game into a temporary prefix, makes the prefix read-only and
# starts the installed program under a virtual X server with a fresh HOME, as
# a player would. After the first-start question is answered, config.ini is
# in ~/.local/share/zindo-puzzle (a private folder) and nothing below the
# prefix has changed: the same files with the same checksums (root ignores
# the read-only bits, so the files themselves are compared).
#   installed_game_test.sh BUILD_DIR BINDIR     (BINDIR: "bin", or "games" for Debian)
set -euo pipefail
# The game speaks the desktop's language; these checks expect its English.
export LC_ALL=C.UTF-8
unset LANGUAGE

BUILD_DIR=$(cd "$1" && pwd)
BINDIR=$2
source "$(dirname "$0")/../support/xwindows.sh"
WORK=$(mktemp -d)
PREFIX="$WORK/prefix"
GAME_PID=0
XVFB_PID=0
cleanup() {
  if [ "$GAME_PID" -ne 0 ]; then kill "$GAME_PID" 2>/dev/null || true; fi
  if [ "$XVFB_PID" -ne 0 ]; then kill "$XVFB_PID" 2>/dev/null || true; fi
  chmod -R u+w "$WORK" 2>/dev/null || true
  rm -rf "$WORK"
}
trap cleanup EXIT

cmake --install "$BUILD_DIR" --prefix "$PREFIX" >/dev/null
snapshot() { (cd "$PREFIX" && find . | sort && find . -type f -print0 | sort -z | xargs -0 sha256sum); }
snapshot >"$WORK/before"
chmod -R a-w "$PREFIX"

# A display of its own among :81 .. :83.
for number in 81 82 83; do
  [ -e "/tmp/.X$number-lock" ] && continue
  Xvfb ":$number" -screen 0 1280x1024x24 -nolisten tcp -noreset >"$WORK/xvfb.log" 2>&1 &
  XVFB_PID=$!
  export DISPLAY=":$number"
  server_up() { [ -S "/tmp/.X11-unix/X$number" ]; }
  if wait_for server_up; then break; fi
  kill "$XVFB_PID" 2>/dev/null || true
  XVFB_PID=0
done
[ "$XVFB_PID" -ne 0 ] || { echo "FAIL: no display among :81 .. :83"; exit 1; }

mkdir "$WORK/home"
export HOME="$WORK/home" QT_QPA_PLATFORM=xcb SDL_AUDIODRIVER=dummy
# The running game's lock and socket go here, not among the user's.
export XDG_RUNTIME_DIR="$WORK/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
unset XDG_DATA_HOME ZINDO_PUZZLE_PLAYER_DIR
(cd / && exec "$PREFIX/$BINDIR/zindo-puzzle") >"$WORK/game.log" 2>&1 &
GAME_PID=$!

if ! answer_first_start_question; then
  echo "FAIL: the first-start question did not come up"; cat "$WORK/game.log"; exit 1
fi

PLAYER="$HOME/.local/share/zindo-puzzle"
config_written() { grep -q 'DisplayMode=fullscreen' "$PLAYER/config.ini" 2>/dev/null; }
if ! wait_for config_written; then
  echo "FAIL: no config.ini in $PLAYER"; ls -laR "$HOME"; cat "$WORK/game.log"; exit 1
fi
[ "$(stat -c %a "$PLAYER")" = 700 ] || { echo "FAIL: $PLAYER has mode $(stat -c %a "$PLAYER")"; exit 1; }
kill -TERM "$GAME_PID"
wait "$GAME_PID" 2>/dev/null || true
GAME_PID=0

chmod -R u+w "$PREFIX"
if ! diff -u "$WORK/before" <(snapshot); then
  echo "FAIL: the installed game changed its prefix"; exit 1
fi
echo "PASS: the installed game kept its files in $PLAYER and left its prefix as it was"
