// SPDX-License-Identifier: MIT
#include "engine/bigint.h"

#include <algorithm>
#include <bit>
#include <cassert>
#include <cstring>

#include "engine/digit_words.h"
#include "fixeddec/failure.h"

namespace calcora {

namespace {

using Limb = BigUInt::Limb;
constexpr Limb kBase = BigUInt::kBase;
constexpr int kBaseDigits = BigUInt::kBaseDigits;

constexpr Limb kPow10[kBaseDigits + 1] = {1,      10,      100,      1000,      10000,
                                          100000, 1000000, 10000000, 100000000, 1000000000};

// Digits of one limb, most significant first, written into out[0..width).
void writeLimb(Limb value, int width, char* out) {
    for (int i = width - 1; i >= 0; --i) {
        out[i] = static_cast<char>('0' + value % 10);
        value /= 10;
    }
}

// The nine digits of a limb into out[0..9): the first one alone, the other
// eight as one word, split into halves of four, quarters of two and single
// digits by multiplications that work on every part of the word at once
// (each part's quotient by 100 or 10 is a product and a shift that keeps
// to its own bits for parts this small).
void writeFullLimb(Limb value, char* out) {
    const Limb first = value / 100'000'000;
    const std::uint64_t eight = value - first * 100'000'000;
    out[0] = static_cast<char>('0' + first);
    std::uint64_t x = (eight / 10000) | ((eight % 10000) << 32);           // 2 parts below 10^4
    const std::uint64_t hundreds = ((x * 10486) >> 20) & 0x0000'007F'0000'007FULL;
    x = hundreds | ((x - hundreds * 100) << 16);                           // 4 parts below 100
    const std::uint64_t tens = ((x * 103) >> 10) & 0x000F'000F'000F'000FULL;
    x = tens | ((x - tens * 10) << 8);                                     // 8 digits
    x += 0x30 * digit_words::kEachByte;
    std::memcpy(out + 1, &x, sizeof x);
}

static_assert(std::endian::native == std::endian::little, "eightDigits reads words as little-endian");

// The value of eight digit characters, first one most significant, read as
// one word: the bytes are checked to lie in "0".."9", then combined in pairs,
// fours and the whole eight by three multiplications.
bool eightDigits(const char* p, std::uint32_t& value) {
    std::uint64_t w = digit_words::load(p);
    if (!digit_words::allDigits(w)) return false;
    w &= 0x0F * digit_words::kEachByte;
    w = (w * (10 * 256 + 1)) >> 8;
    w = ((w & 0x00FF00FF00FF00FFULL) * (100 * 65536 + 1)) >> 16;
    w = ((w & 0x0000FFFF0000FFFFULL) * (10000ULL * (1ULL << 32) + 1)) >> 32;
    value = static_cast<std::uint32_t>(w);
    return true;
}

[[noreturn]] void notADigit(std::string_view chunk) {
    throw NotANumber("BigUInt::fromDigits: \"" + std::string(chunk) + "\" holds a character that is not a digit");
}

int limbDigits(Limb value) {
    int n = 0;
    while (value != 0) {
        ++n;
        value /= 10;
    }
    return n;
}

}  // namespace

BigUInt::BigUInt(std::uint64_t value) {
    while (value != 0) {
        limbs_.push_back(static_cast<Limb>(value % kBase));
        value /= kBase;
    }
}

BigUInt BigUInt::fromDigits(std::string_view digits) {
    std::vector<Limb> limbs;
    limbs.reserve(digits.size() / kBaseDigits + 1);
    // Chunks of nine from the right; the leftmost chunk may be shorter.
    std::size_t end = digits.size();
    while (end >= static_cast<std::size_t>(kBaseDigits)) {
        const char* chunk = digits.data() + end - kBaseDigits;
        std::uint32_t high = 0;
        const char last = chunk[8];
        if (!eightDigits(chunk, high) || last < '0' || last > '9') notADigit(digits.substr(end - kBaseDigits, kBaseDigits));
        limbs.push_back(high * 10 + static_cast<Limb>(last - '0'));
        end -= kBaseDigits;
    }
    if (end > 0) {
        Limb value = 0;
        for (std::size_t i = 0; i < end; ++i) {
            const char c = digits[i];
            if (c < '0' || c > '9') notADigit(digits.substr(0, end));
            value = value * 10 + static_cast<Limb>(c - '0');
        }
        limbs.push_back(value);
    }
    return fromLimbs(std::move(limbs));
}

BigUInt BigUInt::fromLimbs(std::vector<Limb> limbs) {
    assert(std::all_of(limbs.begin(), limbs.end(), [](Limb l) { return l < kBase; }));
    while (!limbs.empty() && limbs.back() == 0) limbs.pop_back();
    BigUInt result;
    result.limbs_ = std::move(limbs);
    return result;
}

std::string BigUInt::toDigits() const {
    if (limbs_.empty()) return "0";
    return toDigits(0);
}

std::string BigUInt::toDigits(std::size_t width) const {
    const std::size_t count = digitCount();
    const std::size_t pad = width > count ? width - count : 0;
    std::string out(pad + count, '0');
    if (limbs_.empty()) return out;
    char* p = out.data() + pad;
    const int topWidth = limbDigits(limbs_.back());
    writeLimb(limbs_.back(), topWidth, p);
    p += topWidth;
    for (std::size_t i = limbs_.size() - 1; i-- > 0;) {
        writeFullLimb(limbs_[i], p);
        p += kBaseDigits;
    }
    return out;
}

std::size_t BigUInt::digitCount() const {
    if (limbs_.empty()) return 0;
    return (limbs_.size() - 1) * kBaseDigits + static_cast<std::size_t>(limbDigits(limbs_.back()));
}

std::strong_ordering operator<=>(const BigUInt& a, const BigUInt& b) {
    const auto& x = a.limbs();
    const auto& y = b.limbs();
    if (x.size() != y.size()) return x.size() <=> y.size();
    for (std::size_t i = x.size(); i-- > 0;) {
        if (x[i] != y[i]) return x[i] <=> y[i];
    }
    return std::strong_ordering::equal;
}

BigUInt operator+(const BigUInt& a, const BigUInt& b) {
    const auto& x = a.limbs().size() >= b.limbs().size() ? a.limbs() : b.limbs();
    const auto& y = a.limbs().size() >= b.limbs().size() ? b.limbs() : a.limbs();
    std::vector<Limb> r(x.size() + 1);
    Limb carry = 0;
    for (std::size_t i = 0; i < x.size(); ++i) {
        Limb s = x[i] + (i < y.size() ? y[i] : 0) + carry;
        carry = s >= kBase;
        r[i] = carry ? s - kBase : s;
    }
    r[x.size()] = carry;
    return BigUInt::fromLimbs(std::move(r));
}

BigUInt operator-(const BigUInt& a, const BigUInt& b) {
    if (a < b) throw InvalidArgument("BigUInt subtraction: the subtrahend is larger");
    const auto& x = a.limbs();
    const auto& y = b.limbs();
    std::vector<Limb> r(x.size());
    Limb borrow = 0;
    for (std::size_t i = 0; i < x.size(); ++i) {
        const Limb sub = (i < y.size() ? y[i] : 0) + borrow;
        borrow = x[i] < sub;
        r[i] = borrow ? x[i] + kBase - sub : x[i] - sub;
    }
    return BigUInt::fromLimbs(std::move(r));
}

BigUInt multiplySmall(const BigUInt& a, std::uint32_t m) {
    const auto& x = a.limbs();
    std::vector<Limb> r(x.size() + 2);
    std::uint64_t carry = 0;
    for (std::size_t i = 0; i < x.size(); ++i) {
        const std::uint64_t t = static_cast<std::uint64_t>(x[i]) * m + carry;
        r[i] = static_cast<Limb>(t % kBase);
        carry = t / kBase;
    }
    r[x.size()] = static_cast<Limb>(carry % kBase);
    r[x.size() + 1] = static_cast<Limb>(carry / kBase);
    return BigUInt::fromLimbs(std::move(r));
}

BigUInt addSmall(const BigUInt& a, std::uint32_t m) {
    return a + BigUInt(m);
}

BigUInt shiftUp(const BigUInt& a, std::size_t n) {
    if (a.isZero()) return a;
    const std::size_t whole = n / kBaseDigits;
    const Limb factor = kPow10[n % kBaseDigits];
    const auto& x = a.limbs();
    std::vector<Limb> r(whole + x.size() + 1, 0);
    std::uint64_t carry = 0;
    for (std::size_t i = 0; i < x.size(); ++i) {
        const std::uint64_t t = static_cast<std::uint64_t>(x[i]) * factor + carry;
        r[whole + i] = static_cast<Limb>(t % kBase);
        carry = t / kBase;
    }
    r[whole + x.size()] = static_cast<Limb>(carry);
    return BigUInt::fromLimbs(std::move(r));
}

BigUInt shiftDown(const BigUInt& a, std::size_t n) {
    const std::size_t whole = n / kBaseDigits;
    const auto& x = a.limbs();
    if (whole >= x.size()) return BigUInt();
    const Limb divisor = kPow10[n % kBaseDigits];
    const Limb factor = kBase / divisor;
    std::vector<Limb> r(x.size() - whole);
    for (std::size_t i = whole; i < x.size(); ++i) {
        const Limb high = i + 1 < x.size() ? x[i + 1] % divisor : 0;
        r[i - whole] = x[i] / divisor + high * factor;
    }
    return BigUInt::fromLimbs(std::move(r));
}

BigUInt divModSmall(const BigUInt& n, std::uint32_t m, std::uint32_t& rem) {
    if (m == 0) throw DivisionByZero("BigUInt::divModSmall: division by zero");
    const auto& x = n.limbs();
    std::vector<Limb> q(x.size());
    std::uint64_t r = 0;
    for (std::size_t i = x.size(); i-- > 0;) {
        const std::uint64_t t = r * kBase + x[i];
        q[i] = static_cast<Limb>(t / m);
        r = t % m;
    }
    rem = static_cast<std::uint32_t>(r);
    return BigUInt::fromLimbs(std::move(q));
}

}  // namespace calcora
