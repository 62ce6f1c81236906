// SPDX-License-Identifier: MIT
// Add, subtract, multiply, divide and 1/x, clicked on the real window in both
// modes: results, the significant-figure setting, the error texts, the one
// message box, and failures that must leave the operands as they were.
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <random>
#include <vector>

#include "window_driver.h"

namespace {

const QString kPrevious = QStringLiteral("previous");
const QString kExpTypedOver = QStringLiteral("typed over");

using namespace window_text;

QString repeated(char c, int n) { return QString(n, QLatin1Char(c)); }

const QString kFixedMax = QStringLiteral("79228162514264337593543950335");

void addColumns() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<bool>("highPrecision");
    QTest::addColumn<QString>("num1");
    QTest::addColumn<QString>("num2");
    QTest::addColumn<QString>("setting");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("settingAfter");
    QTest::addColumn<QStringList>("messages");
}

void row(const char* name, const char* command, bool highPrecision, const QString& num1,
         const QString& num2, const QString& result, const QString& setting = QStringLiteral("50"),
         const QString& settingAfter = QString(), const QStringList& messages = {}) {
    QTest::newRow(qPrintable(QString::fromLatin1(highPrecision ? "HP " : "VHP ") + QLatin1String(name)))
        << QString::fromLatin1(command) << highPrecision << num1 << num2 << setting << result
        << (settingAfter.isNull() ? setting : settingAfter) << messages;
}

// The same row in both modes.
void both(const char* name, const char* command, const QString& num1, const QString& num2,
          const QString& result, const QString& setting = QStringLiteral("50"),
          const QString& settingAfter = QString()) {
    row(name, command, false, num1, num2, result, setting, settingAfter);
    row(name, command, true, num1, num2, result, setting, settingAfter);
}

// Decimal digits (most significant first) multiplied the schoolbook way.
std::vector<int> schoolbookProduct(const std::vector<int>& a, const std::vector<int>& b) {
    std::vector<int> product(a.size() + b.size(), 0);
    for (std::size_t i = a.size(); i-- > 0;) {
        int carry = 0;
        for (std::size_t j = b.size(); j-- > 0;) {
            const int sum = product[i + j + 1] + a[i] * b[j] + carry;
            product[i + j + 1] = sum % 10;
            carry = sum / 10;
        }
        product[i] += carry;
    }
    const auto first = std::find_if(product.begin(), product.end(), [](int d) { return d != 0; });
    return {first, product.end()};
}

QString digitsText(const std::vector<int>& digits) {
    QString text;
    for (int d : digits) text += QChar(u'0' + d);
    return text;
}

}  // namespace

class ArithCommandsTest : public QObject {
    Q_OBJECT

private slots:
    void addSubtract_data();
    void addSubtract() { checkRow(); }
    void multiply_data();
    void multiply() { checkRow(); }
    void divide_data();
    void divide() { checkRow(); }
    void reciprocal_data();
    void reciprocal() { checkRow(); }

    void theMessageBoxIsModalTitledCalcoraWithOk();
    void typedLongOperandsMultiplyExactly();
    void hostileInputNeitherFreezesNorCrashes_data();
    void hostileInputNeitherFreezesNorCrashes();

private:
    void checkRow();
};

// Sets the boxes, clicks, then compares every box. Every command writes its
// answer or a fixed text over "previous" (so txtExp, typed over, is
// recomputed); the operands and the memory never change.
void ArithCommandsTest::checkRow() {
    QFETCH(QString, command);
    QFETCH(bool, highPrecision);
    QFETCH(QString, num1);
    QFETCH(QString, num2);
    QFETCH(QString, setting);
    QFETCH(QString, result);
    QFETCH(QString, settingAfter);
    QFETCH(QStringList, messages);

    WindowDriver driver;
    driver.selectHighPrecision(highPrecision);
    driver.setText(QStringLiteral("txtNum1"), num1);
    driver.setText(QStringLiteral("txtNum2"), num2);
    driver.setText(QStringLiteral("txtSigFigs"), setting);
    driver.setText(QStringLiteral("txtMem"), QStringLiteral("12"));
    driver.setText(QStringLiteral("txtResult"), kPrevious);
    driver.setText(QStringLiteral("txtExp"), kExpTypedOver);

    driver.click(command);

    QCOMPARE(driver.text(QStringLiteral("txtResult")), result);
    QVERIFY(driver.text(QStringLiteral("txtExp")) != kExpTypedOver);
    QCOMPARE(driver.text(QStringLiteral("txtSigFigs")), settingAfter);
    QCOMPARE(driver.messages, messages);
    QCOMPARE(driver.text(QStringLiteral("txtNum1")), num1);
    QCOMPARE(driver.text(QStringLiteral("txtNum2")), num2);
    QCOMPARE(driver.text(QStringLiteral("txtMem")), QStringLiteral("12"));
    QCOMPARE(driver.control<QRadioButton>(QStringLiteral("OptHP"))->isChecked(), highPrecision);
}

