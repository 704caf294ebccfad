#!/usr/bin/env bash
# Opens Shut The Box from the front screen, throws with the space bar, makes the game faster,
# quits with the quit control, ends the program with SIGTERM and checks the saved preferences.
set -u
here="$(cd "$(dirname "$0")" && pwd)"
source "$here/xvfb.sh"
start_xvfb || exit 1
work="$(mktemp -d)"
trap 'rm -rf "$work"; kill "$XVFB_PID" 2>/dev/null' EXIT
cd "$work"

write_zero_preferences 283 50  # StbDelay
start_dakto "$1" || exit 1
click_at 100 350  # the Shut The Box picture
xdotool windowfocus --sync "$WINDOW" 2>/dev/null
xdotool key space  # throw
sleep 0.5
click_at 100 370  # faster: 50 becomes 40
click_at 60 370   # quit to the front screen
stop_dakto || exit 1
delay=$(od -An -td4 -j283 -N4 dakto.prf | tr -d ' ')
tip=$(od -An -td4 -j277 -N4 dakto.prf | tr -d ' ')
echo "saved StbDelay $delay, TipIndex $tip"
[ "$delay" = "40" ] && [ "$tip" = "1" ]
