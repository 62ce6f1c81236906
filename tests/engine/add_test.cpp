// SPDX-License-Identifier: MIT
// LargeAdd: the edge cases as tables, the 16-bit limits, and two differential
// checks on seeded random operands: the value against exact decimal
// arithmetic (tests/support) with the exact text form derived from the rules,
// and the text against a slow character-by-character transcription of the
// algorithm (sign table, alignment, ordering, digit loop, end sequence).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <optional>
#include <ostream>
#include <random>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "engine/engine.h"
#include "tests/support/exact.h"
#include "tests/support/number_text.h"
#include "tests/support/outcome.h"

namespace calcora {
namespace {

constexpr int kMaxLen = 32767;

using namespace testing_support;

Outcome<> run(std::string_view op, std::string_view a, std::string_view b) {
    return capture([&] { return LargeAdd(op, a, b); });
}

// ---- Slow transcription: one character at a time, each put in front --------

std::string literalLargeAdd(const std::string& op, const std::string& in1, const std::string& in2) {
    if (op != "+" && op != "-") throw InvalidArgument("op");
    std::string o1, o2;
    for (char c : in1) if (c != ',' && c != ' ') o1 += c;
    for (char c : in2) if (c != ',' && c != ' ') o2 += c;
    if (o1.size() > kMaxLen || o2.size() > kMaxLen) throw ArithmeticOverflow("operand");

    const bool n1 = !o1.empty() && o1[0] == '-';
    const bool n2 = !o2.empty() && o2[0] == '-';
    const std::string a = n1 ? o1.substr(1) : o1;
    const std::string b = n2 ? o2.substr(1) : o2;
    bool add = false, negate = false;
    std::string x, y;
    if (op == "+") {
        if (!n1 && !n2) { add = true; x = a; y = b; }
        else if (n1 && n2) { add = true; x = a; y = b; negate = true; }
        else if (!n1 && n2) { add = false; x = a; y = b; }
        else { add = false; x = b; y = a; }
    } else {
        if (!n1 && !n2) { add = false; x = a; y = b; }
        else if (n1 && n2) { add = false; x = b; y = a; }
        else if (!n1 && n2) { add = true; x = a; y = b; }
        else { add = true; x = a; y = b; negate = true; }
    }

    auto measure = [](const std::string& s, int& P, int& F, int& I) {
        const int L = static_cast<int>(s.size());
        P = 0;
        for (int i = 1; i <= L && P == 0; ++i) if (s[i - 1] == '.') P = i;
        F = P > 0 ? L - P : 0;
        I = P > 0 ? P - 1 : L;
    };
    int P1, F1, I1, P2, F2, I2;
    measure(x, P1, F1, I1);
    measure(y, P2, F2, I2);
    if (P1 > 0 && P2 == 0) y += ".";
    if (P2 > 0 && P1 == 0) x += ".";
    if (F1 < F2) x += std::string(F2 - F1, '0');
    if (F2 < F1) y += std::string(F1 - F2, '0');
    if (I1 < I2) x = std::string(I2 - I1, '0') + x;
    if (I2 < I1) y = std::string(I1 - I2, '0') + y;
    if (x.size() > kMaxLen || y.size() > kMaxLen) throw ArithmeticOverflow("aligned");
    // Only number strings are added, checked once their alignment is measured.
    for (const std::string* m : {&a, &b}) {
        if (m->find_first_not_of("0123456789.") != std::string::npos || std::count(m->begin(), m->end(), '.') > 1) {
            throw NotANumber("operand");
        }
    }
    if (x.size() != y.size()) throw std::logic_error("alignment left unequal lengths");

    bool swap = false;
    if (!add) {
        int cmp = 0;
        for (std::size_t i = 0; i < x.size() && cmp == 0; ++i) {
            // An inner "-" compares as the "0" it is read as.
            const auto c1 = static_cast<unsigned char>(x[i] == '-' ? '0' : x[i]);
            const auto c2 = static_cast<unsigned char>(y[i] == '-' ? '0' : y[i]);
            cmp = c1 < c2 ? -1 : c1 > c2 ? 1 : 0;
        }
        if (cmp < 0) { std::swap(x, y); swap = true; }
    }

    std::string r;
    int carry = 0;
    for (int pos = static_cast<int>(x.size()); pos >= 1; --pos) {
        const char c1 = x[pos - 1], c2 = y[pos - 1];
        if (c1 == '.') {
            r.insert(r.begin(), '.');
            continue;
        }
        if (c1 < '0' || c1 > '9' || c2 < '0' || c2 > '9') throw NotANumber("digit");
        int s = add ? (c1 - '0') + (c2 - '0') + carry : (c1 - '0') - (c2 - '0') + carry;
        if (add) {
            carry = s > 9 ? 1 : 0;
            if (s > 9) s -= 10;
        } else {
            carry = s < 0 ? -1 : 0;
            if (s < 0) s += 10;
        }
        r.insert(r.begin(), static_cast<char>('0' + s));
    }
    if (carry == 1) r.insert(r.begin(), '1');

    if (!add) while (!r.empty() && r[0] == '0') r.erase(0, 1);
    if (swap || negate) r.insert(r.begin(), '-');
    if (r.find('.') != std::string::npos) while (!r.empty() && r.back() == '0') r.pop_back();
    if (!r.empty() && r.back() == '.') r.pop_back();
    if (r.empty()) r = "0";
    if (r.size() > kMaxLen) throw ArithmeticOverflow("result");
    return r;
}

// ---- Value oracle: exact decimal values (tests/support/exact.h) -------------

// A well-formed operand's value (split() has taken off separators and sign);
// nothing when its magnitude is no number string.
std::optional<Exact> operandValue(const Operand& op) {
    std::optional<Exact> value = parseMagnitude(op.magnitude);
    if (value && op.negative) *value = negated(*value);
    return value;
}

// The text the rules prescribe for a well-formed pair with the exact result
// v: sums keep the integer width of the wider operand, differences have no
// leading zeros, fraction zeros and a bare point go, and "-" marks a negative
// value or a sum of a negative first operand ("-0").
std::string expectedText(const std::string& op, const Operand& p1, const Operand& p2, const Exact& v) {
    const bool effectiveAdd = (op == "+") == (p1.negative == p2.negative);
    const std::string plain = plainText(magnitude(v));  // "0", ".5", "12.5", "100"
    std::string intPart = v.isZero() ? "" : plain.substr(0, integerChars(plain));
    const std::string frac = plain.substr(std::min(plain.size(), intPart.size() + 1));
    if (effectiveAdd) {
        const std::size_t width = std::max(integerChars(p1.magnitude), integerChars(p2.magnitude));
        if (intPart.size() < width) intPart.insert(0, width - intPart.size(), '0');
    }
    const bool minusSign = (!v.isZero() && v.negative) || (v.isZero() && effectiveAdd && p1.negative);
    std::string out = (minusSign ? "-" : "") + intPart + (frac.empty() ? "" : "." + frac);
    return out.empty() ? "0" : out;
}

// ---- Random operands ----------------------------------------------------------

class OperandMaker {
public:
    explicit OperandMaker(std::uint32_t seed) : rng_(seed) {}

