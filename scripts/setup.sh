#!/usr/bin/env bash
# Installs whatever is missing (Debian packages), builds Calcora, then
#   run   starts the calculator,
#   test  runs every test through ctest,
#   bench runs the benchmark suite.
# A second run skips what is already installed and built.
set -euo pipefail

mode=${1:-run}
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${CALCORA_BUILD_DIR:-$root/build}

packages=(cmake ninja-build g++ qt6-base-dev libgtest-dev libgmock-dev libbenchmark-dev
          libgmp-dev libmpfr-dev xvfb xauth fonts-dejavu-core fonts-dejavu-extra
          fonts-liberation imagemagick x11-utils)
missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" \
    || missing+=("$package")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}"
fi

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build"

case "$mode" in
  run)
    if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
      echo "No display to show the window on (DISPLAY is not set)." >&2
      echo "Start it from a desktop session, or under Xvfb: xvfb-run -a $build/app/calcora" >&2
      exit 1
    fi
    exec "$build/app/calcora"
    ;;
  test)
    ctest --test-dir "$build" --output-on-failure -j "$(nproc)"
    ;;
  bench)
    exec "$build/bench/calcora_bench" "${@:2}"
    ;;
  *)
    echo "usage: $0 run|test|bench" >&2
    exit 2
    ;;
esac
