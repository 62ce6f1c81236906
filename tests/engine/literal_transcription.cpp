// SPDX-License-Identifier: MIT
#include "tests/engine/literal_transcription.h"

#include <algorithm>
#include <string>

#include "engine/limits.h"
#include "fixeddec/fixeddec.h"

namespace calcora::literal {

namespace {

using limits::lengthOf;
using limits::toCount;

// Digits and at most one point, character by character.
void requireNumberString(std::string_view magnitude, const char* who) {
    int points = 0;
    for (const char c : magnitude) {
        if (c == '.') {
            ++points;
        } else if (c < '0' || c > '9') {
            points = 2;
        }
        if (points > 1) throw NotANumber(std::string(who) + ": not a number string");
    }
}

// LargeAdd("-", a, b) as the division reads it: only the sign of a negative
// difference matters, so one that would be a character too long to return
// ("-" and 32,767 digits; a difference never carries) stands as "-".
std::string trialDifference(const std::string& a, const std::string& b) {
    try {
        return LargeAdd("-", a, b);
    } catch (const ArithmeticOverflow&) {
        if (a.size() > static_cast<std::size_t>(limits::kMaxCount) || b.size() > static_cast<std::size_t>(limits::kMaxCount)) throw;
        return "-";
    }
}

// The position (from 1) of the first "." in s, 0 when there is none.
std::int16_t pointPosition(std::string_view s) {
    const std::size_t at = s.find('.');
    return at == std::string_view::npos ? std::int16_t{0} : toCount(static_cast<std::int64_t>(at) + 1, "position");
}

int valueOf(char c) {
    return c - '0';
}

}  // namespace

std::string multiply(std::string_view Num1StrIn, std::string_view Num2StrIn) {
    // 1. Cleaning.
    std::string A = RemoveCommasAndSpaces(Num1StrIn);
    std::string B = RemoveCommasAndSpaces(Num2StrIn);
    // 2. Signs.
    bool negative = false;
    if (!A.empty() && A[0] == '-') {
        A.erase(0, 1);
        negative = true;
    }
    if (!B.empty() && B[0] == '-') {
        B.erase(0, 1);
        negative = !negative;
    }
    // 3. Zero test, through the fixed decimal, of number strings only.
    const std::int16_t n = toCount(static_cast<std::int32_t>(SigFigs(A)) + SigFigs(B), "SigFigs sum");
    requireNumberString(A, "multiply");
    requireNumberString(B, "multiply");
    if (n < 1) {
        try {
            const FixedDecimal product = toFixedDecimal(A) * toFixedDecimal(B);
            return StripPointOffRight(RemoveCommasAndSpaces(groupedText(product)));
        } catch (const Failure&) {
            return "";
        }
    }

    // 4. Long multiplication.
    const std::int16_t LA = lengthOf(A, "LA");
    const std::int16_t LB = lengthOf(B, "LB");
    std::int16_t P = pointPosition(B);
    if (P == 0) P = toCount(LB + 1, "P");
    std::string total;
    for (std::int32_t i = 1; i <= LB; ++i) {
        const std::int16_t s = toCount(P - LB + i - 1, "shift");
        const char d = B[static_cast<std::size_t>(LB - i)];
        if (d == '.') continue;
        int carry = 0;
        std::string reversedRow;  // built from the right; reversed once at the end
        for (std::int32_t j = 1; j <= LA; ++j) {
            const char a = A[static_cast<std::size_t>(LA - j)];
            if (a == '.') {
                reversedRow.push_back('.');
                continue;
            }
            const int p = valueOf(a) * valueOf(d) + carry;
            int digit = p;
            if (p > 9) {
                carry = p / 10;
                digit = p - 10 * carry;
            } else {
                carry = 0;
            }
            reversedRow.push_back(static_cast<char>('0' + digit));
        }
        if (carry > 0) reversedRow.push_back(static_cast<char>('0' + carry));
        const std::string row(reversedRow.rbegin(), reversedRow.rend());
        total = LargeAdd("+", total, ShiftDecPoint(row, s));
        limits::requireLength(total, "running total");
    }

    // 5. Normalisation.
    if (total.find('.') != std::string::npos) total = StripEndZeros(total);
    total = StripPointOffRight(total);
    total = StripFrontZeros(total);
    if (total.empty()) return "0";
    if (negative) total.insert(0, 1, '-');
    return total;
}

std::string divide(std::int16_t SF, std::string_view NIN, std::string_view DIN) {
    // 1. Cleaning; 2. signs.
    std::string N = RemoveCommasAndSpaces(NIN);
    std::string D = RemoveCommasAndSpaces(DIN);
    bool negative = false;
    if (!N.empty() && N[0] == '-') {
        N.erase(0, 1);
        negative = true;
    }
    if (!D.empty() && D[0] == '-') {
        D.erase(0, 1);
        negative = !negative;
    }
    // 3. Length check.
    N = StripFrontZeros(N);
    if (lengthOf(N, "N") > toCount(SF + 1, "SF + 1")) {
        throw NumeratorTooLong("divide: the numerator is longer than SF + 1");
    }
    requireNumberString(N, "divide");
    requireNumberString(D, "divide");
    if (D.find_first_of("123456789") == std::string::npos) throw DivisionByZero("zero divisor");

    // 4. Numerator to whole digits.
    std::int16_t E = 0;
    if (std::int16_t P = pointPosition(N); P > 0) {
        const std::int16_t L = lengthOf(N, "L");
        E = toCount(-(L - P), "E");
        N = StripFrontZeros(RemoveDP(N, P, L));
    }
    // 5. Divisor to whole digits, every digit kept.
    D = StripFrontZeros(D);
    if (std::int16_t P = pointPosition(D); P > 0) {
        const std::int16_t L = lengthOf(D, "L");
        E = toCount(E + (L - P), "E");
        D = StripFrontZeros(RemoveDP(D, P, L));
    }
    // 6. Divisor trailing zeros.
    while (!D.empty() && D.back() == '0') {
        D.pop_back();
        E = toCount(E - 1, "E");
    }
    // 7.
    const std::int16_t LN = lengthOf(N, "LN");
    const std::int16_t LD = lengthOf(D, "LD");
    std::string quotient;
    std::string remainder;
    std::int16_t next = 0;  // N's characters from here on are waiting
    const auto bringDown = [&]() -> std::string {
        if (next < LN) return std::string(1, N[static_cast<std::size_t>(next++)]);
        E = toCount(E - 1, "E");
        return "0";
    };

    // 8. Digit passes.
    const std::int16_t passes = SF;
    for (std::int16_t k = 1; k <= passes; k = toCount(k + 1, "k")) {
        std::string window;
        if (k == 1) {
            if (LN == LD) {
                window = N;
                next = LN;
            } else if (LN > LD) {
                window = N.substr(0, static_cast<std::size_t>(LD));
                next = LD;
            } else {
                window = N + NZeros(toCount(LD - LN, "LD - LN"));
                next = LN;
                E = toCount(E - (LD - LN), "E");
            }
        } else {
            window = remainder + bringDown();
        }
        if (trialDifference(window, D)[0] == '-') {
            window += bringDown();
            if (k > 1) {
                quotient += "0";
                k = toCount(k + 1, "k");
            }
        }
        remainder = window;
        std::int16_t counter = 0;
        std::string kept;
        while (remainder[0] != '-') {
            kept = remainder;
            counter = toCount(counter + 1, "counter");
            remainder = trialDifference(remainder, D);
        }
        remainder = kept;
        quotient += std::to_string(counter - 1);
    }
    // 9. Waiting digits left over.
    for (; next < LN; ++next) E = toCount(E + 1, "E");
    // 10. Placing the point.
    if (E > 0) E = toCount(E + 1, "E");
    std::string text = ShiftDecPoint(quotient, E);
    limits::requireLength(text, "placed quotient");
    // 11. Normalisation.
    if (text.find('.') != std::string::npos) text = StripEndZeros(text);
    text = StripPointOffRight(text);
    // A zero quotient is "0" without sign, whatever zeros are left.
    if (text.find_first_not_of('0') == std::string::npos) return "0";
    if (negative) text.insert(0, 1, '-');
    return text;
}

}  // namespace calcora::literal
