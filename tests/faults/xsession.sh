# Bash helpers for tests that run the real program on a private X server.
# Source this file; it starts nothing by itself.
#
#   x_start [Xvfb options]   start Xvfb on a free display and export DISPLAY
#   x_wait_window TITLE [s]  wait until a mapped window with exactly TITLE exists;
#                            prints its id, returns 1 after s seconds (default 20)
#   x_window_gone ID [s]     wait until window ID no longer exists
#   x_stop                   end the X server (also done on exit)
#
# The server is found with -displayfd, so parallel tests never collide.

x_pid=""

x_start() {
  local fifo
  fifo="$(mktemp -u)"
  mkfifo "$fifo"
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp "$@" 3>"$fifo" >/dev/null 2>&1 &
  x_pid=$!
  local number=""
  read -r -t 20 number <"$fifo" || true
  rm -f "$fifo"
  if [ -z "$number" ]; then
    echo "Xvfb did not start" >&2
    return 1
  fi
  export DISPLAY=":$number"
  trap x_stop EXIT
}

x_stop() {
  if [ -n "$x_pid" ]; then
    kill "$x_pid" 2>/dev/null || true
    wait "$x_pid" 2>/dev/null || true
    x_pid=""
  fi
}

x_wait_window() {
  local title="$1" limit="${2:-20}" id="" waited=0
  # Escape the title for xdotool's regular expression.
  local pattern
  pattern="^$(printf '%s' "$title" | sed 's/[][\.*^$+?(){}|]/\\&/g')\$"
  while [ "$waited" -lt $((limit * 10)) ]; do
    id="$(xdotool search --onlyvisible --name "$pattern" 2>/dev/null | head -n1)"
    if [ -n "$id" ]; then
      echo "$id"
      return 0
    fi
    sleep 0.1
    waited=$((waited + 1))
  done
  return 1
}

x_window_gone() {
  local id="$1" limit="${2:-10}" waited=0
  while [ "$waited" -lt $((limit * 10)) ]; do
    xwininfo -id "$id" >/dev/null 2>&1 || return 0
    sleep 0.1
    waited=$((waited + 1))
  done
  return 1
}

# Waits for process PID to end within s seconds; sets x_exit_code. Returns 1 on time-out.
x_wait_exit() {
  local pid="$1" limit="${2:-10}" waited=0
  while kill -0 "$pid" 2>/dev/null; do
    if [ "$waited" -ge $((limit * 10)) ]; then
      return 1
    fi
    sleep 0.1
    waited=$((waited + 1))
  done
  x_exit_code=0
  wait "$pid" || x_exit_code=$?
  return 0
}
