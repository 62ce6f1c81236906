// SPDX-License-Identifier: MIT
#pragma once
// Every fixed text the window shows: in txtResult instead of a number, or in
// a message box. The window and its help take them from here.

namespace calcora::core {

inline constexpr const char* kNumericInputRequired = "Error - numeric input required";
inline constexpr const char* kOverflowText = "Overflow error - numbers too big for this operation";
inline constexpr const char* kDivideByZero = "Divide by zero error";
inline constexpr const char* kSigFigsNotANumber = "Error - significant figures must be a number";

inline constexpr const char* kInputMustBeNumeric = "Error - input must be numeric";
inline constexpr const char* kInputMustNotBeNegative = "Error - input must not be negative";
inline constexpr const char* kExponentNeeded = "Error - exponent needed";
inline constexpr const char* kFactorialTooLarge = "Factorials greater than 1000! are not allowed";
inline constexpr const char* kFactorialNeedsInteger = "Error - input must be an integer number <= 1000";
inline constexpr const char* kFactorialNeedsWholeNumber = "Error - input must be a whole number from 0 to 1000";
inline constexpr const char* kFactorialOverflowText =
    "Overflow error - 170! is the largest possible in High Precision Mode";

// Message boxes: Divide's refusal of a long dividend, and the web link's failure.
inline constexpr const char* kNumeratorTooLongMessage =
    "The numerator must be no longer than the number of significant figures used + 1. "
    "To use this numerator, please increase the number significant figures.";
inline constexpr const char* kNoBrowserMessage = "No web browser could be started.";

}  // namespace calcora::core
