// SPDX-License-Identifier: MIT
#include "bench_inputs.h"

#include <random>

namespace calcora::bench {

namespace {

// Random digits with a first digit from 1 to 9 (the power and root operands).
std::string leadingDigits(std::size_t count, std::uint32_t seed) {
    std::mt19937 rng(seed);
    std::uniform_int_distribution<int> digit(0, 9);
    std::string text(1, static_cast<char>('1' + digit(rng) % 9));
    while (text.size() < count) text += static_cast<char>('0' + digit(rng));
    return text;
}

std::string withPoint(std::string text, std::size_t at) {
    text.insert(at, 1, '.');
    return text;
}

}  // namespace

std::string digits(std::uint32_t seed, std::size_t n) {
    std::mt19937 rng(seed);
    std::string s(n, '0');
    for (char& c : s) c = static_cast<char>('0' + rng() % 10);
    s[0] = static_cast<char>('1' + rng() % 9);
    s.back() = static_cast<char>('1' + rng() % 9);  // no trailing zeros for divisors
    return s;
}

const std::string& d500a() { static const std::string s = digits(1, 500); return s; }
const std::string& d500b() { static const std::string s = digits(2, 500); return s; }
const std::string& d16000a() { static const std::string s = digits(3, 16000); return s; }
const std::string& d16000b() { static const std::string s = digits(4, 16000); return s; }
const std::string& d2568() { static const std::string s = digits(5, 2568); return s; }
const std::string& d4() { static const std::string s = digits(6, 4); return s; }
const std::string& d501() { static const std::string s = digits(7, 501); return s; }
const std::string& d32000() { static const std::string s = digits(8, 32000); return s; }
const std::string& d4000() { static const std::string s = digits(11, 4000); return s; }
const std::string& d32000Point() { static const std::string s = withPoint(digits(8, 32000), 1); return s; }
const std::string& sumA() { static const std::string s = withPoint(digits(9, 32000), 16000); return s; }
const std::string& sumB() { static const std::string s = withPoint(digits(10, 32000), 16000); return s; }
std::string squareA(std::size_t n) { return digits(12, n); }
std::string squareB(std::size_t n) { return digits(13, n); }
const std::string& base270() { static const std::string s = leadingDigits(270, 270120); return s; }
const std::string& number100() { static const std::string s = leadingDigits(100, 100100); return s; }

}  // namespace calcora::bench