void ArithCommandsTest::addSubtract_data() {
    addColumns();
    // "Very High Precision": the texts go to the exact arithmetic as typed.
    row("both empty give 0", "cmdAdd", false, "", "", "0");
    row("commas and spaces as typed", "cmdAdd", false, "1,000", " 2", "1002");
    row("exact beyond 29 digits", "cmdAdd", false, repeated('9', 40), "1", '1' + repeated('0', 40));
    row("letters", "cmdAdd", false, "abc", "1", kNumericInputRequired);
    row("digits that are not ASCII", "cmdAdd", false, QStringLiteral("١٢"), "1", kNumericInputRequired);
    row("40,000 digits are beyond the arithmetic", "cmdAdd", false, repeated('1', 40000), "1", kTooBig);
    row("a sum one digit too long", "cmdAdd", false, repeated('9', 32767), "1", kTooBig);
    row("a sum of exactly 32,767 characters", "cmdAdd", false, "1e-32766", "", '.' + repeated('0', 32765) + '1');
    row("zero beside a fraction of 32,767 characters", "cmdAdd", false, "1e-32766", "0",
        '.' + repeated('0', 32765) + '1');
    row("leading zeros beside a fraction of 32,767 characters", "cmdSubtract", false, "-007", "1e-32766",
        kTooBig);
    row("plus sign in front", "cmdAdd", false, "+5", "1", "6");
    row("sign after the digits", "cmdAdd", false, "5-", "1", kNumericInputRequired);
    row("second point", "cmdAdd", false, "1.2.3", "1", kNumericInputRequired);
    row("two signs", "cmdSubtract", false, "--5", "1", kNumericInputRequired);
    row("pasted line break", "cmdAdd", false, "3\n", "1", "4");
    row("exponent form written out", "cmdAdd", false, "1e3", "1.5E-07", "1000.00000015");
    row("setting not read", "cmdAdd", false, "2", "3", "5", "abc");
    row("first minus second", "cmdSubtract", false, "5", "7", "-2");
    row("never the reverse", "cmdSubtract", false, "7", "5", "2");
    row("empty counts as zero", "cmdSubtract", false, "", "3", "-3");
    row("letters in subtraction", "cmdSubtract", false, "1", "x", kNumericInputRequired);

    // "High Precision": 29-digit fixed decimals.
    row("both empty are no numbers", "cmdAdd", true, "", "", kNumericInputRequired);
    row("0.1 + 0.2 is exactly 0.3", "cmdAdd", true, "0.1", "0.2", ".3");
    row("group commas read, never written", "cmdAdd", true, "1,000", "1", "1001");
    row("exponent form read", "cmdAdd", true, "1.5E3", "1", "1501");
    row("letters", "cmdAdd", true, "abc", "1", kNumericInputRequired);
    row("grouped with spaces", "cmdAdd", true, "1 000", "1", "1001");
    row("one past the largest", "cmdAdd", true, kFixedMax, "1", kTooBig);
    row("setting not read", "cmdAdd", true, "2", "3", "5", "abc");
    row("first minus second", "cmdSubtract", true, "5", "7", "-2");
    row("no leading space", "cmdSubtract", true, "7", "5", "2");
    row("decimal, not binary", "cmdSubtract", true, "0.3", "0.1", ".2");
    row("one below the smallest", "cmdSubtract", true, '-' + kFixedMax, "1", kTooBig);
    row("empty operand", "cmdSubtract", true, "", "3", kNumericInputRequired);
    row("operands too small for 15 figures in 28 places", "cmdAdd", true, "4e-29", "4e-29", kTooBig);
}

