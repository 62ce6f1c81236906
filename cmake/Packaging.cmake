# SPDX-License-Identifier: MIT
# Packaging: `cpack -G DEB` in a build directory turns what `cmake --install`
# puts in place (app/CMakeLists.txt) into a Debian package that pulls
# in everything the window needs on a fresh Debian 12 system.

set(CALCORA_PACKAGE_MAINTAINER "Calcora maintainers <maintainers@calcora.invalid>"
    CACHE STRING "Maintainer named in the Debian package")

set(CPACK_PACKAGE_NAME calcora)
set(CPACK_PACKAGE_VENDOR "Calcora")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "${CALCORA_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "calculator for decimal numbers thousands of digits long")
set(CPACK_PACKAGE_DESCRIPTION
"Calcora is a desktop calculator for decimal numbers far longer than a machine
number holds: paste a 400-digit number, press a button, copy the exact answer.
In Very High Precision mode addition, subtraction, multiplication and
factorials up to 1000! are exact; division and 1/x give 30 to 500 significant
figures, truncated; square roots give up to 100 figures. High Precision mode
works with a 29-digit fixed decimal type.")
set(CPACK_VERBATIM_VARIABLES TRUE)
set(CPACK_STRIP_FILES TRUE)
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/PackageFolders.cmake
                             ${CMAKE_CURRENT_LIST_DIR}/PackageSections.cmake)
set(CPACK_CALCORA_OBJCOPY ${CMAKE_OBJCOPY})
set(CPACK_GENERATOR DEB)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)  # calcora_<version>_<arch>.deb
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CALCORA_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)

# The program links the Qt libraries; Qt loads two more things only at run
# time. The X platform plugin, libqxcb.so, ships in Debian 12's libqt6gui6
# together with the xcb libraries it needs (qt6-qpa-plugins holds only the VNC
# and touch plugins), so the linked libraries bring it. The font does not
# follow from any library: the window asks for "MS Sans Serif" and substitutes
# Liberation Sans Narrow, which keeps every caption inside its designed size.
set(calcora_runtime_depends fonts-liberation)

# dpkg-shlibdeps (package dpkg-dev) reads the libraries the binary really
# links and the minimum versions it needs; without it the Qt libraries are
# named by hand, at the version the program is built against.
find_program(CALCORA_DPKG_SHLIBDEPS dpkg-shlibdeps)
if(CALCORA_DPKG_SHLIBDEPS)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
else()
  message(STATUS "dpkg-shlibdeps not found (package dpkg-dev): "
                 "the Debian package names its Qt libraries by hand")
  find_package(Qt6 QUIET COMPONENTS Core)
  set(calcora_qt_floor "${Qt6_VERSION_MAJOR}.${Qt6_VERSION_MINOR}")
  if(NOT Qt6_FOUND)
    set(calcora_qt_floor 6)
  endif()
  list(PREPEND calcora_runtime_depends
       "libqt6widgets6 (>= ${calcora_qt_floor})" "libqt6gui6 (>= ${calcora_qt_floor})"
       "libqt6core6 (>= ${calcora_qt_floor})" libstdc++6 libc6)
endif()
list(JOIN calcora_runtime_depends ", " CPACK_DEBIAN_PACKAGE_DEPENDS)

include(CPack)
