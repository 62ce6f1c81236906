// SPDX-License-Identifier: MIT
#pragma once
// The program's own command line: --version and --help, answered without a
// display; every other argument is left to Qt (-platform and the like).

#include <optional>

namespace calcora {

// For `calcora --version` or `calcora --help` alone: prints the version or
// the usage line on standard output and gives the exit status (0). Nothing
// for any other command line.
[[nodiscard]] std::optional<int> answerOwnOptions(int argc, const char* const argv[]);

// False when the window has nowhere to go: no X display, no Wayland display
// and no platform chosen for Qt (QT_QPA_PLATFORM or -platform).
[[nodiscard]] bool displayNamed(int argc, const char* const argv[]);

// The one line a start without a display prints.
inline constexpr const char* kNoDisplayLine =
    "calcora: no display to show the window on (DISPLAY and WAYLAND_DISPLAY are not set)";

}  // namespace calcora
