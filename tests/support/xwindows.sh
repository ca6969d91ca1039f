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
