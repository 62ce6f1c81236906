#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs whatever is missing (Debian packages), builds Calcora, then
#   run   starts the calculator,
#   test  runs every test through ctest (lintian on the Debian package and the
#         checkers of its metadata, menu entry and manual page among them),
#         then again in a second build under AddressSanitizer and
#         UndefinedBehaviorSanitizer (build-asan), then the engine and
#         fixed-decimal tests built for Windows and run under Wine
#         (build-windows), then runs each fuzz target for a few seconds
#         (scripts/fuzz.sh, build-fuzz),
#   bench runs the benchmark suite and prints the speed tables, the goals
#         and the growth with the size (a second argument sets the
#         repetitions, 5 unless given); fails when a goal is missed.
# A second run skips what is already installed and built.
set -euo pipefail

mode=${1:-run}
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${CALCORA_BUILD_DIR:-$root/build}

packages=(cmake ninja-build g++ qt6-base-dev libgtest-dev libgmock-dev libbenchmark-dev
          libgmp-dev libmpfr-dev xvfb xauth fonts-dejavu-core fonts-dejavu-extra
          fonts-liberation imagemagick x11-utils clang libclang-rt-14-dev llvm
          python3)
# python3 also brings libmpdec, the decimal arithmetic under its decimal
# module: the benchmarks' third reference (scripts/mpdec_reference.py).
if [[ $mode == test ]]; then
  # The Windows cross build: MinGW-w64, GoogleTest's sources, and Wine.
  packages+=(g++-mingw-w64-x86-64-posix googletest wine wine64)
  # The checkers of what the program ships: the Debian package (lintian, and
  # hardening-check from devscripts), its software-centre metadata, its menu
  # entry and its manual page.
  packages+=(dpkg-dev lintian appstream desktop-file-utils man-db devscripts)
fi
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
    # Each ctest run's summary ("100% tests passed, 0 tests failed out of N")
    # is kept to print one closing count for the whole command.
    summaries=$(mktemp)
    trap 'rm -f "$summaries"' EXIT
    ctest --test-dir "$build" --output-on-failure -j "$(nproc)" | tee -a "$summaries"

    # The same tests with the sanitizers: any report (a leak included) fails
    # the test that made it. Qt's own libraries are not instrumented and
    # leave nothing that LeakSanitizer reports, so no suppressions are needed.
    asan=${CALCORA_ASAN_BUILD_DIR:-$root/build-asan}
    # CALCORA_SANITIZE also keeps asserts and the standard library's bounds
    # checks on; -O1 keeps the run fast and the reports exact.
    cmake -S "$root" -B "$asan" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCALCORA_BUILD_BENCH=OFF \
      -DCALCORA_SANITIZE=ON -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g" >/dev/null
    cmake --build "$asan"
    ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1} UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1} \
      ctest --test-dir "$asan" --output-on-failure -j "$(nproc)" | tee -a "$summaries"

    # The engine and fixed-decimal tests built for 64-bit Windows by MinGW-w64
    # and run under Wine, so a Windows build is known to give the same digits.
    # The build also forces the portable 128-bit words (as compilers without
    # __int128 build the engine), the one build that checks them.
    windows=${CALCORA_WINDOWS_BUILD_DIR:-$root/build-windows}
    cmake -S "$root" -B "$windows" -G Ninja --toolchain "$root/cmake/mingw-w64.cmake" \
      -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCALCORA_BUILD_UI=OFF -DCALCORA_BUILD_BENCH=OFF \
      -DCALCORA_FORCE_PORTABLE_WIDE=ON -DCALCORA_GTEST_SOURCES=/usr/src/googletest >/dev/null
    cmake --build "$windows"
    # Wine keeps its own prefix in the build folder, made once without a
    # display; Mono and Gecko are turned off, so nothing asks to install them.
    (
      export WINEPREFIX=$windows/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
      [[ -f $WINEPREFIX/system.reg ]] || wineboot --init >/dev/null 2>&1
      ctest --test-dir "$windows" --output-on-failure -j "$(nproc)" | tee -a "$summaries"
      wineserver --wait
    )

    # A short fuzz pass, about a minute in all; scripts/fuzz.sh runs longer ones.
    bash "$root/scripts/fuzz.sh" "${CALCORA_FUZZ_SECONDS:-6}"

    total=$(awk '/tests failed out of/ { sum += $NF } END { print sum + 0 }' "$summaries")
    echo "tests: ${total} passed, 0 failed"
    ;;
  bench)
    # The engine beside GMP, MPFR and libmpdec, text in to text out, as two tables.
    python3 "$root/scripts/bench_table.py" "$build/bench/calcora_bench" "${2:-5}"
    ;;
  *)
    echo "usage: $0 run|test|bench" >&2
    exit 2
    ;;
esac
