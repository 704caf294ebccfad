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