void ArithCommandsTest::multiply_data() {
    addColumns();
    both("second not a number", "cmdMultiply", "2", "abc", kNumericInputRequired);
    both("second empty copies the first", "cmdMultiply", "1,5", "", "1,5");
    both("second empty, first no number", "cmdMultiply", "xyz", "", kNumericInputRequired);
    both("second empty copies 32,767 characters", "cmdMultiply", repeated('7', 32767), "", repeated('7', 32767));
    both("second empty, first too long to copy", "cmdMultiply", repeated('7', 40000), "", kTooBig);
    both("both empty", "cmdMultiply", "", "", "");
    both("first not a number", "cmdMultiply", "abc", "2", kNumericInputRequired);
    both("99 characters are checked", "cmdMultiply", "2", repeated('1', 98) + 'x', kNumericInputRequired);
    both("100 characters are checked too", "cmdMultiply", "2", repeated('1', 99) + 'x', kNumericInputRequired);

    row("6 x 7", "cmdMultiply", true, "6", "7", "42");
    row("signs", "cmdMultiply", true, "1.5", "-2", "-3");
    row("decimal product", "cmdMultiply", true, "0.1", "0.1", ".01");
    row("group commas", "cmdMultiply", true, "1,000", "3", "3000");
    row("beyond fixed decimals: doubles", "cmdMultiply", true, "1E+20", "1E+20", "1E+40");
    row("beyond doubles", "cmdMultiply", true, "1E+200", "1E+200", kTooBig);
    row("operand too small: 15 figures of the exact product", "cmdMultiply", true, "1e-29", "1e10", "1E-19");
    row("tiny product is no zero", "cmdMultiply", true, "1e-200", "1e-300", "1E-500");
    row("product below the 28 places is no zero", "cmdMultiply", true, "1e-15", "1e-14", "1E-29");
    row("product short of 15 figures in 28 places", "cmdMultiply", true, "1.23456789e-10", "1.1e-10",
        "1.358024679E-20");
    row("exact product with few figures stays fixed", "cmdMultiply", true, "2e-10", "3e-10",
        ".00000000000000000006");
    row("exact product rounded once, not doubles", "cmdMultiply", true, "124285028380144e20", "567143669248394e20",
        "7.04874670281557E+68");
    row("setting not read", "cmdMultiply", true, "6", "7", "42", "abc");

    row("exact with every digit", "cmdMultiply", false, "123456789012345678901234567890", "10",
        "1234567890123456789012345678900", "30");
    row("setting not read", "cmdMultiply", false, "6", "7", "42", "abc");
    row("two negatives", "cmdMultiply", false, "-2", "-3", "6");
    row("below one", "cmdMultiply", false, "0.5", "0.5", ".25");
    row("commas removed", "cmdMultiply", false, "1,000", "2", "2000");
    row("exponent form written out", "cmdMultiply", false, "12", "1e3", "12000");
}

