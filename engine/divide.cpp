// LargeDiv: a quotient truncated to SF significant figures.
//
// The long division it stands for turns both operands into whole digit
// strings N and D with an exponent E, then brings down one character of N
// (and zeros after N's end) at a time, each giving one quotient digit; only
// the first window may take one extra character without giving a digit. So
// its digits are those of floor(N·10^x / D) for the right x, and one BigUInt
// division gives them all. What stays to be followed is the bookkeeping: how
// many digits the passes keep (a pass whose window starts below D writes "0"
// and the next digit, so the last pass may write one digit more than SF), the
// exponent, and the texts whose 16-bit lengths fail the operation.
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

// The divisor as whole digits, every one of them: leading zeros go; a point
// goes with E growing by the digits after it; then trailing zeros go, E
// falling by one for each.
std::string wholeDivisor(std::string D, Count& E) {
    limits::requireLength(D, "LargeDiv: divisor length");
    D = StripFrontZeros(D);
    if (D.find('.') != std::string::npos) {
        E = limits::toCount(E + static_cast<Count>(numtext::shapeOf(D).fracChars), "LargeDiv: exponent");
        D = StripFrontZeros(numtext::digitsOf(D));
    }
    const std::size_t last = D.find_last_not_of('0');
    const Count trailing = static_cast<Count>(D.size() - (last == std::string::npos ? 0 : last + 1));
    E = limits::toCount(E - trailing, "LargeDiv: exponent");
    D.resize(D.size() - static_cast<std::size_t>(trailing));
    return D;
}

// Whether the first window (N's first LD characters, N padded with zeros)
// is smaller than D, so that pass 1 brings down one more character.
bool firstWindowBelowDivisor(std::string_view N, std::string_view D) {
    const std::size_t common = std::min(N.size(), D.size());
    const int order = N.substr(0, common).compare(D.substr(0, common));
    if (order != 0) return order < 0;
    // Equal so far: padding zeros stand against the rest of D, which has a
    // non-zero digit because D has no trailing zeros.
    return N.size() < D.size();
}

// How many quotient digits the passes keep, from the first SF + 1 digits of
// the long division: pass 1 gives one; a later pass gives one, or "0" and the
// next digit when its digit is 0 (its window was below D and was extended).
Count keptDigits(std::string_view digits, std::int16_t SF) {
    Count next = 1;  // index of the next digit; the pass counter is next + 1
    while (next + 1 <= SF) next += digits[static_cast<std::size_t>(next)] == '0' ? 2 : 1;
    return next;
}

// With a divisor of 32,767 digits a window can reach 32,768 characters: the
// extended first window, and every remainder of 32,767 digits with a digit
// brought down behind it. Remainders are followed digit by digit here; the
// case is rare and the work is that of the literal division's subtractions.
void checkWideWindows(std::string_view N, const BigUInt& divisor, std::string_view quotient,
                      std::size_t firstWindow) {
    const std::size_t ld = static_cast<std::size_t>(kMaxLength);
    if (firstWindow > ld) overflow("a window of 32768 characters");
    const auto charAt = [&](std::size_t pos) { return pos < N.size() ? static_cast<std::uint32_t>(N[pos] - '0') : 0u; };
    BigUInt remainder = BigUInt::fromDigits(N.substr(0, std::min(N.size(), firstWindow)));
    if (N.size() < firstWindow) remainder = shiftUp(remainder, firstWindow - N.size());
    for (std::size_t i = 0; i + 1 < quotient.size(); ++i) {
        if (i > 0) remainder = addSmall(multiplySmall(remainder, 10), charAt(firstWindow + i - 1));
        remainder = remainder - multiplySmall(divisor, static_cast<std::uint32_t>(quotient[i] - '0'));
        if (remainder.digitCount() >= ld) overflow("a window of 32768 characters");
    }
}

}  // namespace

