#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the Debian package, holds it to lintian and its metadata, menu entry
# and manual page to their checkers (scripts/package_lint.sh), installs it the
# way a user would (apt-get install ./calcora_*.deb), checks that `man calcora`
# finds the page, and proves that the installed program
# starts: once as `calcora` from the shell, once from the menu entry's Exec
# line in a bare environment. Each start runs on a virtual X display, is
# photographed, and is closed through its window (as the close button does),
# so the program must end by itself with status 0. Afterwards the package is
# removed again unless it was installed before or --keep is given.
#   scripts/package_check.sh [--keep]
# Run as root on Debian 12. Missing build and check tools are installed first.
# Environment: CALCORA_PACKAGE_BUILD_DIR (default build-package),
# CALCORA_JOBS (parallel compile jobs, default 2).
set -euo pipefail

keep=false
case "${1:-}" in
  --keep) keep=true ;;
  "") ;;
  *) echo "usage: $0 [--keep]" >&2; exit 2 ;;
esac

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${CALCORA_PACKAGE_BUILD_DIR:-$root/build-package}
shots=$build/package_check
lint=$root/scripts/package_lint.sh
app_id=org.calcora.Calcora
desktop_file=/usr/share/applications/$app_id.desktop
metainfo_file=/usr/share/metainfo/$app_id.metainfo.xml
icon_sizes=(16 32 48 64 128 256)

fail() { echo "FAILED: $*" >&2; exit 1; }
step() { echo; echo "== $*"; }

if ((EUID != 0)); then
  fail "run as root: the check installs the package with apt-get"
fi

# Tools to build the package (dpkg-dev brings dpkg-shlibdeps, which reads the
# libraries the binary links), to check it, and to look at the installed program.
tools=(cmake ninja-build g++ qt6-base-dev dpkg-dev lintian appstream desktop-file-utils man-db
       xvfb xauth imagemagick x11-utils python3)
missing=()
for package in "${tools[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" \
    || missing+=("$package")
