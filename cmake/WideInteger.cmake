# SPDX-License-Identifier: MIT
# The engine's word loops use a 128-bit unsigned integer where the compiler
# has one (g++ and clang on 64-bit systems) and a portable two-word type of
# the same behaviour where it has not (MSVC): engine/wide_word.h. The choice
# is made here, once, and handed to the code as CALCORA_HAVE_INT128.
#
# CALCORA_FORCE_PORTABLE_WIDE takes the portable type even where the compiler
# has __int128, so that a build here checks the path other compilers take;
# the test command runs the engine and fixed-decimal tests in such a build.

include(CheckCXXSourceCompiles)

option(CALCORA_FORCE_PORTABLE_WIDE
       "Use the portable 128-bit type even where the compiler has __int128" OFF)

check_cxx_source_compiles([[
  unsigned __int128 square(unsigned long long x) { return static_cast<unsigned __int128>(x) * x; }
  int main() { return static_cast<int>(square(1ULL << 40) >> 80) - 1; }
]] CALCORA_COMPILER_HAS_INT128)

if(CALCORA_COMPILER_HAS_INT128 AND NOT CALCORA_FORCE_PORTABLE_WIDE)
  set(CALCORA_HAVE_INT128 1)
else()
  set(CALCORA_HAVE_INT128 0)
endif()
message(STATUS "128-bit words: ${CALCORA_HAVE_INT128} (1: the compiler's __int128, 0: portable)")
