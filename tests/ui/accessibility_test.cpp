// SPDX-License-Identifier: MIT
// What a screen reader hears: every control has a name and a description
// through Qt's accessibility, boxes are named by their role, buttons by what
// they do, labels by their text, and a description names the button's
// shortcut; the window is a frame, each button's press action has its key,
// and every command's result reaches the window's notification.
// (scripts/orca_check.sh hears the notification through Orca itself.)
#include <QAccessible>
#include <QAccessibleInterface>
#include <QKeyCombination>
#include <QTest>

#include "window_driver.h"

namespace {

QString spoken(QWidget* widget, QAccessible::Text kind) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
    return accessible ? accessible->text(kind) : QString();
}

// The name of the window's notification, the last thing announced.
QString announced(QWidget& window) {
    QAccessibleInterface* frame = QAccessible::queryAccessibleInterface(&window);
    for (int i = 0; i < frame->childCount(); ++i) {
        QAccessibleInterface* child = frame->child(i);
        if (child->role() == QAccessible::Notification) {
            if (child->parent()->object() != &window || frame->indexOfChild(child) != i) return QStringLiteral("(lost)");
            return child->text(QAccessible::Name);
        }
    }
    return QStringLiteral("(no notification)");
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
    void theWindowIsAFrame();
    void labelsAreNamedByTheirText_data();
    void labelsAreNamedByTheirText();
    void aButtonsPressActionHasItsKey_data();
    void aButtonsPressActionHasItsKey();
    void everyCommandIsAnnounced_data();
    void everyCommandIsAnnounced();
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

void AccessibilityTest::theWindowIsAFrame() {
    WindowDriver driver;
    QAccessibleInterface* frame = QAccessible::queryAccessibleInterface(&driver.window);
    QCOMPARE(frame->role(), QAccessible::Window);
    QCOMPARE(frame->text(QAccessible::Name), QStringLiteral("Calcora"));
}

void AccessibilityTest::labelsAreNamedByTheirText_data() {
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("name");
    QTest::newRow("the version notice") << "Label4" << "Ver 1.2 - exact long arithmetic";
    QTest::newRow("blanks run together") << "Label3" << "Significant figures in VHP (30 - 500):";
    QTest::newRow("an abbreviation") << "Label6" << "WSF:";
}

void AccessibilityTest::labelsAreNamedByTheirText() {
    QFETCH(QString, label);
    QFETCH(QString, name);
    WindowDriver driver;
    QCOMPARE(spoken(driver.control<QWidget>(label), QAccessible::Name), name);
}

void AccessibilityTest::aButtonsPressActionHasItsKey_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("result");  // of pressing it on 6 and 7
    QTest::newRow("of two keys, the first") << "cmdAdd" << "Ctrl++" << "13";
    QTest::newRow("a shifted key") << "cmdPower" << "Ctrl+^" << "279936";
    QTest::newRow("a key without Ctrl") << "cmdClearAll" << "Esc" << "";
}

// The press action comes first: screen readers read action 0's key.
void AccessibilityTest::aButtonsPressActionHasItsKey() {
    QFETCH(QString, button);
    QFETCH(QString, key);
    QFETCH(QString, result);
    WindowDriver driver;
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(driver.control<QWidget>(button));
    QCOMPARE(accessible->role(), QAccessible::Button);
    QAccessibleActionInterface* actions = accessible->actionInterface();
    QVERIFY(actions != nullptr);
    QCOMPARE(actions->actionNames().value(0), QAccessibleActionInterface::pressAction());
    QCOMPARE(actions->keyBindingsForAction(QAccessibleActionInterface::pressAction()), QStringList{key});
    QCOMPARE(accessible->text(QAccessible::Accelerator), key);
    driver.setText(QStringLiteral("txtNum1"), QStringLiteral("6"));
    driver.setText(QStringLiteral("txtNum2"), QStringLiteral("7"));
    actions->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(driver.text(QStringLiteral("txtResult")), result);
}

void AccessibilityTest::everyCommandIsAnnounced_data() {
    QTest::addColumn<QString>("num1");
    QTest::addColumn<QString>("num2");
    QTest::addColumn<QString>("result");  // in the box before the command
    QTest::addColumn<QKeyCombination>("key");
    QTest::addColumn<QString>("announced");
    const QKeyCombination ctrl = Qt::ControlModifier | Qt::Key_unknown;
    const auto with = [ctrl](Qt::Key key) { return QKeyCombination(ctrl.keyboardModifiers(), key); };
    QTest::newRow("a result whole") << "6" << "7" << "" << with(Qt::Key_Asterisk) << "42";
    QTest::newRow("a long result by its lead and count")
        << "1000" << "" << "" << with(Qt::Key_Exclam) << QStringLiteral("4023872600… 2,568 digits");
    QTest::newRow("an error text whole") << "x" << "1" << "" << with(Qt::Key_Plus) << window_text::kNumericInputRequired;
    QTest::newRow("the memory") << "" << "" << "42" << with(Qt::Key_M) << "Memory 42";
    QTest::newRow("the memory emptied") << "" << "" << "" << with(Qt::Key_L) << "Memory empty";
    QTest::newRow("a command that writes neither") << "1" << "2" << "3" << with(Qt::Key_Up) << "";
}

// The boxes as given, the memory holding 5, then the command's key.
void AccessibilityTest::everyCommandIsAnnounced() {
    QFETCH(QString, num1);
    QFETCH(QString, num2);
    QFETCH(QString, result);
    QFETCH(QKeyCombination, key);
    QFETCH(QString, announced);
    ShownWindowDriver driver;
    QVERIFY(driver.active());
    driver.setText(QStringLiteral("txtMem"), key.key() == Qt::Key_M ? QString() : QStringLiteral("5"));
    driver.setText(QStringLiteral("txtNum1"), num1);
    driver.setText(QStringLiteral("txtNum2"), num2);
    driver.setText(QStringLiteral("txtResult"), result);
    driver.press(key);
    QCOMPARE(::announced(driver.window), announced);
}

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
