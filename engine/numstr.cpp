// SPDX-License-Identifier: MIT
// The digit helpers: separators, runs of zeros, zero and point stripping,
// moving and cutting out the point. Each works on bytes and is linear in the
// length of its text.
#include "engine/engine.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/limits.h"

namespace calcora {

namespace {

// The first `n` characters of `text`, or all of it when shorter (the classic
// Left of a text).
std::string_view leftPart(std::string_view text, std::int32_t n) {
    return text.substr(0, static_cast<std::size_t>(std::max(n, 0)));
}

// The last `n` characters of `text`, or all of it when shorter.
std::string_view rightPart(std::string_view text, std::int32_t n) {
    const auto count = std::min(text.size(), static_cast<std::size_t>(std::max(n, 0)));
    return text.substr(text.size() - count);
}

}  // namespace

std::string RemoveCommasAndSpaces(std::string_view StrIn) {
    // Every byte is written and the write position advances past the kept
    // ones only: no branch to mispredict on texts full of separators.
    std::string out(StrIn.size(), '\0');
    std::size_t kept = 0;
    for (const char c : StrIn) {
        out[kept] = c;
        kept += (c != ',' && c != ' ') ? 1 : 0;
    }
    out.resize(kept);
    return out;
}

std::string NZeros(std::int16_t N) {
    if (N <= 0) return {};
    return std::string(static_cast<std::size_t>(N), '0');
}

std::string StripFrontZeros(std::string_view InSt) {
    const std::size_t first = InSt.find_first_not_of('0');
    if (first == std::string_view::npos) return {};
    return std::string(InSt.substr(first));
}

std::string StripEndZeros(std::string_view InSt) {
    const std::size_t last = InSt.find_last_not_of('0');
    if (last == std::string_view::npos) return {};
    return std::string(InSt.substr(0, last + 1));
}

std::string StripPointOffRight(std::string_view InSt) {
    if (!InSt.empty() && InSt.back() == '.') InSt.remove_suffix(1);
    return std::string(InSt);
}

std::string ShiftDecPoint(std::string_view InSt, std::int16_t Shift) {
    const std::int16_t length = limits::lengthOf(InSt, "ShiftDecPoint: length");
    const std::size_t pointAt = InSt.find('.');
    const std::int16_t point = pointAt == std::string_view::npos ? 0 : static_cast<std::int16_t>(pointAt + 1);
    const std::int16_t fractionChars = limits::toCount(length - point, "ShiftDecPoint: fraction length");

    // A positive shift counts the digit in front of the point as the first
    // place, so it moves the point one place fewer than its value.
    const std::int16_t places = Shift > 0 ? static_cast<std::int16_t>(Shift - 1) : Shift;
    if (places == 0) return std::string(InSt);

    std::int32_t zerosInFront = 0;
    std::int32_t zerosBehind = 0;
    std::int32_t newPoint = 0;  // position of the point written; 0 writes none
    if (places > 0) {
        if (point == 0) {
            zerosBehind = places;
        } else if (fractionChars > places) {
            newPoint = limits::toCount(point + places, "ShiftDecPoint: point position");
        } else if (fractionChars < places) {
            zerosBehind = places - fractionChars;
        }
    } else {
        const std::int16_t left = limits::toCount(-static_cast<std::int32_t>(places), "ShiftDecPoint: shift");
        // Without a point the implied one stands after the last character.
        const std::int16_t at = point == 0 ? limits::toCount(length + 1, "ShiftDecPoint: point position") : point;
        if (at > left) {
            newPoint = at - left;
        } else {
            newPoint = 1;
            zerosInFront = limits::toCount(left - at + 1, "ShiftDecPoint: zero count");
        }
    }

    std::string out;
    out.reserve(static_cast<std::size_t>(zerosInFront) + InSt.size() + static_cast<std::size_t>(zerosBehind) + 1);
    out.append(static_cast<std::size_t>(zerosInFront), '0');
    if (point == 0) {
        out.append(InSt);
    } else {
        out.append(InSt.substr(0, pointAt));
        out.append(InSt.substr(pointAt + 1));
    }
    out.append(static_cast<std::size_t>(zerosBehind), '0');
    if (newPoint >= 1) out.insert(static_cast<std::size_t>(newPoint - 1), 1, '.');
    return out;
}

std::string RemoveDP(std::string_view StrIn, std::int16_t PP, std::int16_t L) {
    if (PP < 1 || PP > L) {
        throw InvalidArgument("RemoveDP: position " + std::to_string(PP) + " is outside 1.." +
                              std::to_string(L));
    }
    // L is the caller's measure of StrIn; the parts are taken by it, as the
    // callers expect, and clipped to the text when it is shorter.
    std::string out(leftPart(StrIn, PP - 1));
    out.append(rightPart(StrIn, L - PP));
    return out;
}

}  // namespace calcora
