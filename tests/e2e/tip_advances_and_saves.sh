#!/usr/bin/env bash
# Starts the program on a prepared dakto.prf, clicks "next tip" twice, ends it with SIGTERM and
# expects the saved TipIndex to have advanced by three (one at start, two by clicks).
set -u
program="$1"
here="$(cd "$(dirname "$0")" && pwd)"
source "$here/xvfb.sh"
start_xvfb || exit 1
work="$(mktemp -d)"
trap 'rm -rf "$work"; kill "$XVFB_PID" 2>/dev/null' EXIT
cd "$work"

# A valid block of zeros (no names, no music) with TipIndex 5 at offset 277.
head -c 1036 /dev/zero > dakto.prf
printf '\x05\x00\x00\x00' | dd of=dakto.prf bs=1 seek=277 conv=notrunc status=none

SDL_AUDIODRIVER=dummy "$program" &
pid=$!
window=$(timeout 20 xdotool search --sync --name '^Dakto$' | head -1)
if [ -z "$window" ]; then
  echo "no window named Dakto appeared" >&2
  kill -9 "$pid"
  exit 1
fi
sleep 0.5
eval "$(xdotool getwindowgeometry --shell "$window")"
# The play area is centred in the client area; the next-tip spot is at x 501..590, y 401..420.
x=$(( X + (WIDTH - 632) / 2 + 545 ))
y=$(( Y + (HEIGHT - 428) / 2 + 410 ))
for _ in 1 2; do
  xdotool mousemove "$x" "$y" click 1
  sleep 0.3
done
kill -TERM "$pid"
wait "$pid"
status=$?
[ "$status" -eq 0 ] || { echo "exit status $status" >&2; exit 1; }
tip=$(od -An -tu4 -j277 -N4 dakto.prf | tr -d ' ')
size=$(stat -c %s dakto.prf)
echo "saved TipIndex $tip in a file of $size bytes"
[ "$tip" = "8" ] && [ "$size" = "1036" ]
