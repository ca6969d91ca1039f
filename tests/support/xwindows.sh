# Shell helpers for tests that drive the real game under a virtual X server.
# Sourced, not run.

find_window() { # name -> window id (the newest visible one), or nothing
  xdotool search --onlyvisible --name "$1" 2>/dev/null | tail -n 1
}

wait_for() { # command... ; retries for 20 s
  for _ in $(seq 1 100); do
    if "$@"; then return 0; fi
    sleep 0.2
  done
  return 1
}

first_start_question_up() { # the newest game window is the 411 x 320 question
  local id; id=$(find_window 'Zindo Puzzle')
  [ -n "$id" ] || return 1
  eval "$(xdotool getwindowgeometry --shell "$id")"
  [ "$WIDTH" -eq 411 ] && [ "$HEIGHT" -eq 320 ]
}

answer_first_start_question() { # waits for the question, then OK (Full Screen is preselected)
  wait_for first_start_question_up || return 1
  sleep 0.5
  xdotool mousemove --window "$(find_window 'Zindo Puzzle')" 205 296 click 1
}
