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

// Its value and, beside it, its scale and sign (a zero's too).
inline std::string describe(const FixedDecimal& d) {
    return describe(exactOf(d)) + " (scale " + std::to_string(d.scale()) + (d.negative() ? ", negative)" : ")");
}

}  // namespace calcora::testing_support
