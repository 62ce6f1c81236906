#pragma once
// The steps of SquareRoot one by one, for SquareRoot itself and for the
// square-root command, which writes the estimate before it refines it.
// Private to the engine and the window; not part of the engine's interface.

#include <cstdint>
#include <string>
#include <string_view>

namespace calcora::sqrt_steps {

// The most significant figures a root is given, whatever the setting.
inline constexpr std::int16_t kMaxRootFigures = 100;

// True when StrVal without "," and " " is a number string (digits and at most
// one ".", no sign) with a value above zero: the texts whose root is exact.
bool isPositiveNumberString(std::string_view StrVal);

// The root of such a text truncated to SF ≥ 1 significant figures, without
// trailing fraction zeros or a trailing point, below 1 as ".5".
// ArithmeticOverflow when the text without separators has over 32,767 characters.
std::string exactRoot(std::int16_t SF, std::string_view StrVal);

// The figure count of a setting text: its integer part, at most 100.
// NotANumber when the setting is no number, ArithmeticOverflow when its
// integer part leaves the 16-bit range.
std::int16_t figureCount(std::string_view sigFigsSetting);

// The fixed-decimal estimate: one Heron step from the double root, about 29
// figures, as trimmed text. The fixed decimal's failures (no number, beyond
// its range, DivisionByZero for a value that reads as zero, InvalidArgument
// for a negative one).
std::string estimate(std::string_view StrVal);

// Two Heron steps from the guess g, each division to SF figures. Fails with
// the failures of LargeDiv and LargeAdd, and with InvalidArgument when
// LargeDiv refuses a dividend longer than SF + 1 characters (halving nothing
// in its place would quarter the guess).
std::string refine(std::int16_t SF, std::string_view StrVal, std::string g);

// The double root: StrVal read as a double, to the power 0.5, as trimmed text
// of at most 15 figures. NotANumber for a text that is no number,
// InvalidArgument for a negative number.
std::string doubleRoot(std::string_view StrVal);

}  // namespace calcora::sqrt_steps