    int uniform(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }
    bool chance(int percent) { return uniform(1, 100) <= percent; }

    std::string digits(int n) {
        std::string s(static_cast<std::size_t>(n), '0');
        // Runs of nines and zeros make long carries and borrows.
        const int style = uniform(0, 3);
        for (auto& c : s) {
            if (style == 0) c = static_cast<char>('0' + uniform(0, 9));
            else if (style == 1) c = chance(80) ? '9' : static_cast<char>('0' + uniform(0, 9));
            else if (style == 2) c = chance(80) ? '0' : static_cast<char>('0' + uniform(0, 9));
            else c = static_cast<char>('0' + uniform(0, 1) * 9);
        }
        return s;
    }

    // A well-formed number string of intLen + fracLen digits.
    std::string number(int intLen, int fracLen, bool point) {
        std::string s;
        if (chance(35)) s += '-';
        if (chance(20)) s += std::string(static_cast<std::size_t>(uniform(1, 3)), '0');
        s += digits(intLen);
        if (point) {
            s += '.';
            s += digits(fracLen);
            if (chance(20)) s += std::string(static_cast<std::size_t>(uniform(1, 3)), '0');
        }
        return s;
    }

    std::string shortNumber() {
        const int roll = uniform(1, 100);
        if (roll <= 3) return "";
        if (roll <= 5) return chance(50) ? "-" : ".";
        if (roll <= 7) return chance(50) ? "-0" : "0";
        return number(uniform(0, 25), uniform(0, 25), chance(60));
    }

    // Commas and spaces dropped in at random places, the sign's included.
    std::string withSeparators(std::string s) {
        if (!chance(25)) return s;
        const int count = uniform(1, 4);
        for (int i = 0; i < count; ++i)
            s.insert(static_cast<std::size_t>(uniform(0, static_cast<int>(s.size()))), 1,
                     chance(50) ? ',' : ' ');
        return s;
    }

