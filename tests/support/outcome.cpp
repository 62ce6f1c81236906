// SPDX-License-Identifier: MIT
#include "tests/support/outcome.h"

namespace calcora::testing_support {

const char* kindName(Kind kind) {
    switch (kind) {
        case Kind::Value: return "a value";
        case Kind::Overflow: return "ArithmeticOverflow";
        case Kind::NotANumber: return "NotANumber";
        case Kind::InvalidArgument: return "InvalidArgument";
        case Kind::DivisionByZero: return "DivisionByZero";
        case Kind::NumeratorTooLong: return "NumeratorTooLong";
        case Kind::OtherFailure: return "a Failure of no known kind";
    }
    return "?";
}

std::string brief(std::string_view s) {
    if (s.size() <= 80) return std::string(s);
    return std::string(s.substr(0, 40)) + "..." + std::string(s.substr(s.size() - 30)) + " (" +
           std::to_string(s.size()) + " chars)";
}

std::string shown(std::string_view s) {
    std::string out(1, '"');
    out += brief(s);
    out += '"';
    return out;
}

}  // namespace calcora::testing_support
