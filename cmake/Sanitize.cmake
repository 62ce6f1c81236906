# SPDX-License-Identifier: MIT
# CALCORA_SANITIZE builds everything under AddressSanitizer and
# UndefinedBehaviorSanitizer, with asserts and the standard library's bounds
# checks on, whatever the build type. The test command's second build and the
# fuzz build (scripts/fuzz.sh) both turn it on; the optimisation level stays
# the build type's.

option(CALCORA_SANITIZE
       "Build under AddressSanitizer and UndefinedBehaviorSanitizer, asserts on" OFF)

if(CALCORA_SANITIZE)
  set(calcora_sanitizers -fsanitize=address,undefined -fno-sanitize-recover=undefined)
  # -UNDEBUG after the build type's -DNDEBUG: asserts stay in.
  add_compile_options(${calcora_sanitizers} -fno-omit-frame-pointer -UNDEBUG
                      -D_GLIBCXX_ASSERTIONS)
  add_link_options(${calcora_sanitizers})
endif()

# The fuzz build instruments every library for libFuzzer's coverage feedback,
# so that the fuzz targets see into the code they link (fuzz/CMakeLists.txt).
if(CALCORA_BUILD_FUZZ AND CMAKE_CXX_COMPILER_ID MATCHES "Clang")
  add_compile_options(-fsanitize=fuzzer-no-link)
endif()
