// Fixed-decimal arithmetic and text reading against an exact rational oracle.
// The oracle works on decimal digit strings, one digit at a time, so it shares
// nothing with the 32-bit limbs of the library. For a rational N/D it finds
// the largest scale s ≤ 28 where floor(N·10^s / D) fits in 96 bits and rounds
// there, a tie to the even digit, never past 2^96 − 1.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "fixeddec/fixeddec.h"

namespace calcora {
namespace {

// ---- Non-negative integers as decimal digit strings ------------------------

using Digits = std::string;  // no leading zeros; "0" for zero

Digits norm(std::string s) {
    const auto first = s.find_first_not_of('0');
    return first == std::string::npos ? "0" : s.substr(first);
}

int cmp(const Digits& a, const Digits& b) {
    if (a.size() != b.size()) return a.size() < b.size() ? -1 : 1;
    return a < b ? -1 : (a == b ? 0 : 1);
}

Digits add(const Digits& a, const Digits& b) {
    std::string r;
    int carry = 0;
    for (std::size_t i = 0; i < std::max(a.size(), b.size()) || carry; ++i) {
        int s = carry;
        if (i < a.size()) s += a[a.size() - 1 - i] - '0';
        if (i < b.size()) s += b[b.size() - 1 - i] - '0';
        r += static_cast<char>('0' + s % 10);
        carry = s / 10;
    }
    std::reverse(r.begin(), r.end());
    return norm(r);
}

Digits sub(const Digits& a, const Digits& b) {  // a ≥ b
    std::string r;
    int borrow = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        int s = a[a.size() - 1 - i] - '0' - borrow;
        if (i < b.size()) s -= b[b.size() - 1 - i] - '0';
        borrow = s < 0;
        r += static_cast<char>('0' + (s + 10) % 10);
    }
    std::reverse(r.begin(), r.end());
    return norm(r);
}

Digits mul(const Digits& a, const Digits& b) {
    std::vector<int> acc(a.size() + b.size(), 0);
    for (std::size_t i = 0; i < a.size(); ++i)
        for (std::size_t j = 0; j < b.size(); ++j)
            acc[i + j + 1] += (a[i] - '0') * (b[j] - '0');
    for (std::size_t k = acc.size() - 1; k > 0; --k) {
        acc[k - 1] += acc[k] / 10;
        acc[k] %= 10;
    }
    std::string r;
    for (int d : acc) r += static_cast<char>('0' + d);
    return norm(r);
}

Digits shifted(const Digits& a, int zeros) { return a == "0" ? a : a + std::string(zeros, '0'); }

// Long division, one quotient digit at a time by repeated subtraction.
std::pair<Digits, Digits> divmod(const Digits& n, const Digits& d) {
    std::string q;
    Digits r = "0";
    for (char c : n) {
        r = norm(r + c);
        int digit = 0;
        while (cmp(r, d) >= 0) {
            r = sub(r, d);
            ++digit;
        }
        q += static_cast<char>('0' + digit);
    }
    return {norm(q), r};
}

bool isOdd(const Digits& a) { return (a.back() - '0') % 2 == 1; }

const Digits kMax = "79228162514264337593543950335";

Digits magnitudeDigits(const FixedDecimal& x) {
    const Digits two32 = "4294967296";
    return add(mul(add(mul(std::to_string(x.hi()), two32), std::to_string(x.mid())), two32),
               std::to_string(x.lo()));
}

// ---- The expected result ----------------------------------------------------

struct Expected {
    Digits magnitude;
    int scale = 0;
    bool negative = false;
};

// The nearest fixed decimal to ±N/D; nothing when the integer part is too large.
std::optional<Expected> nearestFixed(const Digits& n, const Digits& d, bool negative) {
    const Digits q28 = divmod(shifted(n, 28), d).first;
    int scale = 28;
    Digits q = q28;
    // floor(N·10^s/D) is floor(N·10^28/D) with 28 − s digits dropped.
    while (cmp(q, kMax) > 0) {
        if (scale == 0) return std::nullopt;
        --scale;
        q = q28.size() > static_cast<std::size_t>(28 - scale)
                ? q28.substr(0, q28.size() - static_cast<std::size_t>(28 - scale))
                : "0";
    }
    const Digits rem = sub(shifted(n, scale), mul(q, d));
    const int c = cmp(add(rem, rem), d);
    if (c > 0 || (c == 0 && isOdd(q))) {
        q = add(q, "1");
        if (cmp(q, kMax) > 0) q = kMax;
    }
    return Expected{q, scale, negative && q != "0"};
}

std::string describe(const FixedDecimal& x) {
    return (x.negative() ? "-" : "+") + magnitudeDigits(x) + "e-" + std::to_string(x.scale());
}

std::string describe(const Expected& e) {
    return (e.negative ? "-" : "+") + e.magnitude + "e-" + std::to_string(e.scale);
}

// Same value: m1·10^s2 = m2·10^s1 and the same sign.
bool sameValue(const FixedDecimal& actual, const Expected& expected) {
    const Digits m = magnitudeDigits(actual);
    if (m == "0" || expected.magnitude == "0") return m == expected.magnitude;
    return actual.negative() == expected.negative &&
           shifted(m, expected.scale) == shifted(expected.magnitude, actual.scale());
}

// ---- Random operands ----------------------------------------------------------

class Operands {
public:
    explicit Operands(std::uint64_t seed) : rng_(seed) {}

