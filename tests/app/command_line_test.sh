#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The program's command line with no display: --version and --help answer on
# standard output with status 0; a plain start, or a display that names no
# server, says so in one line on standard error and exits with status 1.
#   command_line_test.sh <calcora> <version>
set -u
program=$1 version=$2
failures=0
check() {  # name, expected status, expected output (stdout+stderr), command...
  local name=$1 status=$2 want=$3; shift 3
  local got rc
  got=$("$@" 2>&1); rc=$?
  if [[ $rc != "$status" || $got != "$want" ]]; then
    echo "FAIL $name: status $rc, output: $got" >&2
    failures=$((failures + 1))
  fi
}
bare=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM)
check version 0 "calcora $version" "${bare[@]}" "$program" --version
check help 0 "Usage: calcora [--help | --version]  (a calculator window; see man calcora)" \
  "${bare[@]}" "$program" --help
check no-display 1 "calcora: no display to show the window on (DISPLAY and WAYLAND_DISPLAY are not set)" \
  "${bare[@]}" "$program"
check unreachable-display 1 "calcora: the display could not be opened (:99999)" \
  "${bare[@]}" DISPLAY=:99999 "$program"
exit $((failures > 0))
