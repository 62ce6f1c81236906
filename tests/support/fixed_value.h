// SPDX-License-Identifier: MIT
#pragma once
// A fixed decimal as an exact value. Header only, for the tests and fuzz
// targets that link the fixed decimal; the support library itself does not.

#include <string>

#include "fixeddec/fixeddec.h"
#include "tests/support/exact.h"
#include "tests/support/fixed_rounding.h"

namespace calcora::testing_support {

inline Exact exactOf(const FixedDecimal& d) {
    return fixedPartsValue(d.hi(), d.mid(), d.lo(), d.scale(), d.negative());
}

// The exact value of a op b, for op '+', '-', '*' or '/' (b not zero for
// '/'), as ±numerator/denominator with numerator ≥ 0 and denominator > 0.
struct ExactRatio {
    Exact numerator, denominator;
    bool negative;
};

inline ExactRatio exactOperation(char op, const FixedDecimal& a, const FixedDecimal& b) {
    const Exact x = exactOf(a), y = exactOf(b);
    if (op == '/') return {magnitude(x), magnitude(y), !x.isZero() && x.negative != y.negative};
    const Exact result = op == '+' ? add(x, y) : op == '-' ? subtract(x, y) : multiply(x, y);
    return {magnitude(result), fromInteger(1), result.negative};
}

// Its value and, beside it, its scale and sign (a zero's too).
inline std::string describe(const FixedDecimal& d) {
    return describe(exactOf(d)) + " (scale " + std::to_string(d.scale()) + (d.negative() ? ", negative)" : ")");
}

}  // namespace calcora::testing_support