void ArithCommandsTest::divide_data() {
    addColumns();
    for (const char* zero : {"0", "00", "0.0", "0.00", "000", "-0", "0E5", "0e-40"}) {
        both(qPrintable(QStringLiteral("divisor %1 is zero").arg(QLatin1String(zero))), "cmdDivide", "1",
             QString::fromLatin1(zero), kDivideByZero);
    }
    both("divisor not a number", "cmdDivide", "1", "x", kNumericInputRequired);
    both("grouped divisor", "cmdDivide", "1", "1 000", ".001");
    both("pasted divisor with a line break", "cmdDivide", "6", "3\n", "2");
    both("divisor empty", "cmdDivide", "1", "", kDivideByZero);
    both("setting letters", "cmdDivide", "1", "3", kSettingNotANumber, "abc");
    both("setting empty", "cmdDivide", "1", "3", kSettingNotANumber, "");
    both("setting beyond a double becomes 500", "cmdDivide", "1", "8", ".125", "1e400", "500");
    both("setting of 400 digits becomes 500", "cmdDivide", "1", "8", ".125", repeated('9', 400), "500");
    both("setting far below zero becomes 30", "cmdDivide", "1", "8", ".125", "-1e400", "30");
    both("setting checked before the divisor", "cmdDivide", "1", "0", kSettingNotANumber, "x");
    both("setting 900 becomes 500", "cmdDivide", "1", "8", ".125", "900", "500");
    both("setting corrected before the divisor check", "cmdDivide", "1", "0", kDivideByZero, "10", "30");

    row("1/3 at 50 figures", "cmdDivide", false, "1", "3", '.' + repeated('3', 50));
    row("10/4", "cmdDivide", false, "10", "4", "2.5");
    row("setting 10 becomes 30", "cmdDivide", false, "1", "3", '.' + repeated('3', 30), "10", "30");
    row("setting -5 becomes 30", "cmdDivide", false, "2", "3", '.' + repeated('6', 30), "-5", "30");
    row("fractional setting kept, counts whole", "cmdDivide", false, "1", "3", '.' + repeated('3', 45),
        "45.7");
    // The setting is read as every box is: blanks at the ends, group separators.
    row("setting with a tab in front", "cmdDivide", false, "1", "3", '.' + repeated('3', 60), "\t60");
    row("setting with a line break after", "cmdDivide", false, "1", "3", '.' + repeated('3', 60), "60\n");
    row("setting grouped with a space", "cmdDivide", false, "1", "3", '.' + repeated('3', 45), "4 5");
    row("commas removed", "cmdDivide", false, "1,000", "8", "125");
    // Thirty quotient digits, the 31st digit's place kept by a zero.
    row("31-digit dividend at 30", "cmdDivide", false, repeated('1', 31), "1", repeated('1', 30) + '0',
        "30");
    row("32-digit dividend refused", "cmdDivide", false, repeated('1', 32), "1", "", "30", "30",
        {kNumeratorTooLong});
    row("dividend letters", "cmdDivide", false, "abc", "2", kNumericInputRequired);
    row("exponent-form divisor written out", "cmdDivide", false, "1", "1E5", ".00001");
    row("divisor beyond the setting's figures", "cmdDivide", false, "9", "1.000000000000000000000000000000000000000000000000099999",
        "8.9999999999999999999999999999999999999999999999991");
    row("divisor one past the setting's figures", "cmdDivide", false, "1", "1." + repeated('0', 50) + '1', '.' + repeated('9', 50));

    row("1/3 to 28 places", "cmdDivide", true, "1", "3", '.' + repeated('3', 28));
    row("2/3 rounded", "cmdDivide", true, "2", "3", '.' + repeated('6', 27) + '7');
    row("10/4", "cmdDivide", true, "10", "4", "2.5");
    row("quotient short of 15 figures in 28 places", "cmdDivide", true, "1", "3e14", "3.33333333333333E-15");
    row("exact quotient with few figures stays fixed", "cmdDivide", true, "1", "4e20", ".0000000000000000000025");
    row("setting corrected, not used", "cmdDivide", true, "10", "4", "2.5", "10", "30");
    row("beyond fixed decimals: doubles", "cmdDivide", true, "1E+20", "1E-20", "1E+40");
    row("beyond doubles", "cmdDivide", true, "1E+300", "1E-300", kTooBig);
    row("tiny divisor", "cmdDivide", true, "1", "1E-400", kTooBig);
    row("divisor too small: 15 figures of the exact quotient", "cmdDivide", true, "1",
        "0.00000000000000000000000000015", "6.66666666666667E+27");
    row("exact quotient rounded once, not doubles", "cmdDivide", true, "719492613690889e20", "895330354780749",
        "8.03605741555675E+19");
    row("dividend letters", "cmdDivide", true, "abc", "2", kNumericInputRequired);
}

void ArithCommandsTest::reciprocal_data() {
    addColumns();
    both("eighth", "cmdReciprocal", "8", "", ".125", "30");
    both("negative", "cmdReciprocal", "-4", "", "-.25", "30");
    both("zero", "cmdReciprocal", "0", "", kDivideByZero, "30");
    both("empty is zero", "cmdReciprocal", "", "", kDivideByZero, "30");
    both("letters", "cmdReciprocal", "abc", "", kNumericInputRequired, "30");
    both("setting 1000 becomes 500", "cmdReciprocal", "8", "", ".125", "1000", "500");
    both("correction stays when the command fails", "cmdReciprocal", "0", "", kDivideByZero, "1000", "500");
    both("setting letters", "cmdReciprocal", "8", "", kSettingNotANumber, "abc");
    both("second operand not read", "cmdReciprocal", "8", "x", ".125");
    row("third at 30 figures", "cmdReciprocal", false, "3", "", '.' + repeated('3', 30), "30");
    row("third to 28 places", "cmdReciprocal", true, "3", "", '.' + repeated('3', 28), "30");
    row("too small for 15 figures in 28 places", "cmdReciprocal", true, "1e-29", "", kTooBig, "30");
}

