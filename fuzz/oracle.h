#pragma once
// The fuzz targets' own arithmetic, kept apart from the engine: a value is a
// sign, a vector of decimal digits and a power of ten, and every operation
// is the schoolbook one, digit by digit. It is slow on purpose (plain enough
// to trust); the targets call it only on operands of modest size.
//
// Also here: the readings of texts that the checks need (number strings,
// number texts, the leading number), each written from its rules alone.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace fuzz {

// ---- Exact decimal values -----------------------------------------------------

// ±digits × 10^exponent. Normalised: no zero digit at either end, so two
// equal values have equal fields; zero has no digits, exponent 0, no sign.
struct Exact {
    bool negative = false;
    std::vector<std::uint8_t> digits;  // least significant first
    std::int64_t exponent = 0;

    bool isZero() const { return digits.empty(); }
    std::int64_t size() const { return static_cast<std::int64_t>(digits.size()); }
    // Place of the leading digit: 10^top ≤ |value| < 10^(top + 1). Zero: a very low place.
    std::int64_t top() const { return isZero() ? INT64_MIN / 4 : exponent + size() - 1; }
    // Digit at place value 10^place.
    int digitAt(std::int64_t place) const {
        const std::int64_t i = place - exponent;
        return (i < 0 || i >= size()) ? 0 : digits[static_cast<std::size_t>(i)];
    }
};

inline void normalize(Exact& x) {
    while (!x.digits.empty() && x.digits.back() == 0) x.digits.pop_back();
    std::size_t low = 0;
    while (low < x.digits.size() && x.digits[low] == 0) ++low;
    if (low > 0) {
        x.digits.erase(x.digits.begin(), x.digits.begin() + static_cast<std::ptrdiff_t>(low));
        x.exponent += static_cast<std::int64_t>(low);
    }
    if (x.digits.empty()) {
        x.negative = false;
        x.exponent = 0;
    }
}

// The value of decimal digits (most significant first) times 10^exponent.
inline Exact fromDigits(std::string_view msFirst, std::int64_t exponent, bool negative) {
    Exact x;
    x.negative = negative;
    x.exponent = exponent;
    x.digits.reserve(msFirst.size());
    for (auto it = msFirst.rbegin(); it != msFirst.rend(); ++it) {
        x.digits.push_back(static_cast<std::uint8_t>(*it - '0'));
    }
    normalize(x);
    return x;
}

inline Exact fromInteger(std::uint64_t value) {
    return fromDigits(std::to_string(value), 0, false);
}

inline Exact powerOfTen(std::int64_t k) {
    Exact x;
    x.digits = {1};
    x.exponent = k;
    return x;
}

inline Exact negated(Exact x) {
    if (!x.isZero()) x.negative = !x.negative;
    return x;
}

inline Exact magnitude(Exact x) {
    x.negative = false;
    return x;
}

// x × 10^k.
inline Exact scaled(Exact x, std::int64_t k) {
    if (!x.isZero()) x.exponent += k;
    return x;
}

// Compares |a| × 10^shiftA with |b|: −1, 0 or 1.
inline int compareMagnitude(const Exact& a, const Exact& b, std::int64_t shiftA = 0) {
    if (a.isZero() || b.isZero()) return a.isZero() ? (b.isZero() ? 0 : -1) : 1;
    const std::int64_t topA = a.top() + shiftA;
    const std::int64_t topB = b.top();
    if (topA != topB) return topA < topB ? -1 : 1;
    const std::int64_t lowA = a.exponent + shiftA;
    const std::int64_t low = std::min(lowA, b.exponent);
    for (std::int64_t place = topA; place >= low; --place) {
        const int da = a.digitAt(place - shiftA);
        const int db = b.digitAt(place);
        if (da != db) return da < db ? -1 : 1;
    }
    return 0;
}

inline int compare(const Exact& a, const Exact& b) {
    if (a.negative != b.negative) return a.negative ? -1 : 1;
    const int c = compareMagnitude(a, b);
    return a.negative ? -c : c;
}

inline bool operator==(const Exact& a, const Exact& b) { return compare(a, b) == 0; }

