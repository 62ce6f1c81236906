// SPDX-License-Identifier: MIT
// Square root, power and factorial clicked on the real window in both modes:
// the texts written, the corrected setting and where the focus ends.
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "window_driver.h"

namespace {

const QString kPrevious = QStringLiteral("previous");
using namespace window_text;

const QString kRootTwo30 = QStringLiteral("1.4142135623730950488016887242");
const QString kRootTwo50 = QStringLiteral("1.4142135623730950488016887242096980785696718753769");
const QString kRootTwo100 = QStringLiteral(
    "1.414213562373095048801688724209698078569671875376948073176679737990732478462107038850387534327641572");
// The fixed-decimal estimate of the root of 2: one Heron step from the double root.
const QString kRootTwoEstimate = QStringLiteral("1.4142135623730950488016887242");

const QString kNum1 = QStringLiteral("txtNum1");
const QString kStays = QStringLiteral("txtNum2");  // where each row puts the focus before the click

enum class Mode { VHP, HP };

class RootsPowersTest : public QObject {
    Q_OBJECT

private slots:
    void commands_data();
    void commands();
    void factorialOfOneThousand();
    void squareRootShowsNoApproximationOnTheWay();
};

void addRow(Mode mode, const char* name, const char* command, const QString& num1, const QString& num2,
            const QString& result, const QString& focus, const QString& setting = QStringLiteral("50"),
            const QString& settingAfter = QString()) {
    QTest::newRow(qPrintable(QString::fromLatin1(mode == Mode::HP ? "HP " : "VHP ") + QString::fromLatin1(command) +
                             QStringLiteral(" ") + QString::fromLatin1(name)))
        << QString::fromLatin1(command) << (mode == Mode::HP) << num1 << num2 << setting << result
        << (settingAfter.isNull() ? setting : settingAfter) << focus;
}

void addBoth(const char* name, const char* command, const QString& num1, const QString& num2,
             const QString& result, const QString& focus, const QString& setting = QStringLiteral("50"),
             const QString& settingAfter = QString()) {
    addRow(Mode::VHP, name, command, num1, num2, result, focus, setting, settingAfter);
    addRow(Mode::HP, name, command, num1, num2, result, focus, setting, settingAfter);
}

void RootsPowersTest::commands_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<bool>("highPrecision");
    QTest::addColumn<QString>("num1");
    QTest::addColumn<QString>("num2");
    QTest::addColumn<QString>("setting");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("settingAfter");
    QTest::addColumn<QString>("focus");

