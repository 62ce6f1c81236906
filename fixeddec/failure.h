// SPDX-License-Identifier: MIT
#pragma once
// The failures that the arithmetic reports to its callers. The engine and the
// fixed decimal throw these and nothing else for bad input or results out of
// range; the window turns them into its own messages.

#include <stdexcept>
#include <string>

namespace calcora {

// Base of every failure; what() names the operation and the limit.
class Failure : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A value, length, count or position outside its range (a text over 32,767
// characters, a 16-bit count, a fixed decimal or double out of range).
class ArithmeticOverflow : public Failure {
public:
    using Failure::Failure;
};

// A text, or a character read as a digit, that is not a number.
class NotANumber : public Failure {
public:
    using Failure::Failure;
};

// An argument outside what the routine accepts (a position outside a text).
class InvalidArgument : public Failure {
public:
    using Failure::Failure;
};

// Division by zero, in the fixed decimal and in the string arithmetic.
class DivisionByZero : public Failure {
public:
    using Failure::Failure;
};

// A dividend longer than the division's figure count allows (LargeDiv).
class NumeratorTooLong : public Failure {
public:
    using Failure::Failure;
};

}  // namespace calcora