inline Exact add(const Exact& a, const Exact& b) {
    if (a.isZero()) return b;
    if (b.isZero()) return a;
    const std::int64_t low = std::min(a.exponent, b.exponent);
    const std::int64_t high = std::max(a.top(), b.top()) + 1;
    const auto width = static_cast<std::size_t>(high - low + 1);
    Exact r;
    r.exponent = low;
    r.digits.assign(width, 0);
    if (a.negative == b.negative) {
        r.negative = a.negative;
        int carry = 0;
        for (std::size_t i = 0; i < width; ++i) {
            const std::int64_t place = low + static_cast<std::int64_t>(i);
            const int s = a.digitAt(place) + b.digitAt(place) + carry;
            r.digits[i] = static_cast<std::uint8_t>(s % 10);
            carry = s / 10;
        }
    } else {
        const int order = compareMagnitude(a, b);
        if (order == 0) return Exact{};
        const Exact& big = order > 0 ? a : b;
        const Exact& small = order > 0 ? b : a;
        r.negative = big.negative;
        int borrow = 0;
        for (std::size_t i = 0; i < width; ++i) {
            const std::int64_t place = low + static_cast<std::int64_t>(i);
            int s = big.digitAt(place) - small.digitAt(place) - borrow;
            borrow = s < 0 ? 1 : 0;
            r.digits[i] = static_cast<std::uint8_t>(s + 10 * borrow);
        }
    }
    normalize(r);
    return r;
}

inline Exact subtract(const Exact& a, const Exact& b) { return add(a, negated(b)); }

inline Exact multiply(const Exact& a, const Exact& b) {
    if (a.isZero() || b.isZero()) return Exact{};
    // Column sums stay below 81 × length, far inside 64 bits.
    std::vector<std::uint64_t> columns(a.digits.size() + b.digits.size() + 1, 0);
    for (std::size_t i = 0; i < a.digits.size(); ++i) {
        const std::uint64_t da = a.digits[i];
        if (da == 0) continue;
        for (std::size_t j = 0; j < b.digits.size(); ++j) columns[i + j] += da * b.digits[j];
    }
    Exact r;
    r.negative = a.negative != b.negative;
    r.exponent = a.exponent + b.exponent;
    r.digits.resize(columns.size());
    std::uint64_t carry = 0;
    for (std::size_t k = 0; k < columns.size(); ++k) {
        const std::uint64_t v = columns[k] + carry;
        r.digits[k] = static_cast<std::uint8_t>(v % 10);
        carry = v / 10;
    }
    while (carry > 0) {
        r.digits.push_back(static_cast<std::uint8_t>(carry % 10));
        carry /= 10;
    }
    normalize(r);
    return r;
}

// a × m, one pass with a carry.
inline Exact multiplySmall(const Exact& a, std::uint32_t m) {
    Exact r = a;
    std::uint64_t carry = 0;
    for (auto& digit : r.digits) {
        const std::uint64_t v = std::uint64_t{digit} * m + carry;
        digit = static_cast<std::uint8_t>(v % 10);
        carry = v / 10;
    }
    for (; carry > 0; carry /= 10) r.digits.push_back(static_cast<std::uint8_t>(carry % 10));
    normalize(r);
    return r;
}

// x cut toward zero at place value 10^place.
inline Exact truncated(const Exact& x, std::int64_t place) {
    if (x.isZero() || x.exponent >= place) return x;
    if (x.top() < place) return Exact{};
    Exact r = x;
    const auto drop = static_cast<std::size_t>(place - x.exponent);
    r.digits.erase(r.digits.begin(), r.digits.begin() + static_cast<std::ptrdiff_t>(drop));
    r.exponent = place;
    normalize(r);
    return r;
}

// The mantissa's residue modulo p (p below 2^62).
inline std::uint64_t residue(const Exact& x, std::uint64_t p) {
    unsigned __int128 r = 0;
    for (auto it = x.digits.rbegin(); it != x.digits.rend(); ++it) r = (r * 10 + *it) % p;
    return static_cast<std::uint64_t>(r);
}

inline std::uint64_t powerMod(std::uint64_t base, std::uint64_t e, std::uint64_t p) {
    unsigned __int128 result = 1 % p;
    unsigned __int128 b = base % p;
    for (; e > 0; e >>= 1) {
        if (e & 1) result = result * b % p;
        b = b * b % p;
    }
    return static_cast<std::uint64_t>(result);
}

