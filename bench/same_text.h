// SPDX-License-Identifier: MIT
#pragma once
// A reference figure means something only when the reference wrote the text
// the engine writes: each reference benchmark compares the two once, before
// its timed loop, and reports an error instead of a time when they differ.

#include <benchmark/benchmark.h>

#include <string>

namespace calcora::bench {

// True when `reference` equals `ours`; otherwise the benchmark is marked as
// failed (the table leaves it out) and false is returned.
inline bool sameText(benchmark::State& state, const std::string& ours, const std::string& reference) {
    if (ours == reference) return true;
    std::size_t at = 0;
    while (at < ours.size() && at < reference.size() && ours[at] == reference[at]) ++at;
    const std::size_t from = at < 20 ? 0 : at - 20;
    state.SkipWithError(("the reference's text differs from the engine's at character " + std::to_string(at) + " of " +
                         std::to_string(ours.size()) + ": \"" + reference.substr(from, 40) + "\" against \"" +
                         ours.substr(from, 40) + "\"")
                            .c_str());
    return false;
}

}  // namespace calcora::bench
