// SPDX-License-Identifier: MIT
// The digit helpers and SigFigs under hostile input, each against a plain
// rewrite of its rule; ShiftDecPoint also against the value it must give
// (a magnitude times 10^k, k = Shift − 1 for a positive Shift, else Shift).
// Failures: ArithmeticOverflow where a length, position or count leaves the
// 16-bit range; InvalidArgument from RemoveDP for a position outside 1..L.
//
// Input: one text; bytes 1–2 are the shift, the zero count and RemoveDP's
// position. Flags bit 0: RemoveDP gets those bytes as L and the text's first
// point as PP; bit 1: PP is the raw bytes rather than a position near 1..L.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "engine/engine.h"
#include "fuzz/fuzz_input.h"
#include "tests/support/exact.h"
#include "tests/support/number_text.h"
#include "tests/support/outcome.h"

namespace {

using namespace fuzz;
using namespace calcora::testing_support;

constexpr std::int64_t kMaxCount = 32767;
constexpr std::int64_t kMinCount = -32768;

bool fits16(std::int64_t v) { return v >= kMinCount && v <= kMaxCount; }

std::string stripFront(std::string_view s) {
    while (!s.empty() && s.front() == '0') s.remove_prefix(1);
    return std::string(s);
}

std::string stripEnd(std::string_view s) {
    while (!s.empty() && s.back() == '0') s.remove_suffix(1);
    return std::string(s);
}

std::string stripPoint(std::string_view s) {
    if (!s.empty() && s.back() == '.') s.remove_suffix(1);
    return std::string(s);
}

std::int64_t sigFigs(std::string_view s) {
    while (!s.empty() && (s.front() == '0' || s.front() == '.')) s.remove_prefix(1);
    while (!s.empty() && s.back() == '0') s.remove_suffix(1);
    return static_cast<std::int64_t>(s.size()) - (s.find('.') != std::string_view::npos ? 1 : 0);
}

// ShiftDecPoint by its steps; nothing when a count leaves the 16-bit range.
std::optional<std::string> shiftDecPoint(std::string_view in, std::int64_t shift) {
    const auto L = static_cast<std::int64_t>(in.size());
    if (!fits16(L)) return std::nullopt;
    const std::size_t at = in.find('.');
    const std::int64_t P = at == std::string_view::npos ? 0 : static_cast<std::int64_t>(at) + 1;
    const std::int64_t F = L - P;
    const std::int64_t k = shift > 0 ? shift - 1 : shift;
    if (k == 0) return std::string(in);
    std::int64_t Y = 0, Z = 0, Q = 0;
    if (k > 0) {
        if (P == 0) {
            Z = k;
        } else if (F > k) {
            Q = P + k;
        } else if (F < k) {
            Z = k - F;
        }
    } else {
        const std::int64_t m = -k;
        const std::int64_t point = P == 0 ? L + 1 : P;
        if (!fits16(m) || !fits16(point)) return std::nullopt;
        if (point > m) {
            Q = point - m;
        } else {
            Q = 1;
            Y = m - point + 1;
        }
    }
    if (!fits16(Q) || !fits16(Y) || !fits16(Z)) return std::nullopt;
    std::string body(in);
    if (P > 0) body.erase(static_cast<std::size_t>(P - 1), 1);
    std::string out(static_cast<std::size_t>(Y), '0');
    out += body;
    out.append(static_cast<std::size_t>(Z), '0');
    if (Q >= 1) out.insert(static_cast<std::size_t>(Q - 1), 1, '.');
    return out;
}

// Left(s, n) and Right(s, n): at most n characters, the whole text when shorter.
std::string_view leftOf(std::string_view s, std::int64_t n) {
    return s.substr(0, static_cast<std::size_t>(std::clamp<std::int64_t>(n, 0, static_cast<std::int64_t>(s.size()))));
}
std::string_view rightOf(std::string_view s, std::int64_t n) {
    const auto count = static_cast<std::size_t>(std::clamp<std::int64_t>(n, 0, static_cast<std::int64_t>(s.size())));
    return s.substr(s.size() - count);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const Input in = readInput(data, size, 1);
    const std::string& s = in.operand(0);
    const std::int16_t count = in.rawCount();
    const auto context = [&](std::string_view call, const auto& outcome) {
        return std::string(call) + "(" + shown(s) + ", " + std::to_string(count) + ") gave " + describe(outcome);
    };

    // Helpers that cannot fail.
    const auto plain = [&](std::string_view name, auto call, const std::string& expected) {
        const Outcome<std::string> r = capture(call);
        require(r.value == expected, [&] { return context(name, r) + ", expected " + shown(expected); });
    };
    plain("RemoveCommasAndSpaces", [&] { return calcora::RemoveCommasAndSpaces(s); }, withoutSeparators(s));
    plain("NZeros", [&] { return calcora::NZeros(count); }, std::string(static_cast<std::size_t>(std::max<int>(count, 0)), '0'));
    plain("StripFrontZeros", [&] { return calcora::StripFrontZeros(s); }, stripFront(s));
    plain("StripEndZeros", [&] { return calcora::StripEndZeros(s); }, stripEnd(s));
    plain("StripPointOffRight", [&] { return calcora::StripPointOffRight(s); }, stripPoint(s));

    const Outcome<std::int16_t> figures = capture([&] { return calcora::SigFigs(s); });
    if (static_cast<std::int64_t>(s.size()) > kMaxCount) {
        require(figures.kind == Kind::Overflow, [&] { return context("SigFigs", figures) + ", expected ArithmeticOverflow"; });
    } else {
        require(figures.ok() && *figures.value == sigFigs(s),
                [&] { return context("SigFigs", figures) + ", expected " + std::to_string(sigFigs(s)); });
    }

    const Outcome<std::string> shiftedOutcome = capture([&] { return calcora::ShiftDecPoint(s, count); });
    const std::optional<std::string> shifted = shiftDecPoint(s, count);
    if (!shifted) {
        require(shiftedOutcome.kind == Kind::Overflow,
                [&] { return context("ShiftDecPoint", shiftedOutcome) + ", expected ArithmeticOverflow"; });
    } else {
        require(shiftedOutcome.value == shifted,
                [&] { return context("ShiftDecPoint", shiftedOutcome) + ", expected " + shown(*shifted); });
        if (isMagnitude(s)) {
            const std::int64_t k = count > 0 ? count - 1 : count;
            const std::optional<Exact> before = parseNumberString(s);
            const std::optional<Exact> after = parseNumberString(*shiftedOutcome.value);
            require(isMagnitude(*shiftedOutcome.value) && after && *after == scaled(*before, k),
                    [&] { return context("ShiftDecPoint", shiftedOutcome) + ": not the value times 10^" + std::to_string(k); });
        }
    }

    // RemoveDP with the text's length, or a given L and the first point.
    std::int64_t L = std::min<std::int64_t>(static_cast<std::int64_t>(s.size()), kMaxCount);
    std::int64_t PP = in.flag(1) ? count : static_cast<std::int64_t>(static_cast<std::uint16_t>(count)) % (L + 2);
    if (in.flag(0)) {
        L = count;
        PP = static_cast<std::int64_t>(std::min(s.find('.'), s.size())) + 1;
        if (PP > kMaxCount) PP = 1;
    }
    const Outcome<std::string> removed = capture([&] {
        return calcora::RemoveDP(s, static_cast<std::int16_t>(PP), static_cast<std::int16_t>(L));
    });
    const auto removedContext = [&] {
        return "RemoveDP(" + shown(s) + ", " + std::to_string(PP) + ", " + std::to_string(L) + ") gave " + describe(removed);
    };
    if (PP < 1 || PP > L) {
        require(removed.kind == Kind::InvalidArgument, [&] { return removedContext() + ", expected InvalidArgument"; });
    } else {
        const std::string expected = std::string(leftOf(s, PP - 1)) + std::string(rightOf(s, L - PP));
        require(removed.value == expected, [&] { return removedContext() + ", expected " + shown(expected); });
    }
    return 0;
}
