# SPDX-License-Identifier: MIT
# Debian's hardening for everything built here: stack protector, fortified
# libc calls, format checks, RELRO with immediate binding, and
# position-independent executables. The flags are dpkg-buildflags' own
# (with DEB_BUILD_MAINT_OPTIONS=hardening=+all) where it is installed, less
# the optimisation and debugging flags that the build type sets; elsewhere
# the same list written out. Stack clash and control-flow protection are added
# where the compiler has them. Sanitizer and cross builds keep their own flags.

option(CALCORA_HARDEN "Build with the distribution's hardening flags" ON)

if(CALCORA_HARDEN AND NOT CALCORA_SANITIZE AND NOT CMAKE_CROSSCOMPILING AND NOT MSVC)
  include(CheckPIESupported)
  check_pie_supported()
  set(CMAKE_POSITION_INDEPENDENT_CODE ON)

  find_program(CALCORA_DPKG_BUILDFLAGS dpkg-buildflags)
  set(calcora_hardening_compile)
  set(calcora_hardening_link)
  if(CALCORA_DPKG_BUILDFLAGS)
    foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
      execute_process(
        COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
                ${CALCORA_DPKG_BUILDFLAGS} --get ${kind}
        OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE)
      separate_arguments(flags UNIX_COMMAND "${flags}")
      # The build type chooses -O and -g; a prefix map of the folder cmake
      # ran in would name the wrong folder.
      list(FILTER flags EXCLUDE REGEX "^-(O|g|ffile-prefix-map|fdebug-prefix-map)")
      if(kind STREQUAL LDFLAGS)
        list(APPEND calcora_hardening_link ${flags})
      else()
        list(APPEND calcora_hardening_compile ${flags})
      endif()
    endforeach()
  else()
    set(calcora_hardening_compile -Wdate-time -D_FORTIFY_SOURCE=2 -fstack-protector-strong
        -Wformat -Werror=format-security)
    set(calcora_hardening_link -Wl,-z,relro -Wl,-z,now)
  endif()
  # Newer distributions add these two to dpkg-buildflags' list, and
  # hardening-check looks for them already: stack clash protection, and
  # control-flow protection where the processor has it.
  include(CheckCXXCompilerFlag)
  foreach(flag -fstack-clash-protection -fcf-protection)
    string(MAKE_C_IDENTIFIER "CALCORA_HAS${flag}" supported)
    check_cxx_compiler_flag(${flag} ${supported})
    if(${supported} AND NOT flag IN_LIST calcora_hardening_compile)
      list(APPEND calcora_hardening_compile ${flag})
    endif()
  endforeach()
  # Fortified calls need the optimiser, which a Debug build does without.
  foreach(flag IN LISTS calcora_hardening_compile)
    if(flag MATCHES "^-D_FORTIFY_SOURCE")
      add_compile_options($<$<NOT:$<CONFIG:Debug>>:${flag}>)
    else()
      add_compile_options(${flag})
    endif()
  endforeach()
  add_link_options(${calcora_hardening_link})
  message(STATUS "Hardening: ${calcora_hardening_compile} ${calcora_hardening_link}")
endif()
