#pragma once
// What an engine call gave, as the engine tests compare it: the text it
// returned, or which failure it reported. capture() runs a call and catches
// every failure kind; describe() and PrintTo() cut long texts short so that
// a failed comparison stays readable.

#include <ostream>
#include <string>
#include <string_view>
#include <utility>

#include "fixeddec/failure.h"

namespace calcora::testing_support {

enum class Kind { Text, Overflow, NaN, Invalid, DivisionByZero };

struct Outcome {
    Kind kind = Kind::Text;
    std::string text;  // empty for a failure
    bool operator==(const Outcome&) const = default;
};

inline Outcome text(std::string t) { return {Kind::Text, std::move(t)}; }
inline const Outcome kOverflow{Kind::Overflow, {}};
inline const Outcome kNaN{Kind::NaN, {}};
inline const Outcome kInvalid{Kind::Invalid, {}};

template <class Fn>
Outcome capture(Fn fn) {
    try {
        return {Kind::Text, fn()};
    } catch (const ArithmeticOverflow&) {
        return {Kind::Overflow, {}};
    } catch (const NotANumber&) {
        return {Kind::NaN, {}};
    } catch (const InvalidArgument&) {
        return {Kind::Invalid, {}};
    } catch (const DivisionByZero&) {
        return {Kind::DivisionByZero, {}};
    }
}

// A text of up to 80 characters as it is; a longer one by its start, its end
// and its length, which is what tells long results apart.
inline std::string brief(std::string_view s) {
    if (s.size() <= 80) return std::string(s);
    return std::string(s.substr(0, 40)) + "..." + std::string(s.substr(s.size() - 30)) + " (" +
           std::to_string(s.size()) + " chars)";
}

inline std::string shown(std::string_view s) { return "\"" + brief(s) + "\""; }

inline std::string describe(const Outcome& o) {
    switch (o.kind) {
        case Kind::Text: return shown(o.text);
        case Kind::Overflow: return "ArithmeticOverflow";
        case Kind::NaN: return "NotANumber";
        case Kind::Invalid: return "InvalidArgument";
        case Kind::DivisionByZero: return "DivisionByZero";
    }
    return "?";
}

// GoogleTest finds this beside Outcome and prints outcomes with it.
inline void PrintTo(const Outcome& o, std::ostream* os) { *os << describe(o); }

}  // namespace calcora::testing_support