    const QString none;
    // ---- Square root ----
    addRow(Mode::VHP, "of two at fifty", "cmdSqRt", "2", none, kRootTwo50, kNum1);
    addRow(Mode::HP, "of two is the estimate", "cmdSqRt", "2", none, kRootTwoEstimate, kNum1);
    addRow(Mode::VHP, "setting 10 shown as 30", "cmdSqRt", "2", none, kRootTwo30, kNum1, "10", "30");
    addRow(Mode::HP, "setting 10 shown as 30", "cmdSqRt", "2", none, kRootTwoEstimate, kNum1, "10", "30");
    addRow(Mode::VHP, "setting 900 shown as 500, root at 100", "cmdSqRt", "2", none, kRootTwo100, kNum1, "900",
           "500");
    addRow(Mode::HP, "setting 900 shown as 500", "cmdSqRt", "2", none, kRootTwoEstimate, kNum1, "900", "500");
    addBoth("setting not a number", "cmdSqRt", "2", none, kSettingNotANumber, kStays, "abc");
    addRow(Mode::VHP, "setting read as typed, tab before it", "cmdSqRt", "2", none, kRootTwo30, kNum1, "\t30");
    addBoth("zero shortcut 0.0", "cmdSqRt", "0.0", none, "0", kStays);
    addBoth("zero shortcut 00", "cmdSqRt", "00", none, "0", kStays);
    addBoth("other zero through the fallback", "cmdSqRt", "0.000", none, "0", kStays);
    addBoth("letters", "cmdSqRt", "abc", none, kInputMustBeNumeric, kStays);
    addBoth("empty box", "cmdSqRt", "", none, kInputMustBeNumeric, kStays);
    addRow(Mode::VHP, "grouped with spaces", "cmdSqRt", "1 000", none,
           "31.622776601683793319988935444327185337195551393252", kNum1);
    addRow(Mode::HP, "grouped with spaces", "cmdSqRt", "1 000", none, "31.622776601683793319988935444", kNum1);
    addBoth("negative", "cmdSqRt", "-4", none, kNotNegative, kStays);
    addBoth("negative fraction", "cmdSqRt", "-0.25", none, kNotNegative, kStays);
    addBoth("negative too small for the fixed decimal", "cmdSqRt", "-1E-40", none, kNotNegative, kStays);
    addRow(Mode::VHP, "tiny exponent form written out", "cmdSqRt", "1E-40", none, ".00000000000000000001", kNum1);
    addRow(Mode::HP, "too small for 15 figures in 28 places", "cmdSqRt", "1E-40", none, kTooBig, kStays);
    addRow(Mode::HP, "second figure past 28 places", "cmdSqRt", "1.5e-28", none, kTooBig, kStays);
    addRow(Mode::HP, "true root rounded, not a Heron step", "cmdSqRt", "581.75", none,
           "24.119494190384673155947554855", kNum1);
    addRow(Mode::HP, "exact root", "cmdSqRt", "2.25", none, "1.5", kNum1);
    addRow(Mode::VHP, "beyond the double range", "cmdSqRt", "1E400", none, "1" + QString(200, '0'), kNum1);
    addRow(Mode::HP, "beyond the double range", "cmdSqRt", "1E400", none, kTooBig, kStays);
    addRow(Mode::VHP, "tiny beyond the length limit", "cmdSqRt", "." + QString(40000, '0') + "1", none, kTooBig, kStays);
    addRow(Mode::VHP, "huge beyond the length limit", "cmdSqRt", "2." + QString(40000, '0'), none, kTooBig, kStays);
    addRow(Mode::VHP, "commas", "cmdSqRt", "1,000,000", none, "1000", kNum1);
    addRow(Mode::HP, "commas", "cmdSqRt", "1,000,000", none, "1000", kNum1);
    addRow(Mode::VHP, "quarter", "cmdSqRt", "0.25", none, ".5", kNum1);
    addRow(Mode::VHP, "small number gets every figure", "cmdSqRt", "0.005", none,
           ".070710678118654752440084436210484903928483593768847", kNum1);
    addRow(Mode::VHP, "beyond the fixed decimal", "cmdSqRt", "100000000000000000000000000000", none,
           "316227766016837.93319988935444327185337195551393252", kNum1);
    addRow(Mode::HP, "beyond the fixed decimal", "cmdSqRt", "100000000000000000000000000000", none,
           "316227766016838", kStays);
    addRow(Mode::VHP, "plus sign", "cmdSqRt", "+4", none, "2", kNum1);
    addRow(Mode::VHP, "exponent form", "cmdSqRt", "1E5", none,
           "316.22776601683793319988935444327185337195551393252", kNum1);

