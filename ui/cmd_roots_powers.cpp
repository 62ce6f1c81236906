// SPDX-License-Identifier: MIT
// Square root, power and factorial. Each reads its operands with the
// engine's one reading of numbers and writes one text into txtResult: the
// result, or a fixed text saying why there is none.
#include "ui/frmNumora.h"

#include <QLineEdit>
#include <QRadioButton>
#include <QString>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

#include "engine/engine.h"
#include "fixeddec/fixeddec.h"
#include "ui/command_support.h"

namespace calcora {
namespace {

constexpr const char* kInputMustBeNumeric = "Error - input must be numeric";
constexpr const char* kInputMustNotBeNegative = "Error - input must not be negative";
constexpr const char* kExponentNeeded = "Error - exponent needed";
constexpr const char* kFactorialTooLarge = "Factorials greater than 1000! are not allowed";
constexpr const char* kFactorialNeedsInteger = "Error - input must be an integer number <= 1000";
constexpr const char* kFactorialNeedsWholeNumber = "Error - input must be a whole number from 0 to 1000";

// The largest count whose factorial the command computes.
constexpr double kLargestFactorial = 1000;

QString latin1(const char* text) { return QString::fromLatin1(text); }

// For a number text: a "-" before a mantissa with a digit 1 to 9.
bool denotesNegative(std::string_view number) {
    const std::size_t first = number.find_first_not_of(" \t\n\r\v\f");
    if (first == std::string_view::npos || number[first] != '-') return false;
    const std::string_view mantissa = number.substr(0, number.find_first_of("Ee"));
    return mantissa.find_first_of("123456789") != std::string_view::npos;
}

// The text the factorial command answers a typed text with before it
// computes anything, or the empty text when the factorial may be computed.
QString factorialRefusal(std::string_view typed) {
    if (!isNumberText(typed)) return latin1(kFactorialNeedsInteger);
    if (denotesNegative(typed)) return latin1(kFactorialNeedsWholeNumber);
    // A first significant digit at 10^4 or beyond is far above 1000, however
    // long the number is written out. An exponent too long to have a text
    // here is left to the reading below, which finds the number too long.
    const std::string exponent = decimalExponent(typed);
    if (!exponent.empty() && exponent.front() != '-' && (exponent.size() > 1 || exponent.front() > '3')) {
        return latin1(kFactorialTooLarge);
    }
    return {};
}

// The number a box holds, or the text that says why there is none: `missing`
// for an empty box or a text that is no number, the failure text for one too
// long to compute with.
std::variant<std::string, QString> numberOrRefusal(const QLineEdit& box, const char* missing) {
    try {
        std::string number = numberIn(box);
        if (!number.empty()) return number;
    } catch (const NotANumber&) {
    } catch (const Failure& failure) {
        return failureText(failure);
    }
    return latin1(missing);
}

}  // namespace

void frmNumora::cmdSqRt_Click() {
    if (!correctSigFigs()) return;
    const auto read = numberOrRefusal(*txtNum1, kInputMustBeNumeric);
    if (const QString* refusal = std::get_if<QString>(&read)) {
        setResult(*refusal);
        return;
    }
    const std::string& number = std::get<std::string>(read);
    // Any spelling of zero ("00", "-0.0", "0E5") has the root "0".
    if (isZeroValue(number)) {
        setResult(QStringLiteral("0"));
        return;
    }
    if (number.front() == '-') {
        setResult(latin1(kInputMustNotBeNegative));
        return;
    }

    if (optVHP->isChecked()) {
        // Every figure a digit of the true root, at most 100 of them.
        std::int16_t count = 0;
        const std::string setting = std::to_string(sigFigsCount());
        setResult(resultOrFailureText([&] { return SquareRoot(count, number, setting); }));
        txtNum1->setFocus();
        return;
    }
    try {
        setResult(boxText(fixedSquareRoot(number)));
        txtNum1->setFocus();
        return;
    } catch (const ArithmeticOverflow& failure) {
        // Below 1, beyond the fixed decimal means too small to keep 15
        // figures in 28 places: the overflow text, as in every "High
        // Precision" command without a 15-figure fallback.
        if (decimalExponent(number).front() == '-') {
            setResult(failureText(failure));
            return;
        }
    } catch (const Failure&) {
    }
    // Above the fixed decimal's range: the double root, 15 figures.
    setResult(resultOrFailureText([&] { return doubleSquareRoot(number); }));
}

void frmNumora::cmdPower_Click() {
    if (!correctSigFigs()) return;
    const auto read = numberOrRefusal(*txtNum2, kExponentNeeded);
    if (const QString* refusal = std::get_if<QString>(&read)) {
        setResult(*refusal);
        return;
    }
    const std::string& exponent = std::get<std::string>(read);
    setResult(resultOrFailureText([&] {
        const std::string base = numberIn(*txtNum1);
        if (base.empty()) throw NotANumber("power: no base");
        try {
            if (highPrecision()) {
                // Both operands within the fixed decimal's range (their first
                // 15 figures kept), the power of their values as typed in 15
                // figures.
                static_cast<void>(toFixedOperand(base));
                static_cast<void>(toFixedOperand(exponent));
                return fifteenFigurePower(base, exponent);
            }
            std::int16_t count = sigFigsCount();
            return RTPower(count, base, exponent, std::to_string(count), messageSinkOf(*this));
        } catch (const Failure&) {
            // Whatever stops the power (a range, zero to a negative power, a
            // negative base with a fraction) says so with one text.
            return std::string(kPowerOverflowText);
        }
    }));
    txtNum1->setFocus();
}

void frmNumora::cmdFac_Click() {
    const std::string typed = engineText(txtNum1->text());
    // The leading number stops at the first character that is no digit, so
    // "1001abc" is already too large. It reads no exponent: a number in
    // exponent form is judged whole below ("100000e-2" is 1000).
    const bool exponentForm = isNumberText(typed) && typed.find_first_of("Ee") != std::string::npos;
    if (!exponentForm && leadingWholeNumber(typed) > kLargestFactorial) {
        setResult(latin1(kFactorialTooLarge));
        return;
    }
    if (const QString refusal = factorialRefusal(typed); !refusal.isEmpty()) {
        setResult(refusal);
        return;
    }
    setResult(resultOrFailureText([&] {
        const std::string number = plainNumber(typed);
        // Its whole part exactly: "1000.99999999999999999" is 1000, not 1001.
        if (leadingWholeNumber(number) > kLargestFactorial) return std::string(kFactorialTooLarge);
        return highPrecision() ? FactorialHP(number) : FactorialUP(number);
    }));
}

}  // namespace calcora