    FixedDecimal next() {
        const int scale = static_cast<int>(rng_() % 29);
        const bool negative = rng_() % 2 == 0;
        switch (rng_() % 8) {
            case 0:  // the largest magnitude
                return FixedDecimal::fromParts(~0u, ~0u, ~0u, scale, negative);
            case 1: {  // a power of ten, or one either side of it
                const int k = static_cast<int>(rng_() % 29);
                Digits m = shifted("1", k);
                const int step = static_cast<int>(rng_() % 3);
                if (step == 1) m = add(m, "1");
                if (step == 2) m = sub(m, "1");
                return toFixedDecimal((negative ? "-" : "") + withScale(m, scale));
            }
            default: {  // a magnitude of a random bit length
                const int bits = static_cast<int>(rng_() % 97);
                std::uint32_t limbs[3] = {0, 0, 0};
                for (int b = 0; b < bits; ++b) {
                    if (b == bits - 1 || rng_() % 2) limbs[b / 32] |= 1u << (b % 32);
                }
                return FixedDecimal::fromParts(limbs[2], limbs[1], limbs[0], scale, negative);
            }
        }
    }

    std::uint64_t raw() { return rng_(); }

    static std::string withScale(const Digits& m, int scale) {
        std::string padded = std::string(static_cast<std::size_t>(std::max(0, scale + 1 - static_cast<int>(m.size()))), '0') + m;
        return padded.substr(0, padded.size() - static_cast<std::size_t>(scale)) + "." +
               padded.substr(padded.size() - static_cast<std::size_t>(scale));
    }

private:
    std::mt19937_64 rng_;
};

// ---- The operations ---------------------------------------------------------

enum class Op { Add, Subtract, Multiply, Divide };

// The exact rational value of a op b as ±N/D.
struct Rational {
    Digits n, d;
    bool negative;
};

Rational exact(Op op, const FixedDecimal& a, const FixedDecimal& b) {
    const Digits ma = magnitudeDigits(a), mb = magnitudeDigits(b);
    const int sa = a.scale(), sb = b.scale();
    switch (op) {
        case Op::Multiply:
            return {mul(ma, mb), shifted("1", sa + sb), a.negative() != b.negative()};
        case Op::Divide:
            return {shifted(ma, sb), shifted(mb, sa), a.negative() != b.negative()};
        default: {
            const int s = std::max(sa, sb);
            const Digits x = shifted(ma, s - sa), y = shifted(mb, s - sb);
            const bool xNeg = a.negative();
            const bool yNeg = b.negative() != (op == Op::Subtract);
            if (xNeg == yNeg) return {add(x, y), shifted("1", s), xNeg};
            if (cmp(x, y) >= 0) return {sub(x, y), shifted("1", s), xNeg};
            return {sub(y, x), shifted("1", s), yNeg};
        }
    }
}

FixedDecimal apply(Op op, const FixedDecimal& a, const FixedDecimal& b) {
    switch (op) {
        case Op::Add: return a + b;
        case Op::Subtract: return a - b;
        case Op::Multiply: return a * b;
        case Op::Divide: return a / b;
    }
    return {};
}

void checkAgainstOracle(Op op, const char* name, std::uint64_t seed, int cases) {
    Operands operands(seed);
    for (int i = 0; i < cases; ++i) {
        const FixedDecimal a = operands.next();
        FixedDecimal b = operands.next();
        if (op == Op::Divide && b.isZero()) b = FixedDecimal::fromInteger(7);
        SCOPED_TRACE(std::string(name) + " seed " + std::to_string(seed) + " case " +
                     std::to_string(i) + ": " + describe(a) + " , " + describe(b));
        const Rational r = exact(op, a, b);
        const auto expected = nearestFixed(r.n, r.d, r.negative);
        if (!expected) {
            EXPECT_THROW(apply(op, a, b), ArithmeticOverflow);
            continue;
        }
        FixedDecimal actual;
        ASSERT_NO_THROW(actual = apply(op, a, b));
        EXPECT_TRUE(sameValue(actual, *expected))
            << "got " << describe(actual) << ", want " << describe(*expected);
    }
}

constexpr std::uint64_t kSeed = 20240611;

TEST(FixedDecimalOracle, AddMatchesExactRounding) {
    checkAgainstOracle(Op::Add, "add", kSeed, 2000);
}

TEST(FixedDecimalOracle, SubtractMatchesExactRounding) {
    checkAgainstOracle(Op::Subtract, "subtract", kSeed + 1, 2000);
}

TEST(FixedDecimalOracle, MultiplyMatchesExactRounding) {
    checkAgainstOracle(Op::Multiply, "multiply", kSeed + 2, 2000);
}

TEST(FixedDecimalOracle, DivideMatchesExactRounding) {
    checkAgainstOracle(Op::Divide, "divide", kSeed + 3, 1500);
}

// Ties built on purpose: a magnitude ending in 5 multiplied by 0.1 lands
// exactly halfway when the scale is already 28; one unit either side is not a tie.
TEST(FixedDecimalOracle, MultiplyTiesAndNeighbours) {
    std::mt19937_64 rng(kSeed + 4);
    for (int i = 0; i < 500; ++i) {
        const std::uint64_t base = rng() % 1'000'000'000'000ull;
        for (int delta : {-1, 0, 1}) {
            const std::uint64_t m = base * 10 + 5 + static_cast<std::uint64_t>(delta);
            const FixedDecimal a = FixedDecimal::fromParts(0, static_cast<std::uint32_t>(m >> 32),
                                                           static_cast<std::uint32_t>(m), 28, i % 2 == 0);
            const FixedDecimal tenth = FixedDecimal::fromParts(0, 0, 1, 1, false);
            SCOPED_TRACE("seed " + std::to_string(kSeed + 4) + " case " + std::to_string(i) +
                         ": " + describe(a));
            const Rational r = exact(Op::Multiply, a, tenth);
            const auto expected = nearestFixed(r.n, r.d, r.negative);
            ASSERT_TRUE(expected.has_value());
            EXPECT_TRUE(sameValue(a * tenth, *expected))
                << "got " << describe(a * tenth) << ", want " << describe(*expected);
        }
    }
}

// Texts of random digits, points, leading zeros, commas and exponents read
// as the oracle rounds the exact value they denote.
TEST(FixedDecimalOracle, TextReadingMatchesExactRounding) {
    const std::uint64_t seed = kSeed + 5;
    std::mt19937_64 rng(seed);
    for (int i = 0; i < 3000; ++i) {
        const int intDigits = static_cast<int>(rng() % 36);
        const int fracDigits = static_cast<int>(rng() % 45);
        const bool point = fracDigits > 0 || rng() % 4 == 0;
        const int exponent = rng() % 3 == 0 ? static_cast<int>(rng() % 81) - 40 : 0;
        const bool negative = rng() % 2 == 0;
        const bool commas = rng() % 4 == 0;
        std::string integer, fraction;
        const int leadingZeros = rng() % 4 == 0 ? static_cast<int>(rng() % 5) : 0;
        integer.append(static_cast<std::size_t>(leadingZeros), '0');
        for (int k = 0; k < intDigits; ++k) integer += static_cast<char>('0' + rng() % 10);
        for (int k = 0; k < fracDigits; ++k) {
            // Runs of 0, 4, 5 and 9 make ties and near-ties likely.
            const char pool[] = "0123456789000455999";
            fraction += pool[rng() % (sizeof pool - 1)];
        }
        if (integer.empty() && fraction.empty()) integer = "0";
        std::string text = negative ? "-" : "";
        for (std::size_t k = 0; k < integer.size(); ++k) {
            if (commas && k > 0 && (integer.size() - k) % 3 == 0) text += ',';
            text += integer[k];
        }
        if (point) text += "." + fraction;
        if (exponent != 0) text += "E" + std::to_string(exponent);
        SCOPED_TRACE("seed " + std::to_string(seed) + " case " + std::to_string(i) + ": \"" + text + "\"");

        Digits n = norm(integer + fraction);
        Digits d = shifted("1", static_cast<int>(fraction.size()));
        if (exponent > 0) n = shifted(n, exponent);
        if (exponent < 0) d = shifted(d, -exponent);
        const auto expected = nearestFixed(n, d, negative);
        if (!expected) {
            EXPECT_THROW(toFixedDecimal(text), ArithmeticOverflow);
            continue;
        }
        FixedDecimal actual;
        ASSERT_NO_THROW(actual = toFixedDecimal(text));
        EXPECT_TRUE(sameValue(actual, *expected))
            << "got " << describe(actual) << ", want " << describe(*expected);
    }
}

// The written text reads back as the same value, and (a + b) − b = a when no
// rounding happened on the way.
TEST(FixedDecimalOracle, TextRoundTripAndInverseOperations) {
    Operands operands(kSeed + 6);
    for (int i = 0; i < 2000; ++i) {
        const FixedDecimal a = operands.next();
        const FixedDecimal b = operands.next();
        SCOPED_TRACE("seed " + std::to_string(kSeed + 6) + " case " + std::to_string(i) + ": " +
                     describe(a) + " , " + describe(b));
        EXPECT_TRUE(toFixedDecimal(numberToText(a)) == a) << numberToText(a);
        EXPECT_TRUE(toFixedDecimal(groupedText(a)) == a) << groupedText(a);
        const Rational sum = exact(Op::Add, a, b);
        const auto expected = nearestFixed(sum.n, sum.d, sum.negative);
        if (expected && expected->scale >= std::max(a.scale(), b.scale())) {
            EXPECT_TRUE((a + b) - b == a);
        }
    }
}

}  // namespace
}  // namespace calcora
