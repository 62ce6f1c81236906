// SPDX-License-Identifier: MIT
#include "tests/support/number_text.h"

#include <algorithm>

namespace calcora::testing_support {

std::optional<Exact> parseNumberString(std::string_view s) {
    bool negative = false;
    if (!s.empty() && s.front() == '-') {
        negative = true;
        s.remove_prefix(1);
    }
    std::string digits;
    std::int64_t fraction = 0;
    bool point = false;
    for (const char c : s) {
        if (c == '.') {
            if (point) return std::nullopt;
            point = true;
        } else if (isDigit(c)) {
            digits += c;
            if (point) ++fraction;
        } else {
            return std::nullopt;
        }
    }
    return fromDigits(digits, -fraction, negative);
}

bool isNumberString(std::string_view s) { return parseNumberString(s).has_value(); }

std::optional<Exact> parseMagnitude(std::string_view s) {
    if (!s.empty() && s.front() == '-') return std::nullopt;
    return parseNumberString(s);
}

bool isMagnitude(std::string_view s) { return parseMagnitude(s).has_value(); }

std::string withoutSeparators(std::string_view s) {
    std::string out;
    for (const char c : s) {
        if (c != ',' && c != ' ') out += c;
    }
    return out;
}

Operand split(std::string_view raw) {
    Operand op;
    op.magnitude = withoutSeparators(raw);
    if (!op.magnitude.empty() && op.magnitude.front() == '-') {
        op.negative = true;
        op.magnitude.erase(0, 1);
    }
    return op;
}

std::size_t integerChars(std::string_view magnitude) { return std::min(magnitude.find('.'), magnitude.size()); }

std::size_t fractionChars(std::string_view magnitude) {
    const std::size_t at = magnitude.find('.');
    return at == std::string_view::npos ? 0 : magnitude.size() - at - 1;
}

std::optional<Exact> readNumberText(std::string_view t) {
    const std::size_t first = t.find_first_not_of(' ');
    if (first == std::string_view::npos) return std::nullopt;
    t = t.substr(first, t.find_last_not_of(' ') - first + 1);

    std::size_t i = 0;
    bool negative = false;
    if (t[0] == '+' || t[0] == '-') {
        negative = t[0] == '-';
        ++i;
    }
    const std::size_t intStart = i;
    while (i < t.size() && (isDigit(t[i]) || t[i] == ',')) ++i;
    const std::string_view integer = t.substr(intStart, i - intStart);
    if (!integer.empty() && integer.front() == ',') return std::nullopt;
    if (integer.find(",,") != std::string_view::npos) return std::nullopt;
    std::string digits;
    for (const char c : integer) {
        if (c != ',') digits += c;
    }
    std::int64_t fraction = 0;
    if (i < t.size() && t[i] == '.') {
        for (++i; i < t.size() && isDigit(t[i]); ++i, ++fraction) digits += t[i];
    }
    if (digits.empty()) return std::nullopt;
    std::int64_t exponent = 0;
    if (i < t.size() && (t[i] == 'E' || t[i] == 'e')) {
        ++i;
        bool exponentNegative = false;
        if (i < t.size() && (t[i] == '+' || t[i] == '-')) exponentNegative = t[i++] == '-';
        const std::size_t start = i;
        for (; i < t.size() && isDigit(t[i]); ++i) {
            exponent = std::min(exponent * 10 + (t[i] - '0'), kExponentClamp);
        }
        if (i == start) return std::nullopt;
        if (exponentNegative) exponent = -exponent;
    }
    if (i != t.size()) return std::nullopt;
    return fromDigits(digits, exponent - fraction, negative);
}

Exact readLeadingNumber(std::string_view t) {
    std::string s;
    for (const char c : t) {
        if (c != ' ') s += c;
    }
    std::size_t i = 0;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
    std::string digits;
    std::int64_t fraction = 0;
    bool point = false;
    for (; i < s.size(); ++i) {
        if (isDigit(s[i])) {
            digits += s[i];
            if (point) ++fraction;
        } else if (s[i] == '.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    return fromDigits(digits, -fraction, negative);
}

std::string typedForm(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t\n\r\v\f");
    if (first == std::string_view::npos) return {};
    text = text.substr(first, text.find_last_not_of(" \t\n\r\v\f") - first + 1);
    std::string out;
    for (const char c : text) {
        if (c != ',' && c != ' ') out += c;
    }
    return out;
}

std::optional<Exact> readTypedNumber(std::string_view text) {
    const std::string typed = typedForm(text);
    if (typed.empty()) return std::nullopt;
    return readNumberText(typed);
}

}  // namespace calcora::testing_support
