# Starts a private X display for a test and stops it when the test's shell exits. The server
# picks a free display number itself, so tests running side by side never share one.
# Sets DISPLAY and XVFB_PID. Source it from a test script.
start_xvfb() {
  local numberFile
  numberFile="$(mktemp)"
  Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$numberFile" >/dev/null 2>&1 &
  XVFB_PID=$!
  for _ in $(seq 1 100); do
    if [ -s "$numberFile" ]; then
      export DISPLAY=":$(tr -d '[:space:]' < "$numberFile")"
      rm -f "$numberFile"
      trap 'kill "$XVFB_PID" 2>/dev/null; wait "$XVFB_PID" 2>/dev/null' EXIT
      return 0
    fi
    kill -0 "$XVFB_PID" 2>/dev/null || break
    sleep 0.1
  done
  rm -f "$numberFile"
  echo "could not start Xvfb" >&2
  return 1
}

# A valid preferences block of zeros (no names, no music, no welcome) in ./dakto.prf, with the
# little-endian int32 `value` at byte `offset`.
write_zero_preferences() {
  head -c 1036 /dev/zero > dakto.prf
  local bytes
  bytes=$(printf '\\x%02x\\x%02x\\x%02x\\x%02x' $(( $2 & 255 )) $(( ($2 >> 8) & 255 )) $(( ($2 >> 16) & 255 )) \
    $(( ($2 >> 24) & 255 )))
  printf "$bytes" | dd of=dakto.prf bs=1 seek="$1" conv=notrunc status=none
}

# Starts the program "$1" in the working directory and waits for its window "Dakto".
# Sets PROGRAM_PID, WINDOW, and PLAY_X and PLAY_Y: the play area's corner on the screen.
start_dakto() {
  SDL_AUDIODRIVER=dummy "$1" &
  PROGRAM_PID=$!
  WINDOW=$(timeout 20 xdotool search --sync --name '^Dakto$' | head -1)
  if [ -z "$WINDOW" ]; then
    echo "no window named Dakto appeared" >&2
    kill -9 "$PROGRAM_PID"
    return 1
  fi
  sleep 0.5
  eval "$(xdotool getwindowgeometry --shell "$WINDOW")"
  PLAY_X=$(( X + (WIDTH - 632) / 2 ))
  PLAY_Y=$(( Y + (HEIGHT - 428) / 2 ))
}

# A left click at a play-area point.
click_at() {
  xdotool mousemove $(( PLAY_X + $1 )) $(( PLAY_Y + $2 )) click 1
  sleep "${3:-0.4}"
}

# Sends SIGTERM and expects the program to end with status 0.
stop_dakto() {
  kill -TERM "$PROGRAM_PID"
  wait "$PROGRAM_PID"
  local status=$?
  [ "$status" -eq 0 ] || { echo "exit status $status" >&2; return 1; }
}