    // ---- Power ----
    addBoth("exponent empty", "cmdPower", "2", "", kExponentNeeded, kStays);
    addBoth("exponent letters", "cmdPower", "2", "x", kExponentNeeded, kStays);
    addRow(Mode::HP, "half", "cmdPower", "2", "0.5", "1.4142135623731", kNum1);
    addRow(Mode::VHP, "half is the square root", "cmdPower", "2", "0.5", kRootTwo50, kNum1);
    addRow(Mode::VHP, "120 exactly", "cmdPower", "2", "120", "1329227995784915872903807060280344576", kNum1);
    addRow(Mode::HP, "120 in doubles", "cmdPower", "2", "120", "1.32922799578492E+36", kNum1);
    addRow(Mode::VHP, "exact power cut", "cmdPower", "1.1", "100",
           "13780.612339822270184118337172089636776264331200038", kNum1);
    addRow(Mode::VHP, "zero exponent", "cmdPower", "2", "0", "1", kNum1);
    addBoth("zero exponent of no number", "cmdPower", "abc", "0", kNumericInputRequired, kNum1);
    addRow(Mode::VHP, "exponent form", "cmdPower", "2", "1e1", "1024", kNum1);
    addRow(Mode::VHP, "reciprocal", "cmdPower", "8", "-1", ".125", kNum1);
    addRow(Mode::VHP, "half with a grouped setting", "cmdPower", "2", "0.5", kRootTwo30, kNum1, "3 0");
    addBoth("setting 10 shown as 30", "cmdPower", "2", "3", "8", kNum1, "10", "30");
    addBoth("setting 900 shown as 500", "cmdPower", "2", "3", "8", kNum1, "900", "500");
    addBoth("setting not a number", "cmdPower", "2", "3", kSettingNotANumber, kStays, "");
    addBoth("double overflow", "cmdPower", "10", "400", kTooBig, kNum1);
    addBoth("zero to a negative power", "cmdPower", "0", "-2", kTooBig, kNum1);
    addBoth("negative base, fractional exponent", "cmdPower", "-8", "0.3", kTooBig, kNum1);
    addBoth("base not a number", "cmdPower", "abc", "2", kNumericInputRequired, kNum1);
    addBoth("base empty", "cmdPower", "", "2", kNumericInputRequired, kNum1);
    addBoth("zero base to minus one", "cmdPower", "0", "-1", kTooBig, kNum1);
    addBoth("exponent beyond 32 bits", "cmdPower", "2", "1E10", kTooBig, kNum1);
    addBoth("negative base to the half", "cmdPower", "-4", "0.5", kTooBig, kNum1);
    addRow(Mode::HP, "base beyond the fixed decimal", "cmdPower", "1" + QString(30, '0'), "2", kTooBig, kNum1);
    addRow(Mode::VHP, "product beyond the length limit", "cmdPower", QString(300, '7'), "120", kTooBig, kNum1);
    addBoth("exponent near a whole number", "cmdPower", "2", "119.9999999999999999", "1.32922799578492E+36", kNum1);
    addBoth("negative base, exponent not quite whole", "cmdPower", "-2", "2.00000000000000001", kTooBig, kNum1);
    addRow(Mode::VHP, "zero to a tiny power", "cmdPower", "0", "1e-400", "0", kNum1);
    addRow(Mode::HP, "exponent too small to keep 15 figures", "cmdPower", "0", "1e-400", kTooBig, kNum1);
    addBoth("tiny power beyond the double", "cmdPower", "1e-5", "121", "1E-605", kNum1);
    addRow(Mode::HP, "base too small to keep 15 figures", "cmdPower", "1e-29", "2", kTooBig, kNum1);
    addRow(Mode::HP, "base as typed, not as a double", "cmdPower", "1.1", "120", "92709.0688178301", kNum1);
    addRow(Mode::VHP, "half written otherwise is the square root", "cmdPower", "2", "0.50", kRootTwo50, kNum1);