std::string LargeDiv(bool NSR, std::int16_t SF, std::string_view NIN, std::string_view DIN,
                     const MessageSink& showMessage) {
    std::string N = numtext::cleaned(NIN);
    std::string D = numtext::cleaned(DIN);
    bool negative = numtext::takeSign(N);
    if (numtext::takeSign(D)) negative = !negative;

    // The length refusal comes before any other test.
    N = StripFrontZeros(N);
    const std::int16_t longest = limits::toCount(Count{SF} + 1, "LargeDiv: SF + 1");
    if (limits::lengthOf(N, "LargeDiv: numerator length") > longest) {
        if (NSR && showMessage) showMessage(kNumeratorTooLongMessage);
        return {};
    }
    if (!numtext::isNumberString(N) || !numtext::isNumberString(D)) {
        throw NotANumber("LargeDiv: an operand is not a number string");
    }
    if (!numtext::hasNonZeroDigit(D)) overflow("the divisor is zero");

    Count E = 0;
    if (N.find('.') != std::string::npos) {
        E = -static_cast<Count>(numtext::shapeOf(N).fracChars);
        N = StripFrontZeros(numtext::digitsOf(N));
    }
    D = wholeDivisor(std::move(D), E);
    const Count LN = limits::lengthOf(N, "LargeDiv: numerator length");
    const Count LD = limits::lengthOf(D, "LargeDiv: divisor length");

    // With SF ≤ 0 no pass runs: nothing is brought down, every digit of N is
    // still waiting, and the quotient has no digits.
    std::string quotient;
    Count consumed = 0;  // characters of N, then zeros, brought into windows
    if (SF >= 1) {
        const Count firstWindow = LD + (firstWindowBelowDivisor(N, D) ? 1 : 0);
        std::string digits;
        BigUInt divisor = BigUInt::fromDigits(D);
        if (N.empty()) {
            digits.assign(static_cast<std::size_t>(SF) + 1, '0');
        } else {
            const BigUInt scaled = shiftUp(BigUInt::fromDigits(N), static_cast<std::size_t>(firstWindow + SF - LN));
            digits = divideFloor(scaled, divisor).toDigits();
            assert(digits.size() == static_cast<std::size_t>(SF) + 1);
        }
        const Count kept = keptDigits(digits, SF);
        limits::requireCount(kept + 1, "LargeDiv: pass counter");
        consumed = firstWindow + kept - 1;
        if (N.empty()) {
            // A zero numerator's windows are all zeros and grow by every character.
            if (consumed > kMaxLength) overflow("a window of " + std::to_string(consumed) + " characters");
        } else if (LD == kMaxLength) {
            checkWideWindows(N, divisor, std::string_view(digits).substr(0, static_cast<std::size_t>(kept)),
                             static_cast<std::size_t>(firstWindow));
        }
        digits.resize(static_cast<std::size_t>(kept));
        quotient = std::move(digits);
    }
    // Zeros brought down after N lower E one by one; N's digits still waiting
    // at the end raise it by one each.
    limits::requireCount(E - std::max<Count>(consumed - LN, 0), "LargeDiv: exponent");
    E = limits::toCount(E + LN - consumed, "LargeDiv: exponent");
    // ShiftDecPoint moves the point one place fewer than a positive count.
    if (E > 0) E = limits::toCount(E + 1, "LargeDiv: exponent");

    std::string text = ShiftDecPoint(quotient, static_cast<std::int16_t>(E));
    limits::requireLength(text, "LargeDiv: quotient length");
    if (text.find('.') != std::string::npos) text = StripEndZeros(text);
    text = StripPointOffRight(text);
    // A zero quotient is "0", without sign: a zero numerator over a divisor
    // with fraction digits leaves zeros before the point ("00", "-0").
    if (text.find_first_not_of('0') == std::string::npos) return "0";
    if (negative) text.insert(0, 1, '-');
    return text;
}

}  // namespace calcora
