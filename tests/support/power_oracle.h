// SPDX-License-Identifier: MIT
#pragma once
// The power x^y of two decimal texts by MPFR at 4,000 bits, correctly rounded
// to 15 significant figures: the oracle for the powers the program shows in
// 15 figures. Built only where MPFR is installed (native builds).

#include <optional>
#include <string>
#include <string_view>

namespace calcora::testing_support {

// The 15 figures of x^y as a double's trimmed text would show them
// ("1.32922799578492E+36", "1E-605", ".5"), or nothing when the power has no
// real value (a negative base with an exponent that is not whole, zero to a
// negative power) or lies above the largest double or below 1E-32768.
// x and y are decimal texts MPFR reads ("1.5", "-2", "1e-400").
std::optional<std::string> powerToFifteenFigures(std::string_view x, std::string_view y);

}  // namespace calcora::testing_support
