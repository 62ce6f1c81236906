// SPDX-License-Identifier: MIT
#include "tests/support/exact.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <stdexcept>

namespace calcora::testing_support {

void normalize(Exact& x) {
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

Exact fromDigits(std::string_view msFirst, std::int64_t exponent, bool negative) {
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

Exact fromInteger(std::uint64_t value) { return fromDigits(std::to_string(value), 0, false); }

Exact powerOfTen(std::int64_t k) {
    Exact x;
    x.digits = {1};
    x.exponent = k;
    return x;
}

Exact negated(Exact x) {
    if (!x.isZero()) x.negative = !x.negative;
    return x;
}

Exact magnitude(Exact x) {
    x.negative = false;
    return x;
}

Exact scaled(Exact x, std::int64_t k) {
    if (!x.isZero()) x.exponent += k;
    return x;
}

int compareMagnitude(const Exact& a, const Exact& b, std::int64_t shiftA) {
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

int compare(const Exact& a, const Exact& b) {
    if (a.negative != b.negative) return a.negative ? -1 : 1;
    const int c = compareMagnitude(a, b);
    return a.negative ? -c : c;
}

bool operator==(const Exact& a, const Exact& b) { return compare(a, b) == 0; }

Exact add(const Exact& a, const Exact& b) {
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

Exact subtract(const Exact& a, const Exact& b) { return add(a, negated(b)); }

Exact multiply(const Exact& a, const Exact& b) {
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

Exact multiplySmall(const Exact& a, std::uint32_t m) {
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

namespace {

// Digits least significant first, without zeros on top: a ≥ b.
bool atLeast(const std::vector<std::uint8_t>& a, const std::vector<std::uint8_t>& b) {
    if (a.size() != b.size()) return a.size() > b.size();
    for (std::size_t i = a.size(); i-- > 0;) {
        if (a[i] != b[i]) return a[i] > b[i];
    }
    return true;
}

// a −= b for a ≥ b, then the zeros on top go.
void subtractInPlace(std::vector<std::uint8_t>& a, const std::vector<std::uint8_t>& b) {
    int borrow = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        int d = a[i] - (i < b.size() ? b[i] : 0) - borrow;
        borrow = d < 0 ? 1 : 0;
        a[i] = static_cast<std::uint8_t>(d + 10 * borrow);
    }
    while (!a.empty() && a.back() == 0) a.pop_back();
}

}  // namespace

Exact quotient(const Exact& a, const Exact& b, std::int64_t place) {
    if (b.isZero()) throw std::domain_error("quotient: a zero divisor");
    if (a.isZero() || compareMagnitude(a, b, -place) < 0) return Exact{};  // |a| < |b|·10^place
    // |a|/|b| / 10^place = A·10^k / B with A, B the mantissas: the numerator
    // gets k zeros, or loses −k low digits (flooring twice floors once).
    const std::int64_t k = a.exponent - b.exponent - place;
    std::vector<std::uint8_t> numerator;  // most significant first
    const std::int64_t kept = a.size() + std::min<std::int64_t>(k, 0);
    for (std::int64_t i = a.size() - 1; i >= a.size() - kept; --i) numerator.push_back(a.digits[static_cast<std::size_t>(i)]);
    numerator.insert(numerator.end(), static_cast<std::size_t>(std::max<std::int64_t>(k, 0)), 0);

    // Long division, each quotient digit by repeated subtraction.
    std::vector<std::uint8_t> remainder;  // least significant first
    std::string digits;
    for (const std::uint8_t d : numerator) {
        remainder.insert(remainder.begin(), d);
        while (!remainder.empty() && remainder.back() == 0) remainder.pop_back();
        int q = 0;
        while (atLeast(remainder, b.digits)) {
            subtractInPlace(remainder, b.digits);
            ++q;
        }
        digits += static_cast<char>('0' + q);
    }
    return fromDigits(digits, place, a.negative != b.negative);
}

Exact truncated(const Exact& x, std::int64_t place) {
    if (x.isZero() || x.exponent >= place) return x;
    if (x.top() < place) return Exact{};
    Exact r = x;
    const auto drop = static_cast<std::size_t>(place - x.exponent);
    r.digits.erase(r.digits.begin(), r.digits.begin() + static_cast<std::ptrdiff_t>(drop));
    r.exponent = place;
    normalize(r);
    return r;
}

namespace {

// A non-negative integer in base-10^9 limbs, lowest first; no zero limb on
// top. The long-hand root runs on these: many small steps on long numbers.
using Limbs = std::vector<std::uint64_t>;
constexpr std::uint64_t kLimbBase = 1'000'000'000;

void trim(Limbs& a) {
    while (!a.empty() && a.back() == 0) a.pop_back();
}

Limbs mulAdd(const Limbs& a, std::uint64_t m, std::uint64_t add) {
    Limbs r;
    std::uint64_t carry = add;
    for (const std::uint64_t limb : a) {
        const std::uint64_t v = limb * m + carry;
        r.push_back(v % kLimbBase);
        carry = v / kLimbBase;
    }
    while (carry != 0) {
        r.push_back(carry % kLimbBase);
        carry /= kLimbBase;
    }
    trim(r);
    return r;
}

int compareLimbs(const Limbs& a, const Limbs& b) {
    if (a.size() != b.size()) return a.size() < b.size() ? -1 : 1;
    for (std::size_t i = a.size(); i-- > 0;) {
        if (a[i] != b[i]) return a[i] < b[i] ? -1 : 1;
    }
    return 0;
}

// a − b for a ≥ b.
Limbs subtractLimbs(const Limbs& a, const Limbs& b) {
    Limbs r = a;
    std::uint64_t borrow = 0;
    for (std::size_t i = 0; i < r.size(); ++i) {
        const std::uint64_t sub = (i < b.size() ? b[i] : 0) + borrow;
        borrow = r[i] < sub;
        r[i] = borrow ? r[i] + kLimbBase - sub : r[i] - sub;
    }
    trim(r);
    return r;
}

}  // namespace

Exact squareRoot(const Exact& x, int figures) {
    if (x.isZero()) return Exact{};
    // The digits before and after the point, each side padded to whole pairs.
    std::string integer, fraction;
    for (std::int64_t place = std::max<std::int64_t>(x.top(), 0); place >= 0; --place) integer += static_cast<char>('0' + x.digitAt(place));
    for (std::int64_t place = -1; place >= std::min<std::int64_t>(x.exponent, 0); --place) fraction += static_cast<char>('0' + x.digitAt(place));
    if (integer.size() % 2 != 0) integer.insert(integer.begin(), '0');
    if (fraction.size() % 2 != 0) fraction += '0';
    const std::size_t integerPairs = integer.size() / 2;
    const std::string digits = integer + fraction;

    // Pairs of digits are brought down from the point outwards; each root
    // digit d is the largest with (20·p + d)·d ≤ the remainder, p the root so far.
    Limbs remainder, root;
    std::string rootDigits;  // integerPairs of them stand before the point
    int significant = 0;
    for (std::size_t pair = 0; significant < figures || pair < integerPairs; ++pair) {
        const std::uint64_t down = 2 * pair < digits.size()
                                       ? static_cast<std::uint64_t>((digits[2 * pair] - '0') * 10 + (digits[2 * pair + 1] - '0'))
                                       : 0;
        remainder = mulAdd(remainder, 100, down);
        const Limbs twenty = mulAdd(root, 20, 0);
        int d = 9;
        Limbs take;
        for (; d > 0; --d) {
            take = mulAdd(mulAdd(twenty, 1, static_cast<std::uint64_t>(d)), static_cast<std::uint64_t>(d), 0);
            if (compareLimbs(take, remainder) <= 0) break;
        }
        if (d > 0) remainder = subtractLimbs(remainder, take);
        root = mulAdd(root, 10, static_cast<std::uint64_t>(d));
        // Past the figure count the integer digits are zeros (a truncation).
        const bool counted = significant > 0 || d != 0;
        rootDigits += significant < figures ? static_cast<char>('0' + d) : '0';
        if (counted) ++significant;
    }
    return fromDigits(rootDigits, -static_cast<std::int64_t>(rootDigits.size() - integerPairs), false);
}

std::uint64_t mulMod(std::uint64_t a, std::uint64_t b, std::uint64_t p) {
    // Below 2^62 every sum of two residues fits a 64-bit word.
    a %= p;
    std::uint64_t result = 0;
    for (; b > 0; b >>= 1) {
        if (b & 1) result = (result + a) % p;
        a = (a + a) % p;
    }
    return result;
}

Exact roundedToFigures(const Exact& x, int figures, bool inexact) {
    if (x.isZero()) return x;
    const std::int64_t place = x.top() - figures + 1;  // of the last figure kept
    const Exact kept = truncated(x, place);
    const Exact rest = magnitude(subtract(x, kept));
    int versusHalf = rest.isZero() ? -1 : compareMagnitude(rest, fromDigits("5", place - 1, false));
    if (versusHalf == 0 && inexact) versusHalf = 1;
    if (versusHalf < 0 || (versusHalf == 0 && kept.digitAt(place) % 2 == 0)) return kept;
    return add(kept, fromDigits("1", place, x.negative));
}

std::uint64_t residue(const Exact& x, std::uint64_t p) {
    std::uint64_t r = 0;
    for (auto it = x.digits.rbegin(); it != x.digits.rend(); ++it) r = (mulMod(r, 10, p) + *it) % p;
    return r;
}

std::uint64_t powerMod(std::uint64_t base, std::uint64_t e, std::uint64_t p) {
    std::uint64_t result = 1 % p;
    std::uint64_t b = base % p;
    for (; e > 0; e >>= 1) {
        if (e & 1) result = mulMod(result, b, p);
        b = mulMod(b, b, p);
    }
    return result;
}

std::string plainText(const Exact& x) {
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

std::string describe(const Exact& x) {
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

double nearestDouble(const Exact& x) {
    if (x.isZero()) return x.negative ? -0.0 : 0.0;
    if (x.top() > 400) return x.negative ? -HUGE_VAL : HUGE_VAL;
    if (x.top() < -400) return x.negative ? -0.0 : 0.0;
    std::string text = x.negative ? "-" : "";
    for (auto it = x.digits.rbegin(); it != x.digits.rend(); ++it) text += static_cast<char>('0' + *it);
    text += 'e';
    text += std::to_string(x.exponent);
    return std::strtod(text.c_str(), nullptr);
}

}  // namespace calcora::testing_support
