// SPDX-License-Identifier: MIT
#include "app/command_line.h"

#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace calcora {

namespace {

bool isSet(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0';
}

}  // namespace

std::optional<int> answerOwnOptions(int argc, const char* const argv[]) {
    if (argc != 2) return std::nullopt;
    const std::string_view option = argv[1];
    if (option == "--version") {
        std::printf("calcora %s\n", CALCORA_VERSION);
        return 0;
    }
    if (option == "--help") {
        std::printf("Usage: calcora [--help | --version]  (a calculator window; see man calcora)\n");
        return 0;
    }
    return std::nullopt;
}

bool displayNamed(int argc, const char* const argv[]) {
    if (isSet("DISPLAY") || isSet("WAYLAND_DISPLAY") || isSet("QT_QPA_PLATFORM")) return true;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "-platform" || argument == "--platform" || argument.starts_with("-platform=")) return true;
    }
    return false;
}

}  // namespace calcora