    // A number string spoiled by one or two characters the arithmetic does not expect.
    std::string malformed() {
        std::string s = shortNumber();
        static const std::string kSpoilers[] = {"a", "Z", "+", "-", ".", "\t", "E", "\xC3", "\xA9", "/", ":"};
        const int count = uniform(1, 2);
        for (int i = 0; i < count; ++i) {
            const std::string& bad = kSpoilers[uniform(0, static_cast<int>(std::size(kSpoilers)) - 1)];
            s.insert(static_cast<std::size_t>(uniform(0, static_cast<int>(s.size()))), bad);
        }
        return s;
    }

private:
    std::mt19937 rng_;
};

// Checks one well-formed pair against both oracles; returns false on a mismatch.
bool checkPair(std::uint32_t seed, int index, const std::string& op, const std::string& a,
               const std::string& b, bool withTranscription) {
    const Outcome<> got = run(op, a, b);
    std::ostringstream where;
    where << "seed " << seed << " pair " << index << ": " << shown(a) << " " << op << " "
          << shown(b);

    if (withTranscription) {
        const Outcome<> slow = capture([&] { return literalLargeAdd(op, a, b); });
        EXPECT_EQ(got, slow) << where.str() << " gave " << describe(got) << ", transcription "
                             << describe(slow);
        if (!(got == slow)) return false;
    }

    const Operand p1 = split(a);
    const Operand p2 = split(b);
    const std::optional<Exact> x = operandValue(p1);
    const std::optional<Exact> y = operandValue(p2);
    if (!x || !y) {
        ADD_FAILURE() << where.str() << ": the generator made a malformed operand";
        return false;
    }
    const std::size_t scale = std::max(fractionChars(p1.magnitude), fractionChars(p2.magnitude));
    const bool anyPoint = a.find('.') != std::string::npos || b.find('.') != std::string::npos;
    const std::size_t aligned =
        std::max(integerChars(p1.magnitude), integerChars(p2.magnitude)) + scale + (anyPoint ? 1 : 0);
    // Sign, digits and point: the operand less its separators.
    const std::size_t len1 = withoutSeparators(a).size();
    const std::size_t len2 = withoutSeparators(b).size();
    if (len1 > kMaxLen || len2 > kMaxLen || aligned > kMaxLen) {
        EXPECT_EQ(got, kOverflow) << where.str() << " gave " << describe(got);
        return got == kOverflow;
    }

    const Exact v = op == "+" ? add(*x, *y) : subtract(*x, *y);
    const std::string want = expectedText(op, p1, p2, v);
    EXPECT_EQ(got, text(want)) << where.str() << " gave " << describe(got);
    if (!(got == text(want))) return false;

    // The text read back has the oracle's value.
    const std::optional<Exact> back = operandValue(split(*got.value));
    EXPECT_TRUE(back.has_value()) << where.str() << " gave " << describe(got);
    if (!back) return false;
    const bool sameValue = *back == v;
    EXPECT_TRUE(sameValue) << where.str() << " gave " << describe(got) << ", value " << describe(v);
    return sameValue;
}

// ---- Edge cases ----------------------------------------------------------------

struct Row {
    const char* name;
    const char* op;
    std::string a, b;
    Outcome<> want;
};

void runTable(const std::vector<Row>& rows) {
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const Outcome<> got = run(row.op, row.a, row.b);
        EXPECT_EQ(got, row.want) << shown(row.a) << " " << row.op << " " << shown(row.b) << " gave "
                                 << describe(got) << ", want " << describe(row.want);
    }
}

TEST(LargeAddTest, CarriesPointsAndEmptyOperands) {
    runTable({
        {"carry crosses the point, then zeros and point go", "+", "9.99", "0.01", text("10")},
        {"fractions sum past one", "+", ".5", ".7", text("1.2")},
        {"empty second operand is zero", "+", "12.5", "", text("12.5")},
        {"empty first operand in a difference", "-", "", "3", text("-3")},
        {"two empty operands", "+", "", "", text("0")},
        {"sum keeps the zero before the point", "+", "0.25", "0.25", text("0.5")},
        {"difference loses the zero before the point", "-", "0.75", "0.25", text(".5")},
        {"negative difference below one", "-", "0.3", "0.5", text("-.2")},
        {"borrow through all places", "-", "100", "99", text("1")},
        {"equal whole operands", "-", "5", "5", text("0")},
        {"equal operands with a point", "-", "5.5", "5.5", text("0")},
        {"trailing zeros stay without a point", "+", "100", "0", text("100")},
        {"final carry adds a digit", "+", "999", "1", text("1000")},
        {"long borrow chain across the point", "-", "1000.001", "0.002", text("999.999")},
    });
}

TEST(LargeAddTest, LeadingZerosAndSigns) {
    runTable({
        {"sum keeps an operand's leading zeros", "+", "007", "1", text("008")},
        {"difference drops leading zeros", "-", "007", "1", text("6")},
        {"sum keeps the wider operand's zeros", "+", "1", "0007.5", text("0008.5")},
        {"negative plus positive", "+", "-5", "3", text("-2")},
        {"positive plus negative", "+", "5", "-3", text("2")},
        {"negative minus smaller negative", "-", "-5", "-3", text("-2")},
        {"negative minus larger negative", "-", "-3", "-5", text("2")},
        {"negative minus positive", "-", "-5", "3", text("-8")},
        {"positive minus negative", "-", "5", "-3", text("8")},
        {"two negatives added", "+", "-5", "-3", text("-8")},
        {"negative zero minus zero", "-", "-0", "0", text("-0")},
        {"negative zeros added", "+", "-0", "-0", text("-0")},
        {"negative zero plus zero", "+", "-0", "0", text("0")},
        {"lone minus signs added", "+", "-", "-", text("-")},
        {"negative lone point plus negative", "+", "-.", "-5", text("-5")},
    });
}

TEST(LargeAddTest, SeparatorsAndPoints) {
    runTable({
        {"commas and spaces dropped", "+", "1,234.5", "1 000", text("2234.5")},
        {"separator before the sign", "+", " -5", ",3", text("-2")},
        {"only separators", "+", ", ,", " ", text("0")},
        {"trailing point then fraction", "+", "5.", "0.25", text("5.25")},
        {"fraction then trailing point", "+", "0.25", "5.", text("5.25")},
        {"trailing point on a whole sum", "+", "5.", "3", text("8")},
        {"whole minus trailing point", "-", "5", "5.", text("0")},
        {"trailing point minus whole", "-", "5.", "5", text("0")},
        {"trailing point, negative difference", "-", "3.", "5", text("-2")},
        {"lone point minus five", "-", ".", "5", text("-5")},
        {"lone points", "+", ".", ".", text("0")},
    });
}

TEST(LargeAddTest, CharactersTheDigitLoopCannotRead) {
    runTable({
        {"plus sign in a digit place", "+", "+5", "3", kNaN},
        {"letters", "+", "abc", "1", kNaN},
        {"letter in the second operand", "-", "1", "1a", kNaN},
        {"exponent form", "+", "1E5", "1", kNaN},
        {"tab is not a separator", "+", "1\t2", "1", kNaN},
        {"byte that is not ASCII", "+", "1\xC3\xA9", "1", kNaN},
        {"second point of operand 1", "+", "1.2.3", "1", kNaN},
        {"second point of operand 2", "+", "1", "1.2.3", kNaN},
        {"inner minus", "+", "1-5", "1", kNaN},
        {"trailing minus", "+", "5-", "1", kNaN},
        {"only the leading minus is a sign", "-", "--5", "1", kNaN},
        {"lone minus is zero", "+", "-", "1", text("1")},
        {"lone point is zero", "-", ".", "1", text("-1")},
        {"letter in a place the point skips", "+", "1.5", "a", kNaN},
        {"colon in a full word of digits", "+", "1234567:", "1", kNaN},
        {"slash in a full word of digits", "-", "12345678", "/2345678", kNaN},
        {"inner minus in a full word of digits", "+", "1234-678", "11111111", kNaN},
    });
}

TEST(LargeAddTest, OperationOtherThanPlusOrMinus) {
    runTable({
        {"empty operation", "", "1", "2", kInvalid},
        {"times", "*", "1", "2", kInvalid},
        {"doubled plus", "++", "1", "2", kInvalid},
        {"plus with a space", "+ ", "1", "2", kInvalid},
    });
}

// ---- The 16-bit limits ----------------------------------------------------------

TEST(LargeAddTest, LongestResultIsAcceptedAndOnePastOverflows) {
    const std::string nines(kMaxLen, '9');
    EXPECT_EQ(run("+", nines, "0"), text(nines));
    EXPECT_EQ(run("-", "1", std::string(kMaxLen - 1, '9')), text("-" + std::string(kMaxLen - 2, '9') + "8"));
    // A final carry or a sign would make a result the next operation cannot read.
    EXPECT_EQ(run("+", nines, "1"), kOverflow);
    EXPECT_EQ(run("-", "1", nines), kOverflow);
    EXPECT_EQ(run("+", "-" + std::string(kMaxLen - 1, '9'), "-1"), kOverflow);
}

TEST(LargeAddTest, OneCharacterPastTheLimitOverflows) {
    const std::string tooLong(kMaxLen + 1, '1');
    EXPECT_EQ(run("+", tooLong, "1"), kOverflow);
    EXPECT_EQ(run("-", "1", tooLong), kOverflow);
    EXPECT_EQ(run("+", "-" + std::string(kMaxLen, '1'), "1"), kOverflow) << "the sign counts";
    EXPECT_EQ(run("+", std::string(kMaxLen + 1, 'x'), "1"), kOverflow)
        << "the length is checked before any digit is read";
    EXPECT_EQ(run("+", std::string(1000000, '7'), ""), kOverflow);
}

TEST(LargeAddTest, SeparatorsDoNotCountTowardsTheLimit) {
    std::string grouped;
    for (int i = 0; i < kMaxLen; ++i) {
        if (i > 0 && i % 3 == 0) grouped += (i % 2 ? ',' : ' ');
        grouped += '1';
    }
    ASSERT_GT(grouped.size(), static_cast<std::size_t>(kMaxLen));
    EXPECT_EQ(run("+", grouped, "1"), text(std::string(kMaxLen - 1, '1') + "2"));
    EXPECT_EQ(run("+", grouped + ",1", "1"), kOverflow);
}

TEST(LargeAddTest, AlignedLengthPastTheLimitOverflows) {
    const int half = (kMaxLen - 1) / 2;  // half + "." + half = the limit
    const std::string whole(half, '1');
    const std::string fraction = "." + std::string(half, '2');
    EXPECT_EQ(run("+", whole, fraction), text(whole + fraction));
    EXPECT_EQ(run("-", fraction, whole + "1"), kOverflow);
    EXPECT_EQ(run("+", whole + "1", fraction), kOverflow);
}

// ---- Differential checks --------------------------------------------------------

TEST(LargeAddTest, RandomPairsMatchValueOracleAndTranscription) {
    constexpr std::uint32_t kSeed = 20240611;
    OperandMaker make(kSeed);
    int failures = 0;
    for (int i = 0; i < 6000 && failures < 10; ++i) {
        const std::string op = make.chance(50) ? "+" : "-";
        std::string a, b;
        if (make.chance(10)) {  // one operand in the hundreds of digits
            a = make.number(make.uniform(0, 400), make.uniform(0, 400), make.chance(70));
            b = make.shortNumber();
            if (make.chance(50)) std::swap(a, b);
        } else {
            a = make.shortNumber();
            b = make.shortNumber();
        }
        a = make.withSeparators(a);
        b = make.withSeparators(b);
        if (!checkPair(kSeed, i, op, a, b, true)) ++failures;
    }
}

TEST(LargeAddTest, LongRandomPairsMatchValueOracleAndTranscription) {
    constexpr std::uint32_t kSeed = 77031;
    OperandMaker make(kSeed);
    for (int i = 0; i < 10; ++i) {
        // Shapes that stay within the aligned limit, the last at it exactly.
        const int total = i == 9 ? kMaxLen - 1 : make.uniform(1000, kMaxLen - 2);
        const int intLen = make.uniform(0, total);
        std::string a = make.number(intLen, total - intLen, true);
        if (a.size() > static_cast<std::size_t>(kMaxLen)) a.resize(kMaxLen);
        std::string b = make.number(make.uniform(0, intLen), make.uniform(0, total - intLen),
                                    make.chance(50));
        if (make.chance(50)) std::swap(a, b);
        for (const char* op : {"+", "-"}) checkPair(kSeed, i, op, a, b, true);
    }
}

TEST(LargeAddTest, MalformedOperandsMatchTranscription) {
    constexpr std::uint32_t kSeed = 915;
    OperandMaker make(kSeed);
    int texts = 0, failures = 0, mismatches = 0;
    for (int i = 0; i < 3000 && mismatches < 10; ++i) {
        const std::string op = make.chance(50) ? "+" : "-";
        std::string a = make.chance(70) ? make.malformed() : make.shortNumber();
        std::string b = make.chance(70) ? make.malformed() : make.shortNumber();
        const Outcome<> got = run(op, a, b);
        const Outcome<> slow = capture([&] { return literalLargeAdd(op, a, b); });
        EXPECT_EQ(got, slow) << "seed " << kSeed << " pair " << i << ": " << shown(a) << " " << op
                             << " " << shown(b) << " gave " << describe(got)
                             << ", transcription " << describe(slow);
        if (!(got == slow)) ++mismatches;
        (got.kind == Kind::Value ? texts : failures) += 1;
    }
    // Both outcomes must be well represented for the comparison to mean much.
    EXPECT_GT(texts, 300);
    EXPECT_GT(failures, 300);
}

}  // namespace
}  // namespace calcora
