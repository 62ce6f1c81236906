// SPDX-License-Identifier: MIT
#pragma once
// What a call gave, as the tests and the fuzz targets compare it: the value
// it returned, or which failure it reported. capture() runs a call and
// catches every Failure (anything else passes through); describe() and
// brief() cut long texts short so that a report stays readable.

#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>

#include "fixeddec/failure.h"

namespace calcora::testing_support {

enum class Kind { Value, Overflow, NotANumber, InvalidArgument, DivisionByZero, NumeratorTooLong, OtherFailure };

// "a value", "ArithmeticOverflow", "NotANumber", ...
const char* kindName(Kind kind);

template <class T = std::string>
struct Outcome {
    Kind kind = Kind::Value;
    std::optional<T> value;  // present exactly when kind is Value
    std::string what;        // the failure's message; outcomes compare without it

    bool ok() const { return kind == Kind::Value; }
    bool operator==(const Outcome& other) const { return kind == other.kind && value == other.value; }
};

inline Outcome<> text(std::string t) { return {Kind::Value, std::move(t), {}}; }
inline const Outcome<> kOverflow{Kind::Overflow, std::nullopt, {}};
inline const Outcome<> kNaN{Kind::NotANumber, std::nullopt, {}};
inline const Outcome<> kInvalid{Kind::InvalidArgument, std::nullopt, {}};
inline const Outcome<> kByZero{Kind::DivisionByZero, std::nullopt, {}};
inline const Outcome<> kTooLongNumerator{Kind::NumeratorTooLong, std::nullopt, {}};

// Runs fn() and keeps its result, or the kind and message of the Failure it threw.
template <class Fn>
auto capture(Fn&& fn) -> Outcome<std::decay_t<decltype(fn())>> {
    using Result = Outcome<std::decay_t<decltype(fn())>>;
    const auto failed = [](Kind kind, const Failure& e) { return Result{kind, std::nullopt, e.what()}; };
    try {
        return Result{Kind::Value, fn(), {}};
    } catch (const ArithmeticOverflow& e) {
        return failed(Kind::Overflow, e);
    } catch (const NotANumber& e) {
        return failed(Kind::NotANumber, e);
    } catch (const InvalidArgument& e) {
        return failed(Kind::InvalidArgument, e);
    } catch (const DivisionByZero& e) {
        return failed(Kind::DivisionByZero, e);
    } catch (const NumeratorTooLong& e) {
        return failed(Kind::NumeratorTooLong, e);
    } catch (const Failure& e) {
        return failed(Kind::OtherFailure, e);
    }
}

// A text of up to 80 characters as it is; a longer one by its start, its end
// and its length, which is what tells long results apart.
std::string brief(std::string_view s);
// brief(s) in quotes.
std::string shown(std::string_view s);

// The value (texts shown(), numbers written out) or the failure's kind and message.
template <class T>
std::string describe(const Outcome<T>& o) {
    if (!o.ok()) return o.what.empty() ? kindName(o.kind) : std::string(kindName(o.kind)) + " (" + o.what + ")";
    if constexpr (std::is_convertible_v<const T&, std::string_view>) {
        return shown(*o.value);
    } else if constexpr (std::is_arithmetic_v<T>) {
        return std::to_string(*o.value);
    } else {
        return "a value";
    }
}

// GoogleTest finds this beside Outcome and prints outcomes with it.
template <class T>
void PrintTo(const Outcome<T>& o, std::ostream* os) {
    *os << describe(o);
}

}  // namespace calcora::testing_support
