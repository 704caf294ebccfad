#!/usr/bin/env bash
# Starts the modal probe under a private X display: its window must show a message box that
# Enter dismisses, printing the answer of the focused (first) button and exiting 0. In the mode
# "sigterm" the program gets SIGTERM instead while the box is open: it must end at once through
# its close path, with status 0.
# Usage: message_box_enter.sh <modal_probe> [ok|yesno|sigterm] [screenshot.png]
set -u
probe="$1"
mode="${2:-ok}"
shot="${3:-}"
here="$(cd "$(dirname "$0")/../e2e" && pwd)"
source "$here/xvfb.sh"
start_xvfb || exit 1
out="$(mktemp)"
trap 'rm -f "$out"; kill "$XVFB_PID" 2>/dev/null' EXIT
SDL_AUDIODRIVER=dummy "$probe" "$mode" >"$out" &
pid=$!
window="$(timeout 20 xdotool search --sync --onlyvisible --name '^Dakto modal probe$' | head -1)"
if [ -z "$window" ]; then
  echo "the probe's window did not appear" >&2
  kill -9 "$pid" 2>/dev/null
  exit 1
fi
sleep 0.5
[ -n "$shot" ] && import -window root "$shot"
if [ "$mode" = "sigterm" ]; then
  kill -TERM "$pid"
else
  xdotool windowfocus --sync "$window" 2>/dev/null || true
  xdotool key --clearmodifiers Return
fi
for _ in $(seq 1 50); do
  if ! kill -0 "$pid" 2>/dev/null; then
    wait "$pid"
    status=$?
    answer="$(tr '\n' ' ' <"$out" | sed 's/ $//')"
    echo "exit status $status, answer $answer"
    expected="OK"
    [ "$mode" = "yesno" ] && expected="Yes"
    [ "$mode" = "sigterm" ] && expected="Cancelled closed"
    [ "$status" -eq 0 ] && [ "$answer" = "$expected" ]
    exit $?
  fi
  sleep 0.1
done
echo "the probe was still running five seconds after the key or signal" >&2
kill -9 "$pid"
exit 1
