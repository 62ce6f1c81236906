// SPDX-License-Identifier: MIT
#pragma once
// The column loop under LargeAdd: two number strings read in place as if
// aligned on their points, added or subtracted column by column.

#include <cstddef>
#include <optional>
#include <string_view>

namespace calcora::digit_columns {

// An operand among `width` aligned columns: its text starts at column
// `offset`. Every other column reads "0", except the point column, which
// reads "." for both operands: a text that reaches it has its point there,
// and one without a point ends before it.
struct Operand {
    std::string_view text;
    std::size_t offset = 0;
};

// The aligned texts compared column by column as bytes (as memcmp would
// compare them written out): < 0, 0 or > 0.
[[nodiscard]] int compare(Operand a, Operand b, std::size_t width, std::size_t pointAt);

// Whether a + b carries out of the leftmost column, where the first 64
// columns tell: the first column whose digits do not sum to 9 decides.
// Nothing when they do not tell, or hold anything but digits and the point.
[[nodiscard]] std::optional<bool> sumCarriesOut(Operand a, Operand b, std::size_t width, std::size_t pointAt);

// Which loop runs: the fastest this processor has, or the word-at-a-time
// loop that every processor runs (tests compare the two).
enum class Loop { kFastest, kWords };

// out[0 .. width) = a + b (or a − b, with a's columns not below b's), the
// point column (npos for none) written "." with the carry passing through it.
// Returns the carry out of the leftmost column (0 for a difference). Sets
// `bad` when a column of either text holds anything but a digit, or a point
// outside the point column; out is then unspecified.
[[nodiscard]] unsigned addColumns(Operand a, Operand b, std::size_t width, std::size_t pointAt, char* out,
                                  bool& bad, Loop loop = Loop::kFastest);
[[nodiscard]] unsigned subtractColumns(Operand a, Operand b, std::size_t width, std::size_t pointAt, char* out,
                                       bool& bad, Loop loop = Loop::kFastest);

}  // namespace calcora::digit_columns
