#!/usr/bin/env bash
# One game per player's folder, with real games under a virtual X server:
# a second start for the same folder ends at once with status 0, says so on
# stderr and brings the running game's window to the front; games with other
# folders run side by side; of three started at the same moment one plays; a
# socket left by a killed game does not keep the next one from starting.
#   single_instance_test.sh BUILD_DIR
set -uo pipefail
# The game speaks the desktop's language; these checks expect its English.
export LC_ALL=C.UTF-8
unset LANGUAGE

BUILD_DIR=$(cd "$1" && pwd)
GAME="$BUILD_DIR/bin/zindo-puzzle"
WORK=$(mktemp -d)
PIDS=()
cleanup() {
  for pid in "${PIDS[@]}"; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$WORK"
}
trap cleanup EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

export QT_QPA_PLATFORM=xcb SDL_AUDIODRIVER=dummy
export XDG_RUNTIME_DIR="$WORK/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
source "$(dirname "$0")/../support/xwindows.sh"

for folder in A B C; do # each has been played before, in a window
  mkdir -p "$WORK/$folder"
  printf '[Display]\nDisplayMode=window\n' >"$WORK/$folder/config.ini"
done
windows() { xdotool search --onlyvisible --name '^Zindo Puzzle$' 2>/dev/null | sort; }
top_window() { xdotool search --onlyvisible --name '^Zindo Puzzle$' 2>/dev/null | tail -n 1; } # stacking order
alive() { kill -0 "$1" 2>/dev/null; }

start_game() { # folder log -> starts a game in the background, its pid in GAME_PID
  ZINDO_PUZZLE_PLAYER_DIR="$WORK/$1" "$GAME" >"$WORK/$2" 2>&1 &
  GAME_PID=$!
  PIDS+=("$GAME_PID")
}
NEW_WINDOW=""
new_window_drawn() { # (uses BEFORE) a window that was not there before, drawn
  NEW_WINDOW=$(comm -13 <(echo "$BEFORE") <(windows) | tail -n 1)
  [ -n "$NEW_WINDOW" ] && window_painted "$NEW_WINDOW"
}
start_and_wait() { # folder log -> GAME_PID and NEW_WINDOW, or fails
  BEFORE=$(windows)
  start_game "$1" "$2"
  wait_up_to 40 new_window_drawn || { fail "no window for folder $1"; cat "$WORK/$2"; return 1; }
}
second_start() { # folder -> runs a second start; its status in STATUS, stderr in $WORK/second.err
  ZINDO_PUZZLE_PLAYER_DIR="$WORK/$1" timeout 30 "$GAME" >"$WORK/second.out" 2>"$WORK/second.err"
  STATUS=$?
}

# Two folders, two games side by side.
start_and_wait A a.log || exit 1
A_PID=$GAME_PID A_WINDOW=$NEW_WINDOW
start_and_wait B b.log || exit 1
B_PID=$GAME_PID B_WINDOW=$NEW_WINDOW
[ "$(top_window)" = "$B_WINDOW" ] || fail "the newer game's window is not on top"

# A second start for A: ends with 0 and a word, and A's window comes to the front.
second_start A
[ "$STATUS" -eq 0 ] || fail "the second start for A ended with $STATUS: $(cat "$WORK/second.err")"
grep -q "already running; its window has been brought to the front" "$WORK/second.err" ||
  fail "the second start did not say why it ended: $(cat "$WORK/second.err")"
alive "$A_PID" && alive "$B_PID" || fail "a running game ended"
[ "$(windows)" = "$(printf '%s\n' "$A_WINDOW" "$B_WINDOW" | sort)" ] || fail "windows now: $(windows | tr '\n' ' ')"
[ "$(top_window)" = "$A_WINDOW" ] || fail "the running game's window was not raised"
[ "$(xdotool getwindowfocus 2>/dev/null)" = "$A_WINDOW" ] || fail "the running game's window did not get the keyboard"
# The command line's own answers come without looking for a running game.
ZINDO_PUZZLE_PLAYER_DIR="$WORK/A" timeout 30 "$GAME" --version >"$WORK/version.out" 2>&1 &&
  grep -q '^Zindo Puzzle ' "$WORK/version.out" || fail "--version beside a running game: $(cat "$WORK/version.out")"

# Three starts for C at the same moment: one plays, two end with 0.
C_PIDS=()
for i in 1 2 3; do start_game C "c$i.log"; C_PIDS+=("$GAME_PID"); done
two_ended() { local n=0 pid; for pid in "${C_PIDS[@]}"; do alive "$pid" && n=$((n + 1)); done; [ "$n" -le 1 ]; }
wait_up_to 60 two_ended || fail "three games play for one folder"
C_PID=""
for i in 0 1 2; do
  pid=${C_PIDS[$i]}
  if alive "$pid"; then C_PID=$pid; continue; fi
  wait "$pid"; status=$?
  [ "$status" -eq 0 ] || fail "a start for C that did not play ended with $status: $(cat "$WORK/c$((i + 1)).log")"
done
[ -n "$C_PID" ] || fail "none of the three starts for C plays"
three_windows() { [ "$(windows | wc -l)" -eq 3 ] && window_painted "$(windows | comm -23 - <(printf '%s\n' "$A_WINDOW" "$B_WINDOW" | sort))"; }
wait_up_to 40 three_windows || fail "windows with C playing: $(windows | tr '\n' ' ')"

# A game killed outright leaves its socket behind; the next start plays all the same.
SOCKETS="$XDG_RUNTIME_DIR/zindo-puzzle"
[ "$(find "$SOCKETS" -type s | wc -l)" -eq 3 ] || fail "sockets: $(ls "$SOCKETS")"
kill -KILL "$C_PID"
wait "$C_PID" 2>/dev/null
[ "$(find "$SOCKETS" -type s | wc -l)" -eq 3 ] || fail "the killed game's socket is not there to test with"
if start_and_wait C c4.log; then
  alive "$GAME_PID" || fail "the start after a killed game ended: $(cat "$WORK/c4.log")"
  second_start C
  [ "$STATUS" -eq 0 ] && [ "$(top_window)" = "$NEW_WINDOW" ] ||
    fail "the game started after a killed one does not answer: $STATUS $(cat "$WORK/second.err")"
fi

if [ "$failures" -ne 0 ]; then
  echo "$failures check(s) failed"
  exit 1
fi
echo "PASS: one game per player's folder; other folders side by side; a killed game's socket is no obstacle"
