# Starts a private X display for a test and stops it when the test's shell exits.
# Sets DISPLAY. Source it from a test script.
start_xvfb() {
  local number
  for number in $(seq 90 140); do
    [ -e "/tmp/.X${number}-lock" ] && continue
    Xvfb ":${number}" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
    XVFB_PID=$!
    for _ in $(seq 1 50); do
      if xdpyinfo -display ":${number}" >/dev/null 2>&1 || [ -e "/tmp/.X11-unix/X${number}" ]; then
        export DISPLAY=":${number}"
        trap 'kill "$XVFB_PID" 2>/dev/null; wait "$XVFB_PID" 2>/dev/null' EXIT
        return 0
      fi
      kill -0 "$XVFB_PID" 2>/dev/null || break
      sleep 0.1
    done
  done
  echo "could not start Xvfb" >&2
  return 1
}
