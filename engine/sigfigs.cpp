// SPDX-License-Identifier: MIT
// SigFigs: the count of significant figures of an unsigned number string.
#include "engine/engine.h"

#include <cstdint>
#include <string_view>

#include "engine/limits.h"

namespace calcora {

std::int16_t SigFigs(std::string_view NumStrIn) {
    limits::requireLength(NumStrIn, "SigFigs: length");
    // Leading zeros and points are not figures ("0.00123" → "123").
    const std::size_t first = NumStrIn.find_first_not_of("0.");
    if (first == std::string_view::npos) return 0;
    std::string_view figures = NumStrIn.substr(first);
    // Trailing zeros go up to the first other character, so a point stops
    // them: "100." keeps its zeros, "10.0" keeps "10.".
    figures = figures.substr(0, figures.find_last_not_of('0') + 1);
    const bool point = figures.find('.') != std::string_view::npos;
    return static_cast<std::int16_t>(figures.size() - (point ? 1 : 0));
}

}  // namespace calcora
