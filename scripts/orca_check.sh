#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Checks with a real screen reader that a command's result is spoken without
# the focus moving: starts a virtual X display, a window manager, a D-Bus
# session with the accessibility bus, Orca with its debug log and the built
# program; types two numbers and presses Ctrl++ (twice), then 1000 and
# Ctrl+! (a result of 2,568 digits), then a letter and Ctrl++ (an error
# text), and looks for each announcement in what Orca spoke. Exits 0 when
# Orca spoke all four, 1 otherwise. Builds nothing itself.
#   scripts/orca_check.sh [program] [log]
# program defaults to build/app/calcora; log, where Orca's debug log is kept,
# to a temporary file that is removed afterwards.
# Needs Xvfb (package xvfb), openbox, dbus-launch (dbus-x11), the
# accessibility bus (at-spi2-core), orca, xdotool and script (util-linux).
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
program=$(realpath -m "${1:-$root/build/app/calcora}")
bus_launcher=/usr/libexec/at-spi-bus-launcher

if [[ ! -x "$program" ]]; then
  echo "No program at $program: build it first (scripts/setup.sh builds it)." >&2
  exit 1
fi
for tool in Xvfb openbox dbus-launch orca xdotool script "$bus_launcher"; do
  if ! command -v "$tool" >/dev/null; then
    echo "$tool is missing: apt-get install xvfb openbox dbus-x11 at-spi2-core orca xdotool" >&2
    exit 1
  fi
done

work=$(mktemp -d)
log=$(realpath -m "${2:-$work/orca.log}")
pids=()
cleanup() {
  # Last started, first ended; each by its own id.
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill "${pids[i]}" 2>/dev/null || true; done
  for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null || true; done
  [[ -n "${DBUS_SESSION_BUS_PID:-}" ]] && kill "$DBUS_SESSION_BUS_PID" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

# Orca's settings and the session's files stay in the temporary folder.
export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_DATA_HOME=$work/home/.local/share
export XDG_CACHE_HOME=$work/home/.cache XDG_RUNTIME_DIR=$work/runtime
mkdir -p "$HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"

Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.err" &
pids+=($!)
for _ in $(seq 1 100); do [[ -s "$work/display" ]] && break; sleep 0.1; done
[[ -s "$work/display" ]] || { echo "Xvfb did not start:" >&2; cat "$work/xvfb.err" >&2; exit 1; }
export DISPLAY=:$(<"$work/display")

eval "$(dbus-launch --sh-syntax)"
"$bus_launcher" --launch-immediately >"$work/bus.log" 2>&1 &
pids+=($!)
openbox >"$work/openbox.log" 2>&1 &
pids+=($!)

# Waits up to $2 tenths of a second for the log to hold the pattern $1 past
# line $3; prints the matching line.
await() {
  for _ in $(seq 1 "$2"); do
    if line=$(tail -n +"$(($3 + 1))" "$log" 2>/dev/null | grep -m1 -F -- "$1"); then
      echo "$line"
      return 0
    fi
    sleep 0.1
  done
  return 1
}
lines() { wc -l <"$log"; }

: >"$log"
# Orca writes its debug log through Python's file buffer, which a terminal
# makes line by line: it writes to the terminal script(1) gives it, and
# script copies each line to the log at once.
script --quiet --flush --command "orca --replace --debug-file=/dev/tty" "$log" >/dev/null 2>&1 </dev/null &
pids+=($!)
if ! await "SPEECH OUTPUT: 'Screen reader on." 300 0 >/dev/null; then
  echo "Orca did not start:" >&2
  tail -n 20 "$log" >&2
  exit 1
fi

"$program" >"$work/program.log" 2>&1 &
pids+=($!)
window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Calcora$' | head -n 1) || true
[[ -n "$window" ]] || { echo "No window named Calcora within 20 seconds." >&2; exit 1; }
xdotool windowactivate --sync "$window"
await "Calcora frame" 100 0 >/dev/null || { echo "Orca did not present the window as a frame." >&2; exit 1; }

# Presses the key $1 and waits for Orca to speak the notification $2.
failed=0
hear() {
  local from line
  from=$(lines)
  xdotool key "$1"
  if line=$(await "SPEECH OUTPUT: 'notification $2" 100 "$from"); then
    echo "spoken: ${line#*SPEECH OUTPUT: }"
  else
    echo "not spoken: notification $2; Orca said:" >&2
    tail -n +"$((from + 1))" "$log" | grep "SPEECH OUTPUT" >&2 || true
    failed=1
  fi
}

# One command as a user gives it: Esc empties the boxes and puts the focus in
# the first number; the keys are typed at a person's pace (a shortcut acts at
# once, while typed keys first make a round trip to the screen reader).
check() {
  xdotool key Escape
  sleep 0.3
  xdotool type --delay 60 "$1"
  if [[ -n "$2" ]]; then
    xdotool key Tab
    xdotool type --delay 60 "$2"
  fi
  sleep 0.5
  hear "$3" "$4"
}

check 123456789 987654321 ctrl+plus "1111111110"
hear ctrl+plus "1111111110"  # the same result again is spoken again
check 1000 "" ctrl+exclam "4023872600… 2,568 digits"
check x 1 ctrl+plus "Error - numeric input required"

if ((failed)); then
  echo "Orca did not speak every result." >&2
  exit 1
fi
echo "Orca spoke every result."
