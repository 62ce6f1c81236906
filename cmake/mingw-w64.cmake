# SPDX-License-Identifier: MIT
# Cross build for 64-bit Windows with Debian's MinGW-w64 compiler (package
# g++-mingw-w64-x86-64-posix); the tests run under Wine (packages wine,
# wine64). The test command uses it for the engine and fixed-decimal tests:
#   cmake -S . -B build-windows -G Ninja --toolchain cmake/mingw-w64.cmake \
#         -DCALCORA_BUILD_UI=OFF -DCALCORA_BUILD_BENCH=OFF \
#         -DCALCORA_FORCE_PORTABLE_WIDE=ON -DCALCORA_GTEST_SOURCES=/usr/src/googletest

set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

# The posix flavour: its C++ library has std::thread and std::mutex, which
# GoogleTest uses.
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The compiler's own libraries linked in, so that each program runs by itself
# under Wine, with no DLLs to copy beside it.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# ctest starts the test programs through Wine.
set(CMAKE_CROSSCOMPILING_EMULATOR wine)
