// SPDX-License-Identifier: MIT
#include "engine/numtext.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "engine/digit_words.h"
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

bool takeSign(std::string_view& text) {
    if (text.empty() || text.front() != '-') return false;
    text.remove_prefix(1);
    return true;
}

bool isNumberString(std::string_view magnitude) {
    bool point = false;
    std::size_t i = 0;
    // Eight digits a step; a word with anything else is read byte by byte.
    for (; i + 8 <= magnitude.size(); i += 8) {
        if (digit_words::allDigits(digit_words::load(magnitude.data() + i))) continue;
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

Significand significandOf(std::string_view magnitude) {
    const std::string digits = digitsOf(magnitude);
    const std::size_t lead = digits.find_first_not_of('0');
    if (lead == std::string::npos) return {};
    const std::size_t last = digits.find_last_not_of('0');
    const auto intChars = static_cast<std::int64_t>(shapeOf(magnitude).intChars);
    return {digits.substr(lead, last - lead + 1), intChars - 1 - static_cast<std::int64_t>(last)};
}

std::string placedPoint(std::string_view digits, std::int64_t exponent) {
    if (exponent >= 0) {
        std::string text(digits);
        text.append(static_cast<std::size_t>(exponent), '0');
        return text;
    }
    const auto places = static_cast<std::size_t>(-exponent);
    std::string text;
    if (places >= digits.size()) {
        text.reserve(places + 1);
        text += '.';
        text.append(places - digits.size(), '0');
        text += digits;
    } else {
        text = std::string(digits);
        text.insert(digits.size() - places, 1, '.');
    }
    text.erase(text.find_last_not_of('0') + 1);
    if (text.back() == '.') text.pop_back();
    return text;
}

}  // namespace calcora::numtext
