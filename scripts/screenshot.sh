#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Photographs the calculator as a user sees it: starts the built program on a
# virtual X display, waits for its window, multiplies two 30-digit numbers and
# adds the product to the memory as a user would, at the keyboard (the
# picture the software-centre metadata shows), saves the window as a PNG and
# closes the program. Builds nothing itself.
#   scripts/screenshot.sh [program] [picture]
# program defaults to build/app/calcora, picture to docs/screenshot.png.
# Needs xvfb-run (package xvfb), ImageMagick's import (package imagemagick),
# xwininfo (x11-utils) and xdotool.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
program=$(realpath -m "${1:-$root/build/app/calcora}")
picture=$(realpath -m "${2:-$root/docs/screenshot.png}")

if [[ ! -x "$program" ]]; then
  echo "No program at $program: build it first (scripts/setup.sh builds it)." >&2
  exit 1
fi
for tool in xvfb-run import xwininfo xdotool; do
  if ! command -v "$tool" >/dev/null; then
    echo "$tool is missing: apt-get install xvfb imagemagick x11-utils xdotool" >&2
    exit 1
  fi
done
mkdir -p "$(dirname "$picture")"

# Runs on the virtual display: start, wait for the window to be mapped, type
# the example, photograph the screen and cut out the window.
# (A string, not a function: xvfb-run's sh would drop an exported function.)
photograph='
  program=$1 picture=$2 window="" geometry=""
  "$program" &
  pid=$!
  trap "kill $pid 2>/dev/null || true; wait $pid 2>/dev/null || true" EXIT
  for attempt in $(seq 1 100); do
    read -r window geometry < <(xwininfo -name Calcora 2>/dev/null |
      awk "/Window id:/ {id=\$4} /Absolute upper-left X/ {x=\$NF} /Absolute upper-left Y/ {y=\$NF}
           /Map State: IsViewable/ {m=1} /Width:/ {w=\$NF} /Height:/ {h=\$NF}
           END {if (m) printf \"%s %dx%d+%d+%d\n\", id, w, h, x, y}") || true
    [[ -n "$geometry" ]] && break
    kill -0 $pid 2>/dev/null || { echo "The program ended before its window showed." >&2; exit 1; }
    sleep 0.1
  done
  [[ -n "$geometry" ]] || { echo "No window named Calcora within 10 seconds." >&2; exit 1; }
  sleep 0.5  # let the first paint finish
  # With no window manager the window is not active until it takes the focus,
  # and Qt gives its shortcuts only to the active window.
  xdotool windowfocus --sync "$window"
  xdotool type --delay 5 123456789012345678901234567890
  xdotool key Tab
  xdotool type --delay 5 987654321098765432109876543210
  xdotool key ctrl+asterisk ctrl+m
  sleep 0.5
  import -window root -crop "$geometry" +repage "$picture"
'

xvfb-run -a -s "-screen 0 1024x768x24" bash -c "$photograph" _ "$program" "$picture"
echo "Saved $picture"
