#!/usr/bin/env bash
# Starts the program, finds its window "Dakto", sends SIGTERM and expects exit status 0
# within two seconds.
set -u
program="$1"
here="$(cd "$(dirname "$0")" && pwd)"
source "$here/xvfb.sh"
start_xvfb || exit 1
work="$(mktemp -d)"
trap 'rm -rf "$work"; kill "$XVFB_PID" 2>/dev/null' EXIT
cd "$work"
SDL_AUDIODRIVER=dummy "$program" &
pid=$!
if ! timeout 20 xdotool search --sync --name '^Dakto$' >/dev/null; then
  echo "no window named Dakto appeared" >&2
  kill -9 "$pid" 2>/dev/null
  exit 1
fi
kill -TERM "$pid"
for _ in $(seq 1 20); do
  if ! kill -0 "$pid" 2>/dev/null; then
    wait "$pid"
    status=$?
    echo "exit status $status"
    exit "$status"
  fi
  sleep 0.1
done
echo "still running two seconds after SIGTERM" >&2
kill -9 "$pid"
exit 1
