#include "engine/numtext.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "engine/engine.h"

namespace calcora::numtext {

std::string_view cleanedView(std::string_view raw, std::string& store) {
    // Two memchr scans cost far less than the byte loop of the general removal.
    if (std::memchr(raw.data(), ',', raw.size()) == nullptr && std::memchr(raw.data(), ' ', raw.size()) == nullptr) {
        return raw;
    }
    store = RemoveCommasAndSpaces(raw);
    return store;
}

std::string cleaned(std::string_view text) {
    std::string store;
    return std::string(cleanedView(text, store));
}

bool takeSign(std::string& text) {
    if (text.empty() || text.front() != '-') return false;
    text.erase(0, 1);
    return true;
}

namespace {

constexpr std::uint64_t kEachByte = 0x0101010101010101ULL;

// Whether all eight bytes of w lie in "0".."9".
bool eightDigits(std::uint64_t w) {
    const std::uint64_t high = w & (0xF0 * kEachByte);
    const std::uint64_t highAfterSix = (w + 0x06 * kEachByte) & (0xF0 * kEachByte);
    return high == 0x30 * kEachByte && highAfterSix == 0x30 * kEachByte;
}

}  // namespace

bool isNumberString(std::string_view magnitude) {
    bool point = false;
    std::size_t i = 0;
    // Eight digits a step; a word with anything else is read byte by byte.
    for (; i + 8 <= magnitude.size(); i += 8) {
        std::uint64_t w = 0;
        std::memcpy(&w, magnitude.data() + i, sizeof w);
        if (eightDigits(w)) continue;
        for (std::size_t j = i; j < i + 8; ++j) {
            const char c = magnitude[j];
            if (c >= '0' && c <= '9') continue;
            if (c != '.' || point) return false;
            point = true;
        }
    }
    for (; i < magnitude.size(); ++i) {
        const char c = magnitude[i];
        if (c >= '0' && c <= '9') continue;
        if (c != '.' || point) return false;
        point = true;
    }
    return true;
}

bool hasNonZeroDigit(std::string_view text) {
    return std::any_of(text.begin(), text.end(), [](char c) { return c >= '1' && c <= '9'; });
}

Shape shapeOf(std::string_view magnitude) {
    const std::size_t at = magnitude.find('.');
    if (at == std::string_view::npos) return {magnitude.size(), 0, false};
    return {at, magnitude.size() - at - 1, true};
}

std::string digitsOf(std::string_view magnitude) {
    const std::size_t at = magnitude.find('.');
    if (at == std::string_view::npos) return std::string(magnitude);
    std::string out(magnitude.substr(0, at));
    out.append(magnitude.substr(at + 1));
    return out;
}

}  // namespace calcora::numtext
