// SPDX-License-Identifier: MIT
// txtResult_Change: txtExp follows every change of the result box, whoever
// makes it, with the power of ten of the value's first significant digit.
#include <QLineEdit>
#include <QTest>

#include "window_driver.h"

class ResultDisplayTest : public QObject {
    Q_OBJECT

private slots:
    void exponent_data();
    void exponent();
    void typingUpdatesOnEveryKey();
    void aResultLongerThan16BitsStillGetsItsExponent();
};

void ResultDisplayTest::exponent_data() {
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("exponent");
    QTest::newRow("whole number: length - 1") << "12345" << "4";
    QTest::newRow("one digit") << "7" << "0";
    QTest::newRow("zero") << "0" << "0";
    QTest::newRow("point after three") << "123.45" << "2";
    QTest::newRow("point after one") << "1.5" << "0";
    QTest::newRow("trailing point") << "5." << "0";
    QTest::newRow("0. prefix dropped") << "0.5" << "-1";
    QTest::newRow("leading point") << ".25" << "-1";
    QTest::newRow("one zero after point") << ".05" << "-2";
    QTest::newRow("two zeros after 0.") << "0.0012" << "-3";
    QTest::newRow("long quotient") << ".333" << "-1";
    QTest::newRow("zeros broken by a digit") << ".0102" << "-2";
    QTest::newRow("lone point is no number") << "." << "";
    QTest::newRow("0. alone is zero") << "0." << "0";
    QTest::newRow("leading zeros do not count") << "00.5" << "-1";
    QTest::newRow("leading zeros of a whole number") << "008" << "0";
    QTest::newRow("exponent form read") << "1E+36" << "36";
    QTest::newRow("negative exponent form") << "1.5E-07" << "-7";
    QTest::newRow("lower-case e") << "1.5e10" << "10";
    QTest::newRow("error text with capital E") << "Error - numeric input required" << "";
    QTest::newRow("divide by zero text") << "Divide by zero error" << "";
    QTest::newRow("letters") << "abc" << "";
    QTest::newRow("empty") << "" << "";
    // A leading "-" is set aside: the exponent is the magnitude's.
    QTest::newRow("negative whole") << "-123" << "2";
    QTest::newRow("negative with point") << "-12.5" << "1";
    QTest::newRow("negative leading point") << "-.05" << "-2";
    QTest::newRow("negative 0.") << "-0.05" << "-2";
    QTest::newRow("negative one digit") << "-2" << "0";
    QTest::newRow("minus alone") << "-" << "";
    QTest::newRow("two minus signs") << "--5" << "";
    QTest::newRow("zero with zeros after the point") << "0.000" << "0";
}

void ResultDisplayTest::exponent() {
    QFETCH(QString, result);
    QFETCH(QString, exponent);
    WindowDriver driver;
    driver.setText(QStringLiteral("txtResult"), QStringLiteral("999"));
    driver.setText(QStringLiteral("txtExp"), QStringLiteral("typed over"));
    driver.setText(QStringLiteral("txtResult"), result);
    QCOMPARE(driver.text(QStringLiteral("txtExp")), exponent);
}

void ResultDisplayTest::typingUpdatesOnEveryKey() {
    WindowDriver driver;
    QLineEdit* result = driver.box(QStringLiteral("txtResult"));
    const QStringList expected = {"0", "1", "1", "1"};  // "1", "12", "12.", "12.5"
    const QString typed = QStringLiteral("12.5");
    for (int i = 0; i < typed.size(); ++i) {
        QTest::keyClick(result, typed[i].toLatin1());
        QCOMPARE(driver.text(QStringLiteral("txtExp")), expected[i]);
    }
    QTest::keyClick(result, Qt::Key_Home);
    QTest::keyClick(result, '0');  // "012.5": a leading zero does not count
    QCOMPARE(driver.text(QStringLiteral("txtExp")), QStringLiteral("1"));
    result->clear();
    QCOMPARE(driver.text(QStringLiteral("txtExp")), QString());
}

// Positions beyond 32,767 would not fit a 16-bit count; the exponent is
// still the true one.
void ResultDisplayTest::aResultLongerThan16BitsStillGetsItsExponent() {
    WindowDriver driver;
    driver.setText(QStringLiteral("txtResult"), QString(40000, QLatin1Char('9')));
    QCOMPARE(driver.text(QStringLiteral("txtExp")), QStringLiteral("39999"));
    driver.setText(QStringLiteral("txtResult"), QLatin1Char('.') + QString(40000, QLatin1Char('0')) + '1');
    QCOMPARE(driver.text(QStringLiteral("txtExp")), QStringLiteral("-40001"));
}

QTEST_MAIN(ResultDisplayTest)
#include "result_display_test.moc"