// Written out: "-" when negative, no leading zeros (".25"), no trailing
// fraction zeros or point, "0" for zero. This is the form in which
// LargeMultiply writes its products.
inline std::string plainText(const Exact& x) {
    if (x.isZero()) return "0";
    std::string out = x.negative ? "-" : "";
    if (x.exponent >= 0) {
        for (auto it = x.digits.rbegin(); it != x.digits.rend(); ++it) out += static_cast<char>('0' + *it);
        out.append(static_cast<std::size_t>(x.exponent), '0');
        return out;
    }
    const std::int64_t fraction = -x.exponent;
    if (x.top() < 0) {
        out += '.';
        out.append(static_cast<std::size_t>(fraction - x.size()), '0');
    }
    for (std::int64_t place = x.top(); place >= x.exponent; --place) {
        if (place == -1 && x.top() >= 0) out += '.';
        out += static_cast<char>('0' + x.digitAt(place));
    }
    return out;
}

// A short scientific rendering for reports.
inline std::string describe(const Exact& x) {
    if (x.isZero()) return "0";
    std::string out = x.negative ? "-" : "";
    const std::size_t shownDigits = std::min<std::size_t>(x.digits.size(), 60);
    for (std::size_t i = 0; i < shownDigits; ++i) {
        out += static_cast<char>('0' + x.digits[x.digits.size() - 1 - i]);
        if (i == 0 && x.digits.size() > 1) out += '.';
    }
    if (shownDigits < x.digits.size()) out += "…(" + std::to_string(x.digits.size()) + " digits)";
    return out + "e" + std::to_string(x.top());
}

// The nearest double (±infinity beyond the range), by the C library.
inline double nearestDouble(const Exact& x) {
    if (x.isZero()) return x.negative ? -0.0 : 0.0;
    if (x.top() > 400) return x.negative ? -HUGE_VAL : HUGE_VAL;
    if (x.top() < -400) return x.negative ? -0.0 : 0.0;
    std::string text = x.negative ? "-" : "";
    for (auto it = x.digits.rbegin(); it != x.digits.rend(); ++it) text += static_cast<char>('0' + *it);
    text += 'e';
    text += std::to_string(x.exponent);
    return std::strtod(text.c_str(), nullptr);
}

// ---- Texts ------------------------------------------------------------------------

// The engine's number string: an optional "-", digits and at most one ".";
// "", "-" and "." are zero. Nothing for any other text.
inline std::optional<Exact> parseNumberString(std::string_view s) {
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
        } else if (c >= '0' && c <= '9') {
            digits += c;
            if (point) ++fraction;
        } else {
            return std::nullopt;
        }
    }
    return fromDigits(digits, -fraction, negative);
}

inline bool isNumberString(std::string_view s) { return parseNumberString(s).has_value(); }

// A magnitude: a number string without the sign.
inline bool isMagnitude(std::string_view s) { return (s.empty() || s.front() != '-') && isNumberString(s); }

inline std::optional<Exact> parseMagnitude(std::string_view s) {
    if (!s.empty() && s.front() == '-') return std::nullopt;
    return parseNumberString(s);
}

inline std::string withoutSeparators(std::string_view s) {
    std::string out;
    for (const char c : s) {
        if (c != ',' && c != ' ') out += c;
    }
    return out;
}

// An operand as the arithmetic reads it: separators gone, one leading "-"
// taken off as its sign.
struct Operand {
    bool negative = false;
    std::string magnitude;
};

inline Operand split(std::string_view raw) {
    Operand op;
    op.magnitude = withoutSeparators(raw);
    if (!op.magnitude.empty() && op.magnitude.front() == '-') {
        op.negative = true;
        op.magnitude.erase(0, 1);
    }
    return op;
}

// Exponents of texts are held at this size: no text that fits in memory can
// bring a larger one back into any range that matters here.
inline constexpr std::int64_t kExponentClamp = 1'000'000'000'000;

inline bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The number-text rules of the fixed decimal's readings: spaces (the space
// character only) around; one optional "+" or "-"; an integer part of digits
// in which a comma may follow a digit, never another comma and never open
// it; an optional "." and digits; at least one digit in all; an optional
// "E"/"e", optional sign and at least one digit. Nothing for any other text.
inline std::optional<Exact> readNumberText(std::string_view t) {
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

// The leading number: spaces anywhere left out, then one optional sign,
// digits, one "." and digits; the first other character ends it.
inline Exact readLeadingNumber(std::string_view t) {
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

}  // namespace fuzz
