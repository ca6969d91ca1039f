# Shell helpers for tests that drive the real game under a virtual X server.
# Sourced, not run. The server is started with -noreset: without it, it
# resets whenever its last client leaves, and refuses a client that connects
# in that moment (the game, or any xdotool call here).

find_window() { # name -> window id (the newest visible one), or nothing
  xdotool search --onlyvisible --name "$1" 2>/dev/null | tail -n 1
}

wait_up_to() { # seconds command... ; retries every 0.2 s until it succeeds or the time is up
  local deadline=$((SECONDS + $1))
  shift
  while true; do
    if "$@"; then return 0; fi
    [ "$SECONDS" -lt "$deadline" ] || return 1
    sleep 0.2
  done
}

wait_for() { # command... ; retries for 20 s
  wait_up_to 20 "$@"
}

colours_of() { # window id (or "root") -> the number of colours it shows now
  import -window "$1" png:- 2>/dev/null | convert - -format '%k' info: 2>/dev/null || echo 0
}

window_painted() { # window id -> whether it shows a drawn picture, not a bare background
  [ "$(colours_of "$1")" -ge 100 ]
}

first_start_question_up() { # the newest game window is the 411 x 320 question, drawn
  local id; id=$(find_window 'Zindo Puzzle')
  [ -n "$id" ] || return 1
  eval "$(xdotool getwindowgeometry --shell "$id")"
  [ "$WIDTH" -eq 411 ] && [ "$HEIGHT" -eq 320 ] && window_painted "$id"
}

answer_first_start_question() { # waits for the question, then OK (Full Screen is preselected)
  wait_for first_start_question_up || return 1
  xdotool mousemove --window "$(find_window 'Zindo Puzzle')" 205 296 click 1
}

loud_sound_bytes() { # raw 8-bit file -> how many of its bytes lie clearly away from silence (118..138)
  if [ -f "$1" ]; then LC_ALL=C tr -d '\166-\212' <"$1" | wc -c; else echo 0; fi
}
