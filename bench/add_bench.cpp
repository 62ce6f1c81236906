// SPDX-License-Identifier: MIT
// LargeAdd on two 32,000-digit operands with points, text in to text out;
// beside it, when GMP is present, the same sum as GMP integers read from and
// written to text (the point taken out and put back by hand).
#include <benchmark/benchmark.h>

#include <random>
#include <string>

#include "engine/engine.h"

#ifdef CALCORA_BENCH_WITH_GMP
#include <gmp.h>
#endif

namespace {

constexpr int kDigits = 32000;

// `intLen` random digits, a point, then the rest of kDigits.
std::string operand(std::uint32_t seed, int intLen) {
    std::mt19937 rng(seed);
    std::uniform_int_distribution<int> digit(0, 9);
    std::string s;
    s.reserve(kDigits + 1);
    for (int i = 0; i < kDigits; ++i) {
        if (i == intLen) s += '.';
        s += static_cast<char>('0' + digit(rng));
    }
    s[0] = '7';  // no leading zero, so the difference has its full length
    return s;
}

const std::string& first() {
    static const std::string s = operand(1, 16000);
    return s;
}
const std::string& second() {
    static const std::string s = operand(2, 15990);
    return s;
}

void BM_LargeAddPlus(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(calcora::LargeAdd("+", first(), second()));
    state.SetBytesProcessed(state.iterations() * kDigits);
}
BENCHMARK(BM_LargeAddPlus)->Unit(benchmark::kMicrosecond);

void BM_LargeAddMinus(benchmark::State& state) {
    // The smaller first operand makes the exchange and the "-" happen too.
    for (auto _ : state) benchmark::DoNotOptimize(calcora::LargeAdd("-", second(), first()));
    state.SetBytesProcessed(state.iterations() * kDigits);
}
BENCHMARK(BM_LargeAddMinus)->Unit(benchmark::kMicrosecond);

void BM_LargeAddGrouped(benchmark::State& state) {
    // Commas every three digits: the cleaning copy is part of the work.
    std::string grouped;
    for (char c : first()) {
        if (!grouped.empty() && grouped.size() % 4 == 3 && c != '.') grouped += ',';
        grouped += c;
    }
    for (auto _ : state) benchmark::DoNotOptimize(calcora::LargeAdd("+", grouped, second()));
}
BENCHMARK(BM_LargeAddGrouped)->Unit(benchmark::kMicrosecond);

#ifdef CALCORA_BENCH_WITH_GMP
// Text to integer scaled by the longer fraction, add, integer to text.
void BM_GmpAddFromText(benchmark::State& state) {
    const std::string& a = first();
    const std::string& b = second();
    std::string da = a, db = b;
    da.erase(da.find('.'), 1);
    db.erase(db.find('.'), 1);
    da.append(static_cast<std::size_t>(10), '0');  // 16,000 fraction digits → 16,010, as the second has
    mpz_t x, y;
    mpz_inits(x, y, nullptr);
    std::string out(kDigits + 20, '\0');
    for (auto _ : state) {
        mpz_set_str(x, da.c_str(), 10);
        mpz_set_str(y, db.c_str(), 10);
        mpz_add(x, x, y);
        mpz_get_str(out.data(), 10, x);
        benchmark::DoNotOptimize(out.data());
    }
    mpz_clears(x, y, nullptr);
}
BENCHMARK(BM_GmpAddFromText)->Unit(benchmark::kMicrosecond);
#endif

}  // namespace
