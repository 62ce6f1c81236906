// SPDX-License-Identifier: MIT
// Long results from their start: a command's write leaves a box showing its
// first digits, and the result box's tool tip counts the digits.
#include <QLineEdit>
#include <QTest>

#include "window_driver.h"

class LongResultTest : public QObject {
    Q_OBJECT

private slots:
    void commandWriteShowsTheStart_data();
    void commandWriteShowsTheStart();
    void typingKeepsTheCursor();
    void toolTipCountsDigits_data();
    void toolTipCountsDigits();
};

namespace {
const QString kLong = QString(300, QLatin1Char('9'));
}

void LongResultTest::commandWriteShowsTheStart_data() {
    QTest::addColumn<QString>("num1");
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("box");
    QTest::newRow("1000! in the result") << "1000" << "cmdFac" << "txtResult";
    // The same text again: the box would put its cursor at the end.
    QTest::newRow("the same result twice") << "1000" << "cmdFac,cmdFac" << "txtResult";
    QTest::newRow("memory recall") << "5" << "cmdMemPlus,cmdMemRec2" << "txtNum2";
    QTest::newRow("paste") << "5" << "cmdCopyResult,cmdPaste1" << "txtNum1";
}

// The box's cursor at 0, and once painted, at the box's left edge: the view
// shows the most significant digits.
void LongResultTest::commandWriteShowsTheStart() {
    QFETCH(QString, num1);
    QFETCH(QString, command);
    QFETCH(QString, box);
    ShownWindowDriver driver;
    QVERIFY(driver.active());
    driver.setText(QStringLiteral("txtResult"), kLong);  // for M+ and Copy Result
    driver.setText(QStringLiteral("txtNum1"), num1);
    for (const QString& name : command.split(QLatin1Char(','))) driver.click(name);
    QLineEdit* written = driver.box(box);
    QVERIFY(written->text().size() >= 300);
    QCOMPARE(written->cursorPosition(), 0);
    written->grab();  // a paint scrolls the view to the cursor
    const int cursorX = written->inputMethodQuery(Qt::ImCursorRectangle).toRect().left();
    QVERIFY2(cursorX < written->width() / 10, qPrintable(QString::number(cursorX)));
}

void LongResultTest::typingKeepsTheCursor() {
    ShownWindowDriver driver;
    QVERIFY(driver.active());
    driver.setText(QStringLiteral("txtNum1"), QStringLiteral("12"));
    driver.box(QStringLiteral("txtNum1"))->setFocus();
    driver.box(QStringLiteral("txtNum1"))->end(false);
    QTest::keyClicks(driver.box(QStringLiteral("txtNum1")), QStringLiteral("34"));
    QCOMPARE(driver.text(QStringLiteral("txtNum1")), QStringLiteral("1234"));
    QCOMPARE(driver.box(QStringLiteral("txtNum1"))->cursorPosition(), 4);
}

void LongResultTest::toolTipCountsDigits_data() {
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("tip");
    QTest::newRow("thousands get a comma") << QString(2568, QLatin1Char('4')) << "2,568 digits";
    QTest::newRow("one digit") << "7" << "1 digit";
    QTest::newRow("sign, point, groups and blanks") << " -1,234.5 " << "5 digits";
    QTest::newRow("exponent digits not counted") << "1.5E-07" << "2 digits";
    QTest::newRow("an error text is no number") << "Divide by zero error" << "";
    QTest::newRow("two points") << "1.2.3" << "";
    QTest::newRow("empty") << "" << "";
}

void LongResultTest::toolTipCountsDigits() {
    QFETCH(QString, result);
    QFETCH(QString, tip);
    WindowDriver driver;
    driver.setText(QStringLiteral("txtResult"), QStringLiteral("12"));
    driver.setText(QStringLiteral("txtResult"), result);
    QCOMPARE(driver.box(QStringLiteral("txtResult"))->toolTip(), tip);
}

QTEST_MAIN(LongResultTest)
#include "long_result_test.moc"