    // ---- Factorial ----
    addBoth("above 1000", "cmdFac", "1001", none, kFactorialTooLarge, kStays);
    addBoth("comma hides the size from the leading number", "cmdFac", "1,500", none, kFactorialTooLarge, kStays);
    addBoth("beyond the double range", "cmdFac", "1E400", none, kFactorialTooLarge, kStays);
    addBoth("letters", "cmdFac", "abc", none, kIntegerNeeded, kStays);
    addBoth("empty", "cmdFac", "", none, kIntegerNeeded, kStays);
    addBoth("fraction rounds down", "cmdFac", "5.5", none, "120", kStays);
    addBoth("negative", "cmdFac", "-3", none, kWholeNumber, kStays);
    addBoth("negative fraction", "cmdFac", "-0.5", none, kWholeNumber, kStays);
    addBoth("minus zero", "cmdFac", "-0", none, "1", kStays);
    addBoth("exponent form", "cmdFac", "1e1", none, "3628800", kStays);
    addBoth("nines a double rounds up", "cmdFac", "5.99999999999999999", none, "120", kStays);
    addRow(Mode::HP, "exponent form of 1000 past the leading number", "cmdFac", "100000e-2", none,
           kHpFactorialOverflow, kStays);
    addRow(Mode::HP, "whole part 1000 is no factorial above 1000", "cmdFac", "1000.5", none, kHpFactorialOverflow,
           kStays);
    addRow(Mode::HP, "nines below the largest", "cmdFac", "170.99999999999999", none, "7.257415615308E+306", kStays);
    addRow(Mode::HP, "largest in doubles", "cmdFac", "170", none, "7.257415615308E+306", kStays);
    addRow(Mode::HP, "first beyond doubles", "cmdFac", "171", none, kHpFactorialOverflow, kStays);
    addRow(Mode::VHP, "25 exactly", "cmdFac", "25", none, "15511210043330985984000000", kStays);
    addBoth("below the 16-bit range", "cmdFac", "-40000", none, kWholeNumber, kStays);
    addBoth("below the double range", "cmdFac", "-1E400", none, kWholeNumber, kStays);
    addBoth("far above in exponent form", "cmdFac", "1e99999", none, kFactorialTooLarge, kStays);
    addBoth("exponent too long to read", "cmdFac", "1e" + QString(33000, '1'), none, kTooBig, kStays);
}

void RootsPowersTest::commands() {
    QFETCH(QString, command);
    QFETCH(bool, highPrecision);
    QFETCH(QString, num1);
    QFETCH(QString, num2);
    QFETCH(QString, setting);
    QFETCH(QString, result);
    QFETCH(QString, settingAfter);
    QFETCH(QString, focus);

    ShownWindowDriver driver;
    QVERIFY(driver.active());
    driver.selectHighPrecision(highPrecision);
    driver.setText("txtNum1", num1);
    driver.setText("txtNum2", num2);
    driver.setText("txtSigFigs", setting);
    driver.setText("txtResult", kPrevious);
    driver.box("txtNum2")->setFocus();

    // Not a mouse click, which would move the focus to the button: the focus
    // stays where the row put it unless the command moves it.
    driver.WindowDriver::click(command);

    QCOMPARE(driver.text("txtResult"), result);
    QCOMPARE(driver.text("txtSigFigs"), settingAfter);
    QCOMPARE(driver.text("txtNum1"), num1);
    QCOMPARE(driver.text("txtNum2"), num2);
    QVERIFY(driver.messages.isEmpty());
    QCOMPARE(ShownWindowDriver::focused(), focus);
}

void RootsPowersTest::factorialOfOneThousand() {
    WindowDriver driver;
    driver.setText("txtNum1", "1000");
    driver.click("cmdFac");
    const QString exact = driver.text("txtResult");
    QCOMPARE(exact.size(), 2568);
    QVERIFY(exact.startsWith("402387260077093773543702433923003985719374864210"));
    QVERIFY(exact.endsWith(QString(249, '0')));

    // Exponent forms count their whole value, past the leading number.
    for (const char* typed : {"1e3", "100000e-2", "10000e-1"}) {
        driver.setText("txtNum1", typed);
        driver.click("cmdFac");
        QVERIFY2(driver.text("txtResult") == exact, typed);
    }
    // 999! is 1000! / 1000; nines that a double rounds up to 1000 count 999.
    driver.setText("txtNum1", "999.99999999999999");
    driver.click("cmdFac");
    QVERIFY(driver.text("txtResult") == exact.chopped(3));
}

void RootsPowersTest::squareRootShowsNoApproximationOnTheWay() {
    // Only the root itself is ever written: no estimate stands in the box
    // while the root is worked out, or after a failure.
    WindowDriver driver;
    QStringList written;
    QObject::connect(driver.box("txtResult"), &QLineEdit::textChanged,
                     [&](const QString& text) { written << text; });
    driver.setText("txtNum1", "2");
    driver.click("cmdSqRt");
    QCOMPARE(written, QStringList({kRootTwo50}));
}

}  // namespace

QTEST_MAIN(RootsPowersTest)
#include "roots_powers_test.moc"
