#!/usr/bin/env bash
# The game's command line, answered by the built program:
# --version and --help need no display and exit 0; an unknown option, an
# argument or both display options put the usage on stderr and exit 2.
#   command_line_test.sh PROGRAM "EXPECTED VERSION LINE"
set -uo pipefail
# The game speaks the desktop's language; these checks expect its English.
export LC_ALL=C.UTF-8
unset LANGUAGE

PROGRAM=$1
VERSION_LINE=$2
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
# Nothing here may touch a player's folder, and a started game must not wait.
export ZINDO_PUZZLE_PLAYER_DIR="$WORK/player"
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

run() { # expected-exit-code args... ; leaves out / err in $WORK
  local expected=$1; shift
  timeout 20 "$PROGRAM" "$@" >"$WORK/out" 2>"$WORK/err"
  local code=$?
  [ "$code" -eq "$expected" ] || fail "'$*' exited with $code, not $expected: $(head -c 300 "$WORK/err")"
}

# Without any display: the answer comes before the toolkit would look for one.
for option in --version -v; do
  env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb \
    timeout 20 "$PROGRAM" "$option" >"$WORK/out" 2>"$WORK/err" || fail "$option exited with $?"
  [ "$(cat "$WORK/out")" = "$VERSION_LINE" ] || fail "$option printed '$(cat "$WORK/out")'"
  [ ! -s "$WORK/err" ] || fail "$option wrote to stderr: $(cat "$WORK/err")"
done
env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb \
  timeout 20 "$PROGRAM" --help >"$WORK/out" 2>"$WORK/err" || fail "--help exited with $?"
for word in Usage: --window --fullscreen --lang --version; do
  grep -q -- "$word" "$WORK/out" || fail "--help does not mention $word"
done

# What the game does not know: the reason and the usage on stderr, exit 2.
export QT_QPA_PLATFORM=offscreen
run 2 --bogus
grep -q "Unknown option 'bogus'" "$WORK/err" || fail "--bogus: no reason on stderr"
grep -q "Usage:" "$WORK/err" || fail "--bogus: no usage on stderr"
[ ! -s "$WORK/out" ] || fail "--bogus wrote to stdout"
run 2 saved-game.PGM
grep -q "saved-game.PGM" "$WORK/err" || fail "an argument is not named on stderr"
run 2 --window --fullscreen
grep -q "Usage:" "$WORK/err" || fail "--window --fullscreen: no usage on stderr"
run 2 --lang
grep -q "after '--lang'" "$WORK/err" || fail "--lang without a language: no reason on stderr"
[ ! -e "$WORK/player" ] || fail "a refused command line made the player's folder"

if [ "$failures" -ne 0 ]; then
  echo "$failures check(s) failed"
  exit 1
fi
echo "command line answers as it should"
