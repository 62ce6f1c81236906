// SPDX-License-Identifier: MIT
// Reading number texts: to a fixed decimal (as a text or as a typed operand), to
// a double, the numeric test and the leading number. Each reading is one pass
// over the text (number_scan) and then works on at most 800 kept digits.

#include "fixeddec/fixeddec.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <system_error>

#include "fixeddec/number_scan.h"
#include "fixeddec/rounding.h"
#include "fixeddec/wide_uint.h"

namespace calcora {

using number_scan::DecimalDigits;
using rounding::Tail;

namespace {

// 29 digits fill the magnitude and one more decides the rounding, so forty
// digits always hold the rounding digit; the rest count only as zero or not.
constexpr int kFixedDigits = 40;
// Integer parts of more than 29 digits exceed 2^96 − 1; values below 10^−29
// round to zero at the finest scale, 28.
constexpr std::int64_t kFixedMaxPoint = 29;
constexpr std::int64_t kFixedMinPoint = -28;
// A typed operand keeps this many of its leading figures, the finest of them
// at 10^−28 or above.
constexpr int kOperandFigures = kDoubleTextDigits;
constexpr std::int64_t kFinestPlace = -FixedDecimal::kMaxScale;
// Beyond 10^310 no double is finite; below 10^−330 every value rounds to zero
// (the smallest double is about 4.9·10^−324). Between them from_chars decides.
constexpr std::int64_t kDoubleMaxPoint = 310;
constexpr std::int64_t kDoubleMinPoint = -330;

FixedDecimal digitsToFixedDecimal(const DecimalDigits& d) {
    static constexpr const char* kOperation = "text to fixed decimal";
    if (d.isZero() || d.pointPosition < kFixedMinPoint) return FixedDecimal{};
    if (d.pointPosition > kFixedMaxPoint) rounding::failBeyondRange(kOperation);
    const int used = std::min(d.count, kFixedDigits);
    // Nine digits at a time, the most one 32-bit limb takes.
    WideUint magnitude;
    for (int i = 0; i < used;) {
        std::uint32_t chunk = 0;
        std::uint32_t factor = 1;
        for (; i < used && factor < 1'000'000'000u; ++i, factor *= 10) {
            chunk = chunk * 10 + static_cast<std::uint32_t>(d.digits[static_cast<std::size_t>(i)] - '0');
        }
        magnitude.mulSmall(factor);
        magnitude.addSmall(chunk);
    }
    Tail tail = Tail::Zero;
    if (used < d.count) {
        bool restNonzero = d.nonzeroBeyond;
        for (int i = used + 1; i < d.count && !restNonzero; ++i) {
            restNonzero = d.digits[static_cast<std::size_t>(i)] != '0';
        }
        const char next = d.digits[static_cast<std::size_t>(used)];
        if (next > '5' || (next == '5' && restNonzero)) {
            tail = Tail::AboveHalf;
        } else if (next == '5') {
            tail = Tail::Half;
        } else if (next != '0' || restNonzero) {
            tail = Tail::BelowHalf;
        }
    }
    const int scale = used - static_cast<int>(d.pointPosition);
    return rounding::fitToFixedDecimal(magnitude, scale, tail, d.negative, kOperation);
}

// How many leading figures of a non-zero value an operand must keep: 15, or
// all of them when it has fewer (trailing zeros are no figures here).
int operandFigures(const DecimalDigits& d) {
    if (d.nonzeroBeyond) return kOperandFigures;
    int figures = d.count;
    while (figures > 0 && d.digits[static_cast<std::size_t>(figures - 1)] == '0') --figures;
    return std::min(figures, kOperandFigures);
}

// The nearest double, ±infinity beyond the range.
double digitsToDouble(const DecimalDigits& d) {
    if (d.isZero() || d.pointPosition < kDoubleMinPoint) return 0.0;
    const double infinity = std::numeric_limits<double>::infinity();
    if (d.pointPosition > kDoubleMaxPoint) return d.negative ? -infinity : infinity;

    // "0.<digits>[1]e<point>": a trailing 1 stands for the dropped nonzero
    // digits, which is enough to round the same way as the whole text.
    std::array<char, DecimalDigits::kKept + 32> buffer;
    char* p = buffer.data();
    *p++ = '0';
    *p++ = '.';
    p = std::copy_n(d.digits.data(), d.count, p);
    if (d.nonzeroBeyond) *p++ = '1';
    *p++ = 'e';
    p = std::to_chars(p, buffer.data() + buffer.size(), d.pointPosition).ptr;

    double value = 0.0;
    const auto result = std::from_chars(buffer.data(), p, value);
    if (result.ec == std::errc::result_out_of_range) {
        value = d.pointPosition > 0 ? infinity : 0.0;
    }
    // A value that rounds to zero is written " 0" whatever its sign.
    return d.negative && value != 0.0 ? -value : value;
}

}  // namespace

FixedDecimal toFixedDecimal(std::string_view text) {
    DecimalDigits d;
    if (!number_scan::scanNumberText(text, d)) {
        throw NotANumber("text to fixed decimal: the text is not a number");
    }
    return digitsToFixedDecimal(d);
}

FixedDecimal toFixedOperand(std::string_view text) {
    DecimalDigits d;
    if (!number_scan::scanNumberText(text, d)) {
        throw NotANumber("fixed operand: the text is not a number");
    }
    // The k-th figure stands at 10^(pointPosition − k). Reading a value whose
    // figures go finer would round some of them away in silence.
    if (!d.isZero() && d.pointPosition - operandFigures(d) < kFinestPlace) {
        throw ArithmeticOverflow("fixed operand: its first 15 significant figures do not fit in 28 decimal places");
    }
    return digitsToFixedDecimal(d);
}

bool isNumeric(std::string_view text) {
    DecimalDigits d;
    return number_scan::scanNumberText(text, d);
}

double textToDouble(std::string_view text) {
    DecimalDigits d;
    if (!number_scan::scanNumberText(text, d)) {
        throw NotANumber("text to double: the text is not a number");
    }
    const double value = digitsToDouble(d);
    if (std::isinf(value)) {
        throw ArithmeticOverflow("text to double: the value is beyond the double range");
    }
    return value;
}

double leadingNumber(std::string_view text) {
    DecimalDigits d;
    number_scan::scanLeadingNumber(text, d);
    return digitsToDouble(d);
}

double leadingWholeNumber(std::string_view text) {
    DecimalDigits d;
    number_scan::scanLeadingNumber(text, d);
    if (d.pointPosition <= 0) return 0.0;
    // Digits past the point go before the double is made; a value with more
    // whole digits than are kept lies far beyond every double anyway.
    if (d.pointPosition < d.count) {
        d.count = static_cast<int>(d.pointPosition);
        d.nonzeroBeyond = false;
    }
    return digitsToDouble(d);
}

}  // namespace calcora
