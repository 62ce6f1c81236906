// SPDX-License-Identifier: MIT
// LargeDiv: a quotient truncated to SF significant figures.
//
// The long division it stands for turns both operands into whole digit
// strings (numerator, divisor) and a power of ten (exponent), then brings
// down one character of the numerator (and zeros after its end) at a time,
// each giving one quotient digit; only the first window may take one extra
// character without giving a digit. So its digits are those of
// floor(numerator·10^x / divisor) for the right x, and one BigUInt division
// gives them all. What stays to be followed is the bookkeeping: how many
// digits the passes keep (a pass whose window starts below the divisor
// writes "0" and the next digit, so the last pass may write one digit more
// than SF), the exponent, and the texts whose 16-bit lengths fail the
// operation.
#include <algorithm>
#include <cassert>
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/bigint.h"
#include "engine/engine.h"
#include "engine/limits.h"
#include "engine/numtext.h"

namespace calcora {

namespace {

using Count = std::int32_t;
constexpr Count kMaxLength = limits::kMaxCount;

[[noreturn]] void overflow(const std::string& what) {
    throw ArithmeticOverflow("LargeDiv: " + what);
}

// The divisor as whole digits, every one of them, without zeros at either
// end; the exponent takes up the power of ten they leave out.
std::string wholeDivisor(std::string_view divisor, Count& exponent) {
    limits::requireLength(divisor, "LargeDiv: divisor length");
    numtext::Significand whole = numtext::significandOf(divisor);
    exponent = limits::toCount(exponent - whole.exponent, "LargeDiv: exponent");
    return std::move(whole.digits);
}

// Whether the first window (the numerator's first divisor-length characters,
// padded with zeros) is smaller than the divisor, so that pass 1 brings down
// one more character.
bool firstWindowBelowDivisor(std::string_view numerator, std::string_view divisor) {
    const std::size_t common = std::min(numerator.size(), divisor.size());
    const int order = numerator.substr(0, common).compare(divisor.substr(0, common));
    if (order != 0) return order < 0;
    // Equal so far: padding zeros stand against the rest of the divisor, which
    // has a non-zero digit because it has no trailing zeros.
    return numerator.size() < divisor.size();
}

// How many quotient digits the passes keep, from the first SF + 1 digits of
// the long division: pass 1 gives one; a later pass gives one, or "0" and the
// next digit when its digit is 0 (its window was below the divisor and was extended).
Count keptDigits(std::string_view digits, std::int16_t SF) {
    Count next = 1;  // index of the next digit; the pass counter is next + 1
    while (next + 1 <= SF) next += digits[static_cast<std::size_t>(next)] == '0' ? 2 : 1;
    return next;
}

// With a divisor of 32,767 digits a window can reach 32,768 characters: the
// extended first window, and every remainder of 32,767 digits with a digit
// brought down behind it. Remainders are followed digit by digit here; the
// case is rare and the work is that of the literal division's subtractions.
void checkWideWindows(std::string_view numerator, const BigUInt& divisor, std::string_view quotient,
                      std::size_t firstWindow) {
    const std::size_t ld = static_cast<std::size_t>(kMaxLength);
    if (firstWindow > ld) overflow("a window of 32768 characters");
    const auto charAt = [&](std::size_t pos) {
        return pos < numerator.size() ? static_cast<std::uint32_t>(numerator[pos] - '0') : 0u;
    };
    BigUInt remainder = BigUInt::fromDigits(numerator.substr(0, std::min(numerator.size(), firstWindow)));
    if (numerator.size() < firstWindow) remainder = shiftUp(remainder, firstWindow - numerator.size());
    for (std::size_t i = 0; i + 1 < quotient.size(); ++i) {
        if (i > 0) remainder = addSmall(multiplySmall(remainder, 10), charAt(firstWindow + i - 1));
        remainder = remainder - multiplySmall(divisor, static_cast<std::uint32_t>(quotient[i] - '0'));
        if (remainder.digitCount() >= ld) overflow("a window of 32768 characters");
    }
}

// `text` without its leading zeros (StripFrontZeros as a view).
std::string_view withoutFrontZeros(std::string_view text) {
    return text.substr(std::min(text.find_first_not_of('0'), text.size()));
}

}  // namespace

std::string LargeDiv(std::int16_t SF, std::string_view NIN, std::string_view DIN) {
    // The operands are read through views: a copy is made only to drop separators
    // or the numerator's point.
    std::string numeratorStore, divisorStore;
    std::string_view numerator = numtext::cleanedView(NIN, numeratorStore);
    std::string_view divisor = numtext::cleanedView(DIN, divisorStore);
    bool negative = numtext::takeSign(numerator);
    if (numtext::takeSign(divisor)) negative = !negative;

    // The length refusal comes before any other test.
    numerator = withoutFrontZeros(numerator);
    const std::int16_t longest = limits::toCount(Count{SF} + 1, "LargeDiv: SF + 1");
    if (limits::lengthOf(numerator, "LargeDiv: numerator length") > longest) {
        throw NumeratorTooLong("LargeDiv: the numerator is longer than SF + 1 characters");
    }
    if (!numtext::isNumberString(numerator) || !numtext::isNumberString(divisor)) {
        throw NotANumber("LargeDiv: an operand is not a number string");
    }
    if (!numtext::hasNonZeroDigit(divisor)) throw DivisionByZero("LargeDiv: the divisor is zero");

    Count exponent = 0;
    std::string numeratorDigits;
    if (numerator.find('.') != std::string_view::npos) {
        exponent = -static_cast<Count>(numtext::shapeOf(numerator).fracChars);
        numeratorDigits = numtext::digitsOf(numerator);
        numerator = withoutFrontZeros(numeratorDigits);
    }
    const std::string wholeDigits = wholeDivisor(divisor, exponent);
    divisor = wholeDigits;
    const Count numeratorLength = limits::lengthOf(numerator, "LargeDiv: numerator length");
    const Count divisorLength = limits::lengthOf(divisor, "LargeDiv: divisor length");

    // With SF ≤ 0 no pass runs: nothing is brought down, every digit of the numerator is
    // still waiting, and the quotient has no digits.
    std::string quotient;
    Count consumed = 0;  // characters of the numerator, then zeros, brought into windows
    if (SF >= 1) {
        const Count firstWindow = divisorLength + (firstWindowBelowDivisor(numerator, divisor) ? 1 : 0);
        std::string digits;
        BigUInt divisorValue = BigUInt::fromDigits(divisor);
        if (numerator.empty()) {
            digits.assign(static_cast<std::size_t>(SF) + 1, '0');
        } else {
            const auto places = static_cast<std::size_t>(firstWindow + SF - numeratorLength);
            const BigUInt scaled = shiftUp(BigUInt::fromDigits(numerator), places);
            digits = divideFloor(scaled, divisorValue).toDigits();
            assert(digits.size() == static_cast<std::size_t>(SF) + 1);
        }
        const Count kept = keptDigits(digits, SF);
        limits::requireCount(kept + 1, "LargeDiv: pass counter");
        consumed = firstWindow + kept - 1;
        if (numerator.empty()) {
            // A zero numerator's windows are all zeros and grow by every character.
            if (consumed > kMaxLength) overflow("a window of " + std::to_string(consumed) + " characters");
        } else if (divisorLength == kMaxLength) {
            checkWideWindows(numerator, divisorValue, std::string_view(digits).substr(0, static_cast<std::size_t>(kept)),
                             static_cast<std::size_t>(firstWindow));
        }
        digits.resize(static_cast<std::size_t>(kept));
        quotient = std::move(digits);
    }
    // Zeros brought down after the numerator lower the exponent one by one;
    // its digits still waiting at the end raise it by one each.
    limits::requireCount(exponent - std::max<Count>(consumed - numeratorLength, 0), "LargeDiv: exponent");
    exponent = limits::toCount(exponent + numeratorLength - consumed, "LargeDiv: exponent");
    // ShiftDecPoint moves the point one place fewer than a positive count.
    if (exponent > 0) exponent = limits::toCount(exponent + 1, "LargeDiv: exponent");

    std::string text = ShiftDecPoint(quotient, static_cast<std::int16_t>(exponent));
    limits::requireLength(text, "LargeDiv: quotient length");
    // StripEndZeros when there is a point, then StripPointOffRight, done in
    // place: each of them would copy the text once more.
    if (text.find('.') != std::string::npos) {
        const std::size_t last = text.find_last_not_of('0');
        text.erase(last == std::string::npos ? 0 : last + 1);
    }
    if (!text.empty() && text.back() == '.') text.pop_back();
    // A zero quotient is "0", without sign: a zero numerator over a divisor
    // with fraction digits leaves zeros before the point ("00", "-0").
    if (text.find_first_not_of('0') == std::string::npos) return "0";
    if (negative) text.insert(0, 1, '-');
    return text;
}

}  // namespace calcora