// The default seam: a real modal box titled "Calcora" with one OK button,
// closed here; the result box is emptied after it.
void ArithCommandsTest::theMessageBoxIsModalTitledCalcoraWithOk() {
    calcora::frmNumora window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.findChild<QLineEdit*>(QStringLiteral("txtNum1"))->setText(repeated('7', 32));
    window.findChild<QLineEdit*>(QStringLiteral("txtNum2"))->setText(QStringLiteral("7"));
    window.findChild<QLineEdit*>(QStringLiteral("txtSigFigs"))->setText(QStringLiteral("30"));
    window.findChild<QLineEdit*>(QStringLiteral("txtResult"))->setText(kPrevious);

    QString title, text, resultWhileShown;
    bool modal = false;
    QList<QAbstractButton*> buttons;
    QTimer poll;
    connect(&poll, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr || !box->isVisible()) return;
        poll.stop();
        title = box->windowTitle();
        text = box->text();
        modal = box->isModal();
        buttons = box->buttons();
        resultWhileShown = window.findChild<QLineEdit*>(QStringLiteral("txtResult"))->text();
        box->button(QMessageBox::Ok)->click();
    });
    poll.start(10);
    window.findChild<QPushButton*>(QStringLiteral("cmdDivide"))->click();

    QCOMPARE(title, QStringLiteral("Calcora"));
    QCOMPARE(text, kNumeratorTooLong);
    QVERIFY(modal);
    QCOMPARE(buttons.size(), 1);
    QCOMPARE(resultWhileShown, kPrevious);
    QCOMPARE(window.findChild<QLineEdit*>(QStringLiteral("txtResult"))->text(), QString());
    QCOMPARE(window.findChild<QLineEdit*>(QStringLiteral("txtExp"))->text(), QString());
}

// A 2,000-digit and a 1,500-digit number typed key by key; the product is
// checked against a schoolbook product of digit vectors.
void ArithCommandsTest::typedLongOperandsMultiplyExactly() {
    constexpr unsigned kSeed = 20240611;
    std::mt19937 random(kSeed);
    std::uniform_int_distribution<int> digit(0, 9);
    auto randomDigits = [&](std::size_t n) {
        std::vector<int> digits(n);
        for (int& d : digits) d = digit(random);
        digits[0] = 1 + digit(random) % 9;
        return digits;
    };
    const std::vector<int> a = randomDigits(2000);
    const std::vector<int> b = randomDigits(1500);

    WindowDriver driver;
    QTest::keyClicks(driver.box(QStringLiteral("txtNum1")), digitsText(a));
    QTest::keyClicks(driver.box(QStringLiteral("txtNum2")), digitsText(b));
    QCOMPARE(driver.text(QStringLiteral("txtNum1")).size(), 2000);
    QCOMPARE(driver.text(QStringLiteral("txtNum2")).size(), 1500);
    driver.click(QStringLiteral("cmdMultiply"));

    const QString expected = digitsText(schoolbookProduct(a, b));
    QVERIFY2(driver.text(QStringLiteral("txtResult")) == expected,
             qPrintable(QStringLiteral("seed %1").arg(kSeed)));
    QCOMPARE(driver.text(QStringLiteral("txtExp")), QString::number(expected.size() - 1));
}

void ArithCommandsTest::hostileInputNeitherFreezesNorCrashes_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("100,000 digits") << repeated('9', 100000);
    QTest::newRow("100,000 letters") << repeated('x', 100000);
    QTest::newRow("lone minus") << QStringLiteral("-");
    QTest::newRow("lone point") << QStringLiteral(".");
    QTest::newRow("two points") << QStringLiteral("1.2.3");
    QTest::newRow("inner minus") << QStringLiteral("1-2");
    QTest::newRow("not ASCII") << QStringLiteral("½€漢");
    QTest::newRow("control characters") << QStringLiteral("1\t2\n3");
    QTest::newRow("500-digit numerator") << repeated('7', 501);
}

// Every command in both modes, with the text in either operand: each click
// returns, and the operands are as they were.
void ArithCommandsTest::hostileInputNeitherFreezesNorCrashes() {
    QFETCH(QString, text);
    WindowDriver driver;
    driver.setText(QStringLiteral("txtSigFigs"), QStringLiteral("500"));
    for (bool highPrecision : {false, true}) {
        driver.selectHighPrecision(highPrecision);
        for (const auto& [num1, num2] : {std::pair{text, QStringLiteral("7")}, std::pair{QStringLiteral("7"), text}}) {
            driver.setText(QStringLiteral("txtNum1"), num1);
            driver.setText(QStringLiteral("txtNum2"), num2);
            for (const char* command : {"cmdAdd", "cmdSubtract", "cmdMultiply", "cmdDivide", "cmdReciprocal"}) {
                driver.click(QString::fromLatin1(command));
                QCOMPARE(driver.text(QStringLiteral("txtNum1")), num1);
                QCOMPARE(driver.text(QStringLiteral("txtNum2")), num2);
            }
        }
    }
}

QTEST_MAIN(ArithCommandsTest)
#include "arith_commands_test.moc"
