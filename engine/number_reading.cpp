// Reading a number as a person types or pastes it: blanks around it, group
// separators, a sign, exponent form. One reading serves every command, so a
// text is a number for all of them or for none.
#include "engine/engine.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "engine/limits.h"
#include "engine/numtext.h"

namespace calcora {

namespace {

// Exponents beyond this many digits are far past any expansion the 16-bit
// length allows; they are kept as text only for the exponent box.
constexpr std::size_t kExponentDigitsRead = 9;

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }

bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view withoutOuterBlanks(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return text;
}

// A number text taken apart. The value is ±0.d₁d₂… × 10^(intChars + exponent)
// read as: mantissa digits with the point after intChars of them.
struct NumberParts {
    bool negative = false;
    std::string mantissa;       // as typed, point included, no sign
    bool hasExponent = false;
    bool exponentNegative = false;
    std::string exponentDigits;  // without leading zeros; empty for 0
};

// The parts of a text by the reading rules, or nothing when it is no number.
// The empty (or all-blank) text gives empty parts.
std::optional<NumberParts> partsOf(std::string_view text) {
    std::string store;
    std::string_view rest = numtext::cleanedView(withoutOuterBlanks(text), store);
    NumberParts parts;
    if (rest.empty()) return parts;
    if (rest.front() == '-' || rest.front() == '+') {
        parts.negative = rest.front() == '-';
        rest.remove_prefix(1);
    }
    const std::size_t mark = rest.find_first_of("Ee");
    const std::string_view mantissa = rest.substr(0, mark);
    if (!numtext::isNumberString(mantissa) || mantissa.find_first_of("0123456789") == std::string_view::npos) {
        return std::nullopt;
    }
    parts.mantissa = std::string(mantissa);
    if (mark == std::string_view::npos) return parts;

    std::string_view exponent = rest.substr(mark + 1);
    if (!exponent.empty() && (exponent.front() == '-' || exponent.front() == '+')) {
        parts.exponentNegative = exponent.front() == '-';
        exponent.remove_prefix(1);
    }
    if (exponent.empty()) return std::nullopt;
    for (const char c : exponent) {
        if (!isDigit(c)) return std::nullopt;
    }
    parts.hasExponent = true;
    const std::size_t first = exponent.find_first_not_of('0');
    if (first != std::string_view::npos) parts.exponentDigits = std::string(exponent.substr(first));
    return parts;
}

// The mantissa's value as digits without leading or trailing zeros and the
// power of ten of the point behind them: value = 0.digits × 10^point. Empty
// digits for zero.
struct Scaled {
    std::string digits;
    std::int64_t point = 0;
};

Scaled scaledOf(std::string_view mantissa) {
    const numtext::Shape shape = numtext::shapeOf(mantissa);
    std::string digits = numtext::digitsOf(mantissa);
    const std::size_t lead = digits.find_first_not_of('0');
    if (lead == std::string::npos) return {};
    const std::size_t last = digits.find_last_not_of('0');
    Scaled scaled;
    scaled.point = static_cast<std::int64_t>(shape.intChars) - static_cast<std::int64_t>(lead);
    scaled.digits = digits.substr(lead, last - lead + 1);
    return scaled;
}

[[noreturn]] void tooLong() {
    limits::failTooLong("number reading: the number written out");
}

// digits × 10^(point − digits) written out: ".00015", "1500", "1.5".
std::string writtenOut(const Scaled& scaled, bool negative) {
    const auto count = static_cast<std::int64_t>(scaled.digits.size());
    const std::int64_t length = (negative ? 1 : 0) + (scaled.point <= 0   ? 1 - scaled.point + count
                                                      : scaled.point >= count ? scaled.point
                                                                              : count + 1);
    if (length > limits::kMaxCount) tooLong();

    std::string text;
    text.reserve(static_cast<std::size_t>(length));
    if (negative) text += '-';
    if (scaled.point <= 0) {
        text += '.';
        text.append(static_cast<std::size_t>(-scaled.point), '0');
        text += scaled.digits;
    } else if (scaled.point >= count) {
        text += scaled.digits;
        text.append(static_cast<std::size_t>(scaled.point - count), '0');
    } else {
        text += std::string_view(scaled.digits).substr(0, static_cast<std::size_t>(scaled.point));
        text += '.';
        text += std::string_view(scaled.digits).substr(static_cast<std::size_t>(scaled.point));
    }
    return text;
}

}  // namespace

std::string plainNumber(std::string_view text) {
    const std::optional<NumberParts> parts = partsOf(text);
    if (!parts) throw NotANumber("number reading: the text is not a number");
    if (!parts->hasExponent) {
        const std::size_t length = (parts->negative ? 1 : 0) + parts->mantissa.size();
        if (length > static_cast<std::size_t>(limits::kMaxCount)) tooLong();
        return parts->negative ? "-" + parts->mantissa : parts->mantissa;
    }
    Scaled scaled = scaledOf(parts->mantissa);
    if (scaled.digits.empty()) return "0";
    // Any exponent of more digits than this writes out far past the limit.
    if (parts->exponentDigits.size() > kExponentDigitsRead) tooLong();
    const std::int64_t exponent = parts->exponentDigits.empty() ? 0 : std::stoll(parts->exponentDigits);
    scaled.point += parts->exponentNegative ? -exponent : exponent;
    return writtenOut(scaled, parts->negative);
}

bool isNumberText(std::string_view text) {
    const std::optional<NumberParts> parts = partsOf(text);
    return parts && !parts->mantissa.empty();
}

std::string decimalExponent(std::string_view text) {
    const std::optional<NumberParts> parts = partsOf(text);
    if (!parts || parts->mantissa.empty()) return {};
    const Scaled scaled = scaledOf(parts->mantissa);
    if (scaled.digits.empty()) return "0";
    // The first significant digit stands at 10^(point − 1).
    const std::string offset = std::to_string(scaled.point - 1);
    if (!parts->hasExponent || parts->exponentDigits.empty()) return offset;
    const std::string exponent = (parts->exponentNegative ? "-" : "") + parts->exponentDigits;
    try {
        return LargeAdd("+", exponent, offset);
    } catch (const ArithmeticOverflow&) {
        return {};  // an exponent of over 32,000 digits has no text here
    }
}

}  // namespace calcora
