#!/usr/bin/env bash
# The real program with no audio device: the music switched on finds no device and says so, the
# player dismisses the box, opens Shut The Box and throws (every sound silent), and SIGTERM ends
# the program through its close path with everything saved, the music switch included.
set -u
program="$1"
assets="$2"
here="$(cd "$(dirname "$0")" && pwd)"
source "$here/../e2e/xvfb.sh"
start_xvfb || exit 1
work="$(mktemp -d)"
trap 'rm -rf "$work"; kill "$XVFB_PID" 2>/dev/null' EXIT
cd "$work"
cp "$assets"/*.wav .

# A valid block of zeros with the music on (offset 19), "orlo.mid" (20), TipIndex 5 (277) and
# the Shut The Box welcome to show (281): the saved 0 there shows the game was opened.
head -c 1036 /dev/zero > dakto.prf
printf '\x01' | dd of=dakto.prf bs=1 seek=281 conv=notrunc status=none
printf '\x01orlo.mid' | dd of=dakto.prf bs=1 seek=19 conv=notrunc status=none
printf '\x05\x00\x00\x00' | dd of=dakto.prf bs=1 seek=277 conv=notrunc status=none
printf 'MThd\x00\x00\x00\x06\x00\x00\x00\x01\x00\x60MTrk\x00\x00\x00\x04\x00\xff\x2f\x00' > orlo.mid

SDL_AUDIODRIVER=no-such-device "$program" &
pid=$!
window=$(timeout 20 xdotool search --sync --name '^Dakto$' | head -1)
if [ -z "$window" ]; then
  echo "no window named Dakto appeared" >&2
  kill -9 "$pid"
  exit 1
fi
# The box for the missing device is drawn in the window; Enter dismisses it.
sleep 1.5
xdotool windowfocus --sync "$window" 2>/dev/null || true
xdotool key --clearmodifiers Return
sleep 0.5
eval "$(xdotool getwindowgeometry --shell "$window")"
left=$(( X + (WIDTH - 632) / 2 ))
top=$(( Y + (HEIGHT - 428) / 2 ))
xdotool mousemove $(( left + 100 )) $(( top + 350 )) click 1   # Shut The Box, with its welcome
sleep 1
xdotool key --clearmodifiers Return
sleep 0.5
xdotool mousemove $(( left + 350 )) $(( top + 300 )) click 1   # the cup
sleep 2
kill -0 "$pid" 2>/dev/null || { echo "the program ended by itself" >&2; exit 1; }
kill -TERM "$pid"
wait "$pid"
status=$?
[ "$status" -eq 0 ] || { echo "exit status $status" >&2; exit 1; }
music=$(od -An -tu1 -j19 -N1 dakto.prf | tr -d ' ')
welcome=$(od -An -tu1 -j281 -N1 dakto.prf | tr -d ' ')
tip=$(od -An -tu4 -j277 -N4 dakto.prf | tr -d ' ')
size=$(stat -c %s dakto.prf)
echo "saved MusicOn $music, StbShowWelcome $welcome, TipIndex $tip, in a file of $size bytes"
[ "$music" = "1" ] && [ "$welcome" = "0" ] && [ "$tip" = "6" ] && [ "$size" = "1036" ]
