// SPDX-License-Identifier: MIT
// A result that no longer answers the boxes says so: every way of changing an
// operand, the mode or the setting dims it and notes it in its tool tip and
// accessible description; the next result, or the boxes back as they were,
// lifts the mark; a result that answers nothing is never marked.
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPalette>
#include <QRadioButton>
#include <QTest>
#include <algorithm>

#include "window_driver.h"

namespace {

using window_text::kEarlierResult;

constexpr QPalette::ColorGroup kShownGroups[] = {QPalette::Active, QPalette::Inactive};

// The window with "6" and "7" multiplied to "42" in "Very High Precision";
// what the result box looks like and says before any mark.
class Window : public WindowDriver {
public:
    Window() {
        setText(QStringLiteral("txtMem"), QStringLiteral("5"));
        restoreInputs();
        usualPalette = result()->palette();
        usualDescription = result()->accessibleDescription();
        click(QStringLiteral("cmdMultiply"));
    }

    QLineEdit* result() { return box(QStringLiteral("txtResult")); }

    void restoreInputs() {
        setText(QStringLiteral("txtNum1"), QStringLiteral("6"));
        setText(QStringLiteral("txtNum2"), QStringLiteral("7"));
        setText(QStringLiteral("txtSigFigs"), QStringLiteral("50"));
        selectHighPrecision(false);
    }

    // One way of changing what the result was computed from.
    void change(const QString& how) {
        if (how.startsWith(QLatin1String("type "))) {
            QTest::keyClick(box(how.mid(5)), '1');
        } else if (how == QLatin1String("mode")) {
            QTest::mouseClick(control<QRadioButton>(QStringLiteral("OptHP")), Qt::LeftButton, {}, QPoint(6, 6));
        } else {
            click(how);
        }
    }

    QPalette usualPalette;
    QString usualDescription;
};

// The mark, or its absence, as the user and a screen reader meet it.
void checkMark(Window& win, bool marked) {
    QLineEdit* result = win.result();
    // The digit count of these short results.
    const QString shown = result->text();
    const auto digits = std::count_if(shown.begin(), shown.end(), [](QChar c) { return c.isDigit(); });
    const QString usualTip = digits == 0   ? QString()
                             : digits == 1 ? QStringLiteral("1 digit")
                                           : QStringLiteral("%1 digits").arg(digits);
    QCOMPARE(result->toolTip(), marked ? kEarlierResult : usualTip);
    QCOMPARE(result->accessibleDescription(), marked ? kEarlierResult : win.usualDescription);
    for (const QPalette::ColorGroup group : kShownGroups) {
        const QColor text = result->palette().color(group, QPalette::Text);
        const QColor usual = win.usualPalette.color(group, QPalette::Text);
        if (!marked) {
            QCOMPARE(text, usual);
            continue;
        }
        QVERIFY2(text != usual, qPrintable(text.name()));
        const double ratio = wcagContrast(text, result->palette().color(group, QPalette::Base));
        QVERIFY2(ratio >= 4.5, qPrintable(QStringLiteral("%1: %2:1").arg(text.name()).arg(ratio)));
    }
}

}  // namespace

class StaleResultTest : public QObject {
    Q_OBJECT

private slots:
    void earlierNumbersMarkTheResult_data();
    void earlierNumbersMarkTheResult();
    void resultsThatAnswerNothingAreNeverMarked_data();
    void resultsThatAnswerNothingAreNeverMarked();
    void aMarkedResultIsCopiedAndAddedAsBefore();
};

void StaleResultTest::earlierNumbersMarkTheResult_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("typing in the first number") << "type txtNum1";
    QTest::newRow("typing in the second number") << "type txtNum2";
    QTest::newRow("the other mode") << "mode";
    QTest::newRow("typing in the setting") << "type txtSigFigs";
    QTest::newRow("U") << "cmdShftUp";
    QTest::newRow("D") << "cmdShftDn";
    QTest::newRow("S") << "cmdSwitch";
    QTest::newRow("pi") << "cmdPi";
    QTest::newRow("MR1") << "cmdMemRec1";
    QTest::newRow("Paste beside the first number") << "cmdPaste1";
    QTest::newRow("Clear beside the first number") << "cmdClr1";
}

void StaleResultTest::earlierNumbersMarkTheResult() {
    QFETCH(QString, how);
    QGuiApplication::clipboard()->setText(QStringLiteral("123"));
    Window win;
    QCOMPARE(win.text(QStringLiteral("txtResult")), QStringLiteral("42"));
    checkMark(win, false);

    win.change(how);
    checkMark(win, true);
    win.restoreInputs();
    checkMark(win, false);

    win.change(how);
    checkMark(win, true);
    win.click(QStringLiteral("cmdAdd"));
    checkMark(win, false);
}

void StaleResultTest::resultsThatAnswerNothingAreNeverMarked_data() {
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("result");
    // What stands in the result box once the first number has changed.
    QTest::newRow("pasted into the result") << "cmdPasteRes" << "123";
    QTest::newRow("cleared by Clear") << "cmdClr3" << "";
    QTest::newRow("cleared by C") << "cmdClearAll" << "";
    QTest::newRow("shifted to the first number") << "cmdShift" << "";
    QTest::newRow("shifted to the second number") << "cmdShift2" << "";
    // Divide, M+ and Shift Result to 1: the term moves on, the result is empty.
    QTest::newRow("e series") << "cmdMacro" << "";
}

void StaleResultTest::resultsThatAnswerNothingAreNeverMarked() {
    QFETCH(QString, first);
    QFETCH(QString, result);
    QGuiApplication::clipboard()->setText(QStringLiteral("123"));
    Window win;
    win.click(first);
    win.change(QStringLiteral("type txtNum1"));
    QCOMPARE(win.text(QStringLiteral("txtResult")), result);
    checkMark(win, false);
}

void StaleResultTest::aMarkedResultIsCopiedAndAddedAsBefore() {
    Window win;
    win.setText(QStringLiteral("txtMem"), QString());
    win.change(QStringLiteral("type txtNum1"));
    win.click(QStringLiteral("cmdCopyResult"));
    win.click(QStringLiteral("cmdMemPlus"));
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("42"));
    QCOMPARE(win.text(QStringLiteral("txtMem")), QStringLiteral("42"));
    checkMark(win, true);
}

QTEST_MAIN(StaleResultTest)
#include "stale_result_test.moc"
