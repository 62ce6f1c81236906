// SPDX-License-Identifier: MIT
// What a screen reader hears: every control has a name and a description
// through Qt's accessibility, boxes are named by their role, buttons by what
// they do, and a description names the button's shortcut.
#include <QAccessible>
#include <QAccessibleInterface>
#include <QTest>

#include "window_driver.h"

namespace {

QString spoken(QWidget* widget, QAccessible::Text kind) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
    return accessible ? accessible->text(kind) : QString();
}

}  // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

private slots:
    void everyControlIsNamedAndDescribed();
    void name_data();
    void name();
    void descriptionNamesTheShortcut_data();
    void descriptionNamesTheShortcut();
};

void AccessibilityTest::everyControlIsNamedAndDescribed() {
    WindowDriver driver;
    const auto controls = driver.window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    QCOMPARE(controls.size(), 45);
    for (QWidget* control : controls) {
        QVERIFY2(!spoken(control, QAccessible::Name).trimmed().isEmpty(), qPrintable(control->objectName()));
        QVERIFY2(!spoken(control, QAccessible::Description).trimmed().isEmpty(),
                 qPrintable(control->objectName()));
    }
}

void AccessibilityTest::name_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");
    QTest::newRow("first operand box") << "txtNum1" << "First number";
    QTest::newRow("second operand box") << "txtNum2" << "Second number";
    QTest::newRow("result box") << "txtResult" << "Result";
    QTest::newRow("memory box") << "txtMem" << "Memory";
    QTest::newRow("exponent box") << "txtExp" << "Scientific notation exponent of the result";
    QTest::newRow("figures across the window") << "txtWSF" << "Significant figures that fit across the window";
    QTest::newRow("setting box") << "txtSigFigs" << "Significant figures in Very High Precision";
    QTest::newRow("U in words") << "cmdShftUp" << "Move numbers up";
    QTest::newRow("D in words") << "cmdShftDn" << "Move numbers down";
    QTest::newRow("S in words") << "cmdSwitch" << "Swap numbers";
    QTest::newRow("C in words") << "cmdClearAll" << "Clear all";
}

void AccessibilityTest::name() {
    QFETCH(QString, control);
    QFETCH(QString, name);
    WindowDriver driver;
    QCOMPARE(spoken(driver.control<QWidget>(control), QAccessible::Name), name);
}

void AccessibilityTest::descriptionNamesTheShortcut_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("ending");
    QTest::newRow("an operator, both keys") << "cmdAdd" << "Shortcut: Ctrl++ or Ctrl+Num++.";
    QTest::newRow("a letter key") << "cmdMemPlus" << "Shortcut: Ctrl+M.";
    QTest::newRow("a key without Ctrl") << "cmdClearAll" << "Shortcut: Esc.";
}

void AccessibilityTest::descriptionNamesTheShortcut() {
    QFETCH(QString, control);
    QFETCH(QString, ending);
    WindowDriver driver;
    const QString description = spoken(driver.control<QWidget>(control), QAccessible::Description);
    QVERIFY2(description.endsWith(ending), qPrintable(description));
}

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
