# Shared by the benchmark scripts that run the real game: sourced after
# DISPLAY_NUMBER (and, when wanted, SCREEN_SIZE, default 1280x1024) is set.
# Makes WORK (a scratch folder), starts a virtual X server of that size
# without a window manager and waits for it, and cleans both up at exit (and
# the process in GAME_PID, when the script sets one).
# copy_game BUILD_DIR FOLDER puts a copy of the game there with a player's
# folder that already holds the window choice, as on every start after the
# first. start_level_from_keyboard starts level 1 once "Start Game" is clicked.
# ticks PID and rss PID give a process's CPU time in clock ticks (hz a
# second) and its resident memory in kB.
WORK=$(mktemp -d)
GAME_PID=0
XVFB_PID=0
cleanup() {
  [ "$GAME_PID" -ne 0 ] && kill "$GAME_PID" 2>/dev/null || true
  [ "$XVFB_PID" -ne 0 ] && kill "$XVFB_PID" 2>/dev/null || true
  rm -rf "$WORK"
}
trap cleanup EXIT

Xvfb ":$DISPLAY_NUMBER" -screen 0 "${SCREEN_SIZE:-1280x1024}x24" -nolisten tcp -noreset >/dev/null 2>&1 &
XVFB_PID=$!
export DISPLAY=":$DISPLAY_NUMBER"
export QT_QPA_PLATFORM=xcb
export SDL_AUDIODRIVER=${SDL_AUDIODRIVER:-dummy}
export XDG_RUNTIME_DIR="$WORK/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
for _ in $(seq 50); do
  xdotool getdisplaygeometry >/dev/null 2>&1 && break
  sleep 0.1
done

ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
rss() { awk '/^VmRSS/ {print $2}' "/proc/$1/status"; }
hz=$(getconf CLK_TCK)

copy_game() {
  mkdir -p "$2/bin" "$2/var"
  cp "$1/bin/zindo-puzzle" "$2/bin/"
  ln -s "$1/dat" "$2/dat"
  printf '[Display]\nDisplayMode=window\n' >"$2/var/config.ini"
}

start_level_from_keyboard() {
  # The name line has the keys: the name, Enter for "Go", Enter for the
  # "Get Ready" box.
  xdotool type --delay 20 "Bench"
  xdotool key Return
  sleep 1
  xdotool key Return
  sleep 2
}
