// SPDX-License-Identifier: MIT
#pragma once
// The reference side of the benchmarks: the same work done with GMP and MPFR,
// decimal text in to decimal text out, so that both sides pay for reading and
// writing text. Built only when CALCORA_BENCH_WITH_GMP is defined; GMP and
// MPFR are never linked into the calculator.

#ifdef CALCORA_BENCH_WITH_GMP

#include <string>

namespace calcora::bench {

// The product of two texts of digits, as digits.
std::string gmpMultiply(const std::string& a, const std::string& b);

// The sum of two texts of digits, each with a point `pointFromRight` places
// from its right end (the point taken out and put back by hand), without
// trailing fraction zeros.
std::string gmpSum(const std::string& a, const std::string& b, std::size_t pointFromRight);

// n ÷ d for two texts of digits, truncated to `figures` significant figures
// with integer division: floor(n·10^k / d) for the k that gives that many,
// written with its point and without trailing fraction zeros.
std::string mpzDivide(const std::string& n, const std::string& d, int figures);

// n ÷ d in MPFR at `bits` of precision (both operands read at that precision),
// written to `figures` significant figures rounded toward zero, with its point
// and without trailing fraction zeros.
std::string mpfrDivide(const std::string& n, const std::string& d, int figures, long bits);

// The square root of a text of digits (no leading zero) truncated to
// `figures` significant figures, as mpz_sqrt of the value scaled to 2·figures
// − 1 or 2·figures digits, written with its point and without trailing
// fraction zeros.
std::string mpzSquareRoot(const std::string& digits, int figures);

}  // namespace calcora::bench

#endif
