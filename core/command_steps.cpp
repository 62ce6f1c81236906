// SPDX-License-Identifier: MIT
#include "core/command_steps.h"

#include "core/texts.h"
#include "engine/limits.h"

namespace calcora::core {
namespace {

// At least one digit more than the 29 of "High Precision"; at most as many as
// keep a division short (each digit costs up to ten subtractions).
constexpr std::int16_t kFewestSigFigs = 30;
constexpr std::int16_t kMostSigFigs = 500;

// A number string without the zeros before its first significant digit
// ("-007.5" → "-7.5", "0" → "").
std::string withoutLeadingZeros(std::string_view number) {
    const bool negative = !number.empty() && number.front() == '-';
    std::string magnitude = StripFrontZeros(number.substr(negative ? 1 : 0));
    return negative ? "-" + magnitude : magnitude;
}

}  // namespace

// The arithmetic measures the operands aligned at their points, leading zeros
// included: a refused pair is tried again without those zeros (the only time
// they are dropped from a sum).
std::string exactSumOrDifference(std::string_view op, const std::string& first, const std::string& second) {
    try {
        return LargeAdd(op, first, second);
    } catch (const ArithmeticOverflow&) {
        const std::string shortFirst = withoutLeadingZeros(first);
        const std::string shortSecond = withoutLeadingZeros(second);
        if (shortFirst == first && shortSecond == second) throw;
        return LargeAdd(op, shortFirst, shortSecond);
    }
}

void requireReadableBack(std::string_view text) {
    if (text.size() > static_cast<std::size_t>(limits::kMaxCount)) limits::failTooLong("a computed text");
}

std::string failureText(const Failure& failure) {
    if (dynamic_cast<const ArithmeticOverflow*>(&failure)) return kOverflowText;
    if (dynamic_cast<const DivisionByZero*>(&failure)) return kDivideByZero;
    return kNumericInputRequired;
}

Outcome withResult(WindowState state, std::string text) {
    try {
        requireReadableBack(text);
        state.result = std::move(text);
    } catch (const Failure& failure) {
        state.result = failureText(failure);
    }
    return {std::move(state), true, {}, {}};
}

Outcome failed(WindowState state, const Failure& failure) {
    if (dynamic_cast<const NumeratorTooLong*>(&failure)) {
        Outcome outcome = withResult(std::move(state), std::string());
        outcome.message = kNumeratorTooLongMessage;
        return outcome;
    }
    return withResult(std::move(state), failureText(failure));
}

std::optional<std::int16_t> correctSetting(WindowState& state) {
    std::int16_t count = 0;
    try {
        // A value below 30 reads as 29 and one above 500 as 501, so a
        // 400-digit or a "1e400" setting is corrected like any other.
        count = wholeValueWithin(state.sigFigs, kFewestSigFigs - 1, kMostSigFigs + 1);
    } catch (const NotANumber&) {
        return std::nullopt;
    }
    if (count < kFewestSigFigs) {
        state.sigFigs = std::to_string(kFewestSigFigs);
        return kFewestSigFigs;
    }
    if (count > kMostSigFigs) {
        state.sigFigs = std::to_string(kMostSigFigs);
        return kMostSigFigs;
    }
    return count;
}

}  // namespace calcora::core
