// SPDX-License-Identifier: MIT
// LargeDiv under hostile input. Outcomes: a quotient or a Failure. The
// refusal (NumeratorTooLong, for a numerator longer than SF + 1 characters
// once its separators, sign and leading zeros are gone) comes first. For
// number strings and SF ≥ 1 the quotient q is the exact quotient n/d
// truncated, by the whole divisor: |q| ≤ |n/d| < |q| + one unit of q's SF-th
// figure, sign right. A zero divisor fails with DivisionByZero; an operand
// that is no number string with NotANumber. A zero numerator gives "0",
// whatever the signs and the divisor.
//
// Input: bytes 1–2 the figure count (kept below 2,000 with a divisor at the
// length limit, see below).
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "engine/engine.h"
#include "fuzz/fuzz_input.h"
#include "tests/support/exact.h"
#include "tests/support/number_text.h"
#include "tests/support/outcome.h"

namespace {

using namespace fuzz;
using namespace calcora::testing_support;

constexpr std::int64_t kMaxLength = 32767;
// Digit products the value check may spend on one input.
constexpr std::int64_t kExactBudget = 4'000'000;
constexpr std::int16_t kWideDivisorFigures = 2000;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const Input in = readInput(data, size, 2);
    const std::string& nin = in.operand(0);
    const std::string& din = in.operand(1);
    // A divisor of 32,767 digits makes LargeDiv follow every remainder digit
    // by digit for its 16-bit window check, some SF × 32,767 digit steps:
    // seconds under the sanitizers from an SF of a few thousand. Such inputs
    // keep SF below kWideDivisorFigures so that one execution stays short.
    std::int16_t SF = in.figureCount();
    if (withoutSeparators(din).size() >= static_cast<std::size_t>(kMaxLength) && SF > kWideDivisorFigures) {
        SF = static_cast<std::int16_t>(SF % kWideDivisorFigures);
    }

    const Outcome<std::string> r = capture([&] { return calcora::LargeDiv(SF, nin, din); });
    const auto context = [&] {
        return "LargeDiv(" + std::to_string(SF) + ", " + shown(nin) + ", " + shown(din) + ") gave " + describe(r);
    };

    const Operand n = split(nin);
    const Operand d = split(din);
    std::string stripped = n.magnitude;
    stripped.erase(0, std::min(stripped.find_first_not_of('0'), stripped.size()));
    const auto numeratorLength = static_cast<std::int64_t>(stripped.size());

    // The refusal.
    const bool countsFit = SF + 1 <= kMaxLength && numeratorLength <= kMaxLength;
    const bool refused = countsFit && numeratorLength > SF + 1;
    if (refused) {
        require(r.kind == Kind::NumeratorTooLong, [&] { return "a long numerator was not refused: " + context(); });
        return 0;
    }
    if (!countsFit) {
        require(r.kind == Kind::Overflow, [&] { return "expected ArithmeticOverflow: " + context(); });
        return 0;
    }

    const std::optional<Exact> x = parseMagnitude(n.magnitude);
    const std::optional<Exact> y = parseMagnitude(d.magnitude);
    if (!x || !y) {
        require(!r.ok(), [&] { return "an operand that is no number string gave a quotient: " + context(); });
        return 0;
    }
    if (y->isZero()) {
        require(r.kind == Kind::DivisionByZero, [&] { return "a zero divisor, expected DivisionByZero: " + context(); });
        return 0;
    }
    if (SF < 1) return 0;  // no digit passes: any text or failure is the outcome
    if (!r.ok()) {
        // Counts and windows leave the 16-bit range only near it.
        const std::int64_t reach = SF + numeratorLength + static_cast<std::int64_t>(d.magnitude.size()) + 4;
        require(r.kind == Kind::Overflow && reach > kMaxLength, [&] { return "two number strings failed: " + context(); });
        return 0;
    }

    const std::string& text = *r.value;
    const std::optional<Exact> q = parseNumberString(text);
    require(q.has_value() && !text.empty(), [&] { return "not a number string: " + context(); });
    if (x->isZero()) {
        require(text == "0", [&] { return "a zero numerator, expected \"0\": " + context(); });
        return 0;
    }
    const bool minus = text.front() == '-';
    const std::string_view mag = std::string_view(text).substr(minus ? 1 : 0);
    require(text == "0" || (!mag.empty() && mag.front() != '0' && text.back() != '.' &&
                            (mag.find('.') == std::string_view::npos || text.back() != '0')),
            [&] { return "not in the quotient's form: " + context(); });
    require(!q->isZero() && q->negative == (n.negative != d.negative), [&] { return "zero or the wrong sign: " + context(); });
    require(q->size() <= SF + 1, [&] { return "more than SF + 1 figures: " + context(); });

    const Exact& divisor = *y;
    if (q->size() * divisor.size() > kExactBudget) return 0;
    const Exact absQ = magnitude(*q);
    const Exact absN = magnitude(*x);
    const Exact unit = powerOfTen(absQ.top() - SF + 1);
    const bool below = compareMagnitude(multiply(absQ, divisor), absN) <= 0;
    const bool above = compareMagnitude(multiply(add(absQ, unit), divisor), absN) > 0;
    require(below && above, [&] {
        return std::string(below ? "not within one unit of the SF-th figure" : "above the exact quotient") +
               " of " + describe(*x) + " / " + describe(divisor) + ": " + context();
    });
    return 0;
}
