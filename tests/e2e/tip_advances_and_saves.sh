#!/usr/bin/env bash
# Starts the program on a prepared dakto.prf, clicks "next tip" twice, ends it with SIGTERM and
# expects the saved TipIndex to have advanced by three (one at start, two by clicks).
set -u
here="$(cd "$(dirname "$0")" && pwd)"
source "$here/xvfb.sh"
start_xvfb || exit 1
work="$(mktemp -d)"
trap 'rm -rf "$work"; kill "$XVFB_PID" 2>/dev/null' EXIT
cd "$work"

write_zero_preferences 277 5  # TipIndex
start_dakto "$1" || exit 1
click_at 545 410 0.3  # next tip: x 501..590, y 401..420
click_at 545 410 0.3
stop_dakto || exit 1
tip=$(od -An -tu4 -j277 -N4 dakto.prf | tr -d ' ')
size=$(stat -c %s dakto.prf)
echo "saved TipIndex $tip in a file of $size bytes"
[ "$tip" = "8" ] && [ "$size" = "1036" ]