done
if ((${#missing[@]})); then
  step "Installing the tools: ${missing[*]}"
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}"
fi

step "Building the package in $build"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCALCORA_BUILD_TESTS=OFF -DCALCORA_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" -j "${CALCORA_JOBS:-2}"
rm -f "$build"/calcora_*.deb
(cd "$build" && cpack -G DEB) >/dev/null
debs=("$build"/calcora_*.deb)
[[ -f "${debs[0]}" && ${#debs[@]} -eq 1 ]] || fail "cpack made no single calcora_*.deb"
deb=${debs[0]}
echo "Package:  $(basename "$deb")"
echo "Version:  $(dpkg-deb -f "$deb" Version)"
echo "Depends:  $(dpkg-deb -f "$deb" Depends)"

step "Checking the package"
bash "$lint" deb "$deb" || fail "the package does not pass its checkers"

step "Installing it"
installed_before=false
dpkg-query -W -f='${Status}' calcora 2>/dev/null | grep -q "install ok installed" \
  && installed_before=true
remove_again() {
  if [[ $keep == false && $installed_before == false ]]; then
    echo; echo "== Removing the package again"
    DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq calcora >/dev/null || true
  fi
}
trap remove_again EXIT
# A fresh machine may not know the dependencies' versions yet: update and retry.
apt_install() { DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --reinstall "$deb"; }
apt_install >/dev/null || { apt-get update -qq && apt_install >/dev/null; }
[[ $(dpkg-query -W -f='${Version}' calcora) == "$(dpkg-deb -f "$deb" Version)" ]] \
  || fail "dpkg does not list calcora at the package's version"

step "Checking the installed files"
[[ -x /usr/bin/calcora ]] || fail "/usr/bin/calcora missing"
[[ -f $desktop_file ]] || fail "$desktop_file missing"
[[ -f $metainfo_file ]] || fail "$metainfo_file missing"
for size in "${icon_sizes[@]}"; do
  icon=/usr/share/icons/hicolor/${size}x${size}/apps/$app_id.png
  [[ -f $icon ]] || fail "$icon missing"
  [[ $(identify -format '%wx%h' "$icon") == "${size}x${size}" ]] || fail "$icon is not ${size}x${size}"
done
echo "Program, menu entry, metadata and icons at ${icon_sizes[*]} px are in place."
# A minimal container may tell dpkg to leave manual pages out.
if grep -rqsE '^path-exclude[= ]/usr/share/man' /etc/dpkg/dpkg.cfg.d; then
  fail "dpkg is set to leave out manual pages (/etc/dpkg/dpkg.cfg.d): man calcora cannot work here"
fi
page=$(man -w calcora) || fail "man calcora finds no page"
[[ $page == /usr/share/man/man1/calcora.1.gz ]] || fail "man calcora finds $page, not the package's page"
echo "man calcora shows: $(man calcora 2>/dev/null | awk 'shown == 1 {sub(/^ +/, ""); print; shown = 2} /^NAME/ {shown = 1}')"
# Every library the program and the X platform plugin load must be present.
# On Debian 12 the plugin ships in libqt6gui6, one of the linked libraries.
xcb_owner=$(dpkg -S '*/platforms/libqxcb.so' 2>/dev/null | head -n 1 || true)
[[ -n $xcb_owner ]] || fail "no installed package holds Qt's xcb platform plugin"
xcb_plugin=${xcb_owner#*: }
for binary in /usr/bin/calcora "$xcb_plugin"; do
  if ldd "$binary" | grep 'not found'; then fail "$binary misses libraries"; fi
done
echo "No library missing for calcora or $xcb_plugin (from ${xcb_owner%%: *})."
if command -v fc-list >/dev/null; then
  families=$(fc-list : family)  # whole, so that grep -q cannot cut the pipe short
  grep -q 'Liberation Sans Narrow' <<<"$families" || fail "Liberation Sans Narrow is not installed"
  echo "Liberation Sans Narrow, the window's stand-in font, is installed."
fi

# The Exec line of the [Desktop Entry] group, with the field codes (%f, %U,
# ...) that a launcher would replace by files dropped on the icon removed.
exec_line=$(awk -F= '/^\[/ {group=$0} group=="[Desktop Entry]" && $1=="Exec" {sub(/^Exec=/, ""); print; exit}' \
  "$desktop_file" | sed -E 's/ ?%[fFuUdDnNickvm]//g')
[[ -n $exec_line ]] || fail "the menu entry has no Exec line"

# Sends the window the close request a window manager sends for its close
# button (WM_DELETE_WINDOW); the virtual display runs no window manager.
close_window='
import ctypes, sys
x11 = ctypes.cdll.LoadLibrary("libX11.so.6")
x11.XOpenDisplay.restype = ctypes.c_void_p
x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
x11.XInternAtom.restype = ctypes.c_ulong
x11.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
class ClientMessage(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("window", ctypes.c_ulong),
                ("message_type", ctypes.c_ulong), ("format", ctypes.c_int),
                ("data", ctypes.c_long * 5)]
class Event(ctypes.Union):
    _fields_ = [("xclient", ClientMessage), ("pad", ctypes.c_long * 24)]
x11.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long,
                           ctypes.POINTER(Event)]
x11.XFlush.argtypes = [ctypes.c_void_p]
x11.XCloseDisplay.argtypes = [ctypes.c_void_p]
display = x11.XOpenDisplay(None)
if not display:
    sys.exit("cannot open the display")
window = int(sys.argv[1], 0)
event = Event()
event.xclient.type = 33  # ClientMessage
event.xclient.window = window
event.xclient.message_type = x11.XInternAtom(display, b"WM_PROTOCOLS", 0)
event.xclient.format = 32
event.xclient.data[0] = x11.XInternAtom(display, b"WM_DELETE_WINDOW", 0)
x11.XSendEvent(display, window, 0, 0, ctypes.byref(event))
x11.XFlush(display)
x11.XCloseDisplay(display)
'

# Runs on the virtual display: start the command line in a bare environment,
# wait for the window, photograph it, check its class against the menu
# entry, close it and wait for the program to end.
# (A string, not a function: xvfb-run's sh would drop an exported function.)
# shellcheck disable=SC2016  # expanded by the inner bash, not here
start_and_close='
  command_line=$1 picture=$2 close_window=$3 wm_class=$4
  env -i DISPLAY="$DISPLAY" XAUTHORITY="${XAUTHORITY:-}" HOME="${HOME:-/root}" \
      PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
      sh -c "exec $command_line" &
  pid=$!
  trap "kill $pid 2>/dev/null || true" EXIT
  window="" geometry=""
  for attempt in $(seq 1 100); do
    info=$(xwininfo -name Calcora 2>/dev/null || true)
    if grep -q "Map State: IsViewable" <<<"$info"; then
      window=$(awk "/Window id:/ {print \$4; exit}" <<<"$info")
      geometry=$(awk "/Absolute upper-left X/ {x=\$NF} /Absolute upper-left Y/ {y=\$NF}
        /Width:/ {w=\$NF} /Height:/ {h=\$NF} END {printf \"%dx%d+%d+%d\", w, h, x, y}" <<<"$info")
      break
    fi
    kill -0 $pid 2>/dev/null || { echo "the program ended before its window showed" >&2; exit 1; }
    sleep 0.1
  done
  [[ -n $window ]] || { echo "no window named Calcora within 10 seconds" >&2; exit 1; }
  echo "Window $window, $geometry, after about $((attempt / 10)).$((attempt % 10)) s."
  sleep 0.5  # let the first paint finish
  import -window root -crop "$geometry" +repage "$picture"
  class=$(xprop -id "$window" WM_CLASS | sed -E "s/.*= //")
  echo "WM_CLASS $class"
  [[ $class == *"\"$wm_class\"" ]] || { echo "window class is not $wm_class" >&2; exit 1; }
  python3 -c "$close_window" "$window"
  for attempt in $(seq 1 50); do
    kill -0 $pid 2>/dev/null || break
    sleep 0.1
  done
  if kill -0 $pid 2>/dev/null; then
    echo "the program did not end when its window was closed" >&2
    exit 1
  fi
  status=0
  wait $pid || status=$?
  trap - EXIT
  ((status == 0)) || { echo "the program ended with status $status" >&2; exit 1; }
  echo "Closed through its window; the program ended with status 0."
'

wm_class=$(awk -F= '$1=="StartupWMClass" {print $2; exit}' "$desktop_file")
mkdir -p "$shots"
run_on_virtual_display() {  # command line, picture
  xvfb-run -a -s "-screen 0 1024x768x24" \
    bash -c "$start_and_close" _ "$1" "$2" "$close_window" "${wm_class:-calcora}"
}
# The window's own background colour, red 192, green 192, blue 255, covers
# most of a painted window; a blank or black picture has none of it.
check_picture() {
  local share
  share=$(convert "$1" -fill black +opaque '#C0C0FF' -fill white -opaque '#C0C0FF' \
    -format '%[fx:round(100*mean)]' info:)
  echo "Picture $1: $(identify -format '%wx%h' "$1"), ${share}% window background."
  ((share >= 30)) || fail "the picture does not show the painted window"
}

step "Starting calcora from the shell under Xvfb"
[[ $(command -v calcora) == /usr/bin/calcora ]] || fail "calcora on PATH is $(command -v calcora), not /usr/bin/calcora"
run_on_virtual_display calcora "$shots/calcora.png" || fail "calcora did not start and close cleanly"
check_picture "$shots/calcora.png"

step "Starting the menu entry's command line ($exec_line) under Xvfb"
run_on_virtual_display "$exec_line" "$shots/menu_entry.png" || fail "the menu entry's command did not start and close cleanly"
check_picture "$shots/menu_entry.png"

step "Success: $(basename "$deb") installs, starts from the shell and from its menu entry, and closes cleanly."
echo "Screenshots: $shots/calcora.png $shots/menu_entry.png"
