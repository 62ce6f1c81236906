// Square root, power and factorial. The square root writes the fixed-decimal
// estimate first and, in "Very High Precision", replaces it by the refined
// root; the power and the factorial call the engine (or doubles in "High
// Precision") and write one text.
#include "ui/frmNumora.h"

#include <QLineEdit>
#include <QRadioButton>
#include <QString>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "engine/engine.h"
#include "engine/sqrt_steps.h"
#include "fixeddec/fixeddec.h"
#include "ui/command_support.h"

namespace calcora {
namespace {

constexpr const char* kInputMustBeNumeric = "Error - input must be numeric";
constexpr const char* kInputMustNotBeNegative = "Error - input must not be negative";
constexpr const char* kExponentNeeded = "Error - exponent needed";
constexpr const char* kFactorialTooLarge = "Factorials greater than 1000! are not allowed";
constexpr const char* kFactorialNeedsInteger = "Error - input must be an integer number <= 1000";

// The largest count whose factorial the command computes.
constexpr double kLargestFactorial = 1000;

QString latin1(const char* text) { return QString::fromLatin1(text); }

// The spellings of zero that the square root answers at once.
bool isPlainZero(const QString& text) {
    return text == QLatin1String("0") || text == QLatin1String("0.0") || text == QLatin1String("00") ||
           text == QLatin1String("0.00");
}

// For a text that isNumeric accepts: a "-" before a mantissa with a digit 1 to 9.
bool denotesNegative(std::string_view numeric) {
    const std::size_t first = numeric.find_first_not_of(' ');
    if (first == std::string_view::npos || numeric[first] != '-') return false;
    const std::string_view mantissa = numeric.substr(0, numeric.find_first_of("Ee"));
    return mantissa.find_first_of("123456789") != std::string_view::npos;
}

// For a text that isNumeric accepts: its value is above `limit`, counting a
// positive value beyond the double's range as above.
bool readsAbove(const std::string& numeric, double limit) {
    try {
        return textToDouble(numeric) > limit;
    } catch (const ArithmeticOverflow&) {
        return !denotesNegative(numeric);
    }
}

}  // namespace

void frmNumora::cmdSqRt_Click() {
    if (!correctSigFigs()) return;
    const QString typed = txtNum1->text();
    if (isPlainZero(typed)) {
        setResult(QStringLiteral("0"));
        return;
    }
    const std::string number = toUtf8(typed);
    if (!isNumeric(number)) {
        setResult(latin1(kInputMustBeNumeric));
        return;
    }
    // Neither the estimate nor the double root takes a negative number.
    if (denotesNegative(number)) {
        setResult(latin1(kInputMustNotBeNegative));
        return;
    }

    const bool veryHigh = optVHP->isChecked();
    try {
        if (veryHigh && sqrt_steps::isPositiveNumberString(number)) {
            // The exact root replaces the estimate, which may not exist for a
            // number beyond the fixed decimal's range.
            if (const auto first = resultUnlessFailure([&] { return sqrt_steps::estimate(number); })) {
                setResult(*first);
            }
            std::int16_t count = 0;
            setResult(fromUtf8(SquareRoot(count, number, toUtf8(txtSigFigs->text()))));
        } else {
            std::string root = sqrt_steps::estimate(number);
            setResult(fromUtf8(root));
            if (veryHigh) {
                const std::int16_t count = sqrt_steps::figureCount(toUtf8(txtSigFigs->text()));
                root = sqrt_steps::refine(count, number, std::move(root));
                setResult(fromUtf8(root));
            }
        }
        txtNum1->setFocus();
    } catch (const Failure&) {
        // The double root; where that fails too the command ends as it stands.
        if (const auto fallback = resultUnlessFailure([&] { return sqrt_steps::doubleRoot(number); })) {
            setResult(*fallback);
        }
    }
}

void frmNumora::cmdPower_Click() {
    if (!correctSigFigs()) return;
    const std::string base = toUtf8(txtNum1->text());
    const std::string exponent = toUtf8(txtNum2->text());
    if (!isNumeric(exponent)) {
        setResult(latin1(kExponentNeeded));
        return;
    }

    std::optional<QString> result;
    if (highPrecision()) {
        result = resultUnlessFailure(
            [&] { return trimmedText(power(toFixedDecimal(base), toFixedDecimal(exponent))); });
    } else {
        std::int16_t count = sigFigsCount();
        const std::string setting = toUtf8(txtSigFigs->text());
        result = resultUnlessFailure(
            [&] { return RTPower(count, base, exponent, setting, messageSinkOf(*this)); });
    }
    setResult(result.value_or(fromUtf8(kPowerOverflowText)));
    txtNum1->setFocus();
}

void frmNumora::cmdFac_Click() {
    const std::string typed = toUtf8(txtNum1->text());
    // The leading number stops at a comma ("1,500" reads as 1); the full
    // reading below catches what it misses.
    if (leadingNumber(typed) > kLargestFactorial) {
        setResult(latin1(kFactorialTooLarge));
        return;
    }
    if (!isNumeric(typed)) {
        setResult(latin1(kFactorialNeedsInteger));
        return;
    }
    if (readsAbove(typed, kLargestFactorial)) {
        setResult(latin1(kFactorialTooLarge));
        return;
    }
    const auto factorial =
        resultUnlessFailure([&] { return highPrecision() ? FactorialHP(typed) : FactorialUP(typed); });
    if (factorial) setResult(*factorial);
}

}  // namespace calcora
