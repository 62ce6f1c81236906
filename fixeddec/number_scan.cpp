// SPDX-License-Identifier: MIT
#include "fixeddec/number_scan.h"

namespace calcora::number_scan {

namespace {

// An exponent beyond 10^17 cannot be brought back into any range by the digits
// of a text that fits in memory, so larger ones are held at this value; that
// keeps pointPosition far from the limits of 64 bits.
constexpr std::int64_t kExponentLimit = 100'000'000'000'000'000;

bool isDigit(char c) { return c >= '0' && c <= '9'; }

void reset(DecimalDigits& out) {
    out.count = 0;
    out.nonzeroBeyond = false;
    out.pointPosition = 0;
    out.negative = false;
}

}  // namespace

void DecimalDigits::addDigit(char c, bool afterPoint) {
    if (count == 0 && c == '0') {
        // A leading zero holds no digit, but one after the point moves it.
        if (afterPoint) --pointPosition;
        return;
    }
    if (count < kKept) {
        digits[static_cast<std::size_t>(count++)] = c;
    } else if (c != '0') {
        nonzeroBeyond = true;
    }
    if (!afterPoint) ++pointPosition;
}

// Commas: a comma may stand only directly after a digit before the point
// ("1,234", "1,2,3", "1," and "1,.5" are numbers; ",1", "1,,2" and ".5,1" are not).
bool scanNumberText(std::string_view text, DecimalDigits& out) {
    reset(out);
    std::size_t i = 0;
    std::size_t end = text.size();
    while (i < end && text[i] == ' ') ++i;
    while (end > i && text[end - 1] == ' ') --end;

    if (i < end && (text[i] == '+' || text[i] == '-')) {
        out.negative = text[i] == '-';
        ++i;
    }
    std::size_t mantissaDigits = 0;
    bool afterDigit = false;
    for (; i < end; ++i) {
        const char c = text[i];
        if (isDigit(c)) {
            out.addDigit(c, false);
            ++mantissaDigits;
            afterDigit = true;
        } else if (c == ',' && afterDigit) {
            afterDigit = false;
        } else {
            break;
        }
    }
    if (i < end && text[i] == '.') {
        for (++i; i < end && isDigit(text[i]); ++i) {
            out.addDigit(text[i], true);
            ++mantissaDigits;
        }
    }
    if (mantissaDigits == 0) return false;

    if (i < end && (text[i] == 'E' || text[i] == 'e')) {
        ++i;
        bool exponentNegative = false;
        if (i < end && (text[i] == '+' || text[i] == '-')) {
            exponentNegative = text[i] == '-';
            ++i;
        }
        std::size_t exponentDigits = 0;
        std::int64_t exponent = 0;
        for (; i < end && isDigit(text[i]); ++i) {
            ++exponentDigits;
            if (exponent < kExponentLimit) exponent = exponent * 10 + (text[i] - '0');
        }
        if (exponentDigits == 0) return false;
        if (exponent > kExponentLimit) exponent = kExponentLimit;
        out.pointPosition += exponentNegative ? -exponent : exponent;
    }
    return i == end;
}

void scanLeadingNumber(std::string_view text, DecimalDigits& out) {
    reset(out);
    std::size_t i = 0;
    const std::size_t end = text.size();
    auto skipSpaces = [&] {
        while (i < end && text[i] == ' ') ++i;
    };
    skipSpaces();
    if (i < end && (text[i] == '+' || text[i] == '-')) {
        out.negative = text[i] == '-';
        ++i;
    }
    bool afterPoint = false;
    for (skipSpaces(); i < end; skipSpaces()) {
        const char c = text[i];
        if (isDigit(c)) {
            out.addDigit(c, afterPoint);
        } else if (c == '.' && !afterPoint) {
            afterPoint = true;
        } else {
            break;
        }
        ++i;
    }
}

}  // namespace calcora::number_scan
