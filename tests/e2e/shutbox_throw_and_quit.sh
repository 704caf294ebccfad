#!/usr/bin/env bash
# Opens Shut The Box from the front screen, throws with the space bar, makes the game faster,
# quits with the quit control, ends the program with SIGTERM and checks the saved preferences.
set -u
program="$1"
here="$(cd "$(dirname "$0")" && pwd)"
source "$here/xvfb.sh"
start_xvfb || exit 1
work="$(mktemp -d)"
trap 'rm -rf "$work"; kill "$XVFB_PID" 2>/dev/null' EXIT
cd "$work"

# A valid block of zeros (no names, no music, no welcome) with StbDelay 50 at offset 283.
head -c 1036 /dev/zero > dakto.prf
printf '\x32\x00\x00\x00' | dd of=dakto.prf bs=1 seek=283 conv=notrunc status=none

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
ox=$(( X + (WIDTH - 632) / 2 ))
oy=$(( Y + (HEIGHT - 428) / 2 ))
click() { xdotool mousemove $(( ox + $1 )) $(( oy + $2 )) click 1; sleep 0.4; }

click 100 350                   # the Shut The Box picture
xdotool windowfocus --sync "$window" 2>/dev/null
xdotool key space; sleep 0.5    # throw
click 100 370                   # faster: 50 becomes 40
import -window root "$work/game.png" 2>/dev/null
click 60 370                    # quit to the front screen
kill -TERM "$pid"
wait "$pid"
status=$?
[ "$status" -eq 0 ] || { echo "exit status $status" >&2; exit 1; }
delay=$(od -An -td4 -j283 -N4 dakto.prf | tr -d ' ')
tip=$(od -An -td4 -j277 -N4 dakto.prf | tr -d ' ')
echo "saved StbDelay $delay, TipIndex $tip"
[ "$delay" = "40" ] && [ "$tip" = "1" ]
