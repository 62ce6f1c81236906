// SPDX-License-Identifier: MIT
#pragma once
// The operands of the benchmark rows: seeded random digits, the same texts in
// every run and in every program that measures them (calcora_bench, and
// calcora_bench_texts, which hands them to the libmpdec reference).

#include <cstddef>
#include <cstdint>
#include <string>

namespace calcora::bench {

// n random digits from `seed`, none of them a leading or trailing zero.
std::string digits(std::uint32_t seed, std::size_t n);

const std::string& d500a();
const std::string& d500b();
const std::string& d16000a();
const std::string& d16000b();
const std::string& d2568();
const std::string& d4();
const std::string& d501();
const std::string& d4000();
const std::string& d32000();
// d32000 with the point after its first digit: every digit of it divides.
const std::string& d32000Point();
// Two 32,000-digit operands with the point 16,000 places from the right.
const std::string& sumA();
const std::string& sumB();
// The square operands of the growth table, n digits each.
std::string squareA(std::size_t n);
std::string squareB(std::size_t n);
// The base of the power row (270 digits, to the power 120) and the root operand (100 digits).
const std::string& base270();
const std::string& number100();

// Significant figures of the division rows.
inline constexpr std::int16_t kFigures = 500;

}  // namespace calcora::bench
