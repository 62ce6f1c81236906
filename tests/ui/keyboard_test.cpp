// SPDX-License-Identifier: MIT
// The window without the mouse: every shortcut clicks its command wherever
// the focus is, no shortcut takes a key the boxes edit with, Ctrl+Q and
// Ctrl+W close the window, Ctrl+C copies the result unless a box has a
// selection, and Enter in an operand box repeats the last computing command.
#include <QClipboard>
#include <QGuiApplication>
#include <QKeySequence>
#include <QLineEdit>
#include <QTest>

#include "ui/keyboard.h"
#include "window_driver.h"

namespace {

constexpr Qt::KeyboardModifiers kCtrl = Qt::ControlModifier;
constexpr Qt::KeyboardModifiers kCtrlShift = Qt::ControlModifier | Qt::ShiftModifier;
constexpr Qt::KeyboardModifiers kCtrlAlt = Qt::ControlModifier | Qt::AltModifier;
constexpr Qt::KeyboardModifiers kCtrlKeypad = Qt::ControlModifier | Qt::KeypadModifier;

// The keys the boxes edit with; no shortcut may take one of them.
const QKeySequence::StandardKey kEditingKeys[] = {
    QKeySequence::Copy,           QKeySequence::Cut,
    QKeySequence::Paste,          QKeySequence::Undo,
    QKeySequence::Redo,           QKeySequence::SelectAll,
    QKeySequence::Delete,         QKeySequence::Backspace,
    QKeySequence::DeleteStartOfWord, QKeySequence::DeleteEndOfWord,
    QKeySequence::DeleteEndOfLine, QKeySequence::DeleteCompleteLine,
    QKeySequence::MoveToNextChar, QKeySequence::MoveToPreviousChar,
    QKeySequence::MoveToNextWord, QKeySequence::MoveToPreviousWord,
    QKeySequence::MoveToStartOfLine, QKeySequence::MoveToEndOfLine,
    QKeySequence::MoveToStartOfBlock, QKeySequence::MoveToEndOfBlock,
    QKeySequence::MoveToStartOfDocument, QKeySequence::MoveToEndOfDocument,
    QKeySequence::SelectNextChar, QKeySequence::SelectPreviousChar,
    QKeySequence::SelectNextWord, QKeySequence::SelectPreviousWord,
    QKeySequence::SelectStartOfLine, QKeySequence::SelectEndOfLine,
    QKeySequence::SelectStartOfBlock, QKeySequence::SelectEndOfBlock,
    QKeySequence::SelectStartOfDocument, QKeySequence::SelectEndOfDocument,
};

// Emacs-style keys some desktops give the text boxes (Ctrl+E to the end of
// the line, Ctrl+K to delete to it, Ctrl+U the whole line), which the
// platform without a desktop used by the tests does not list.
const QKeyCombination kDesktopEditingKeys[] = {
    kCtrl | Qt::Key_A, kCtrl | Qt::Key_E, kCtrl | Qt::Key_K, kCtrl | Qt::Key_U,
    kCtrl | Qt::Key_Y, kCtrlShift | Qt::Key_Z, kCtrlShift | Qt::Key_Insert,
};

}  // namespace

class KeyboardTest : public QObject {
    Q_OBJECT

private slots:
    void shortcutClicksItsCommand_data();
    void shortcutClicksItsCommand();
    void noShortcutTakesAnEditingKey();
    void closeKeys_data();
    void closeKeys();
    void ctrlCCopiesTheSelectionOrElseTheResult_data();
    void ctrlCCopiesTheSelectionOrElseTheResult();
    void enterRepeatsTheLastComputingCommand_data();
    void enterRepeatsTheLastComputingCommand();
};

void KeyboardTest::shortcutClicksItsCommand_data() {
    QTest::addColumn<QKeyCombination>("key");
    QTest::addColumn<QString>("button");
    const auto row = [](const char* name, QKeyCombination key, const char* button) {
        QTest::newRow(name) << key << QString::fromLatin1(button);
    };
    row("Ctrl++ adds", kCtrl | Qt::Key_Plus, "cmdAdd");
    row("Ctrl+keypad + adds", kCtrlKeypad | Qt::Key_Plus, "cmdAdd");
    row("Ctrl+- subtracts", kCtrl | Qt::Key_Minus, "cmdSubtract");
    row("Ctrl+keypad - subtracts", kCtrlKeypad | Qt::Key_Minus, "cmdSubtract");
    row("Ctrl+* multiplies", kCtrl | Qt::Key_Asterisk, "cmdMultiply");
    row("Ctrl+keypad * multiplies", kCtrlKeypad | Qt::Key_Asterisk, "cmdMultiply");
    row("Ctrl+/ divides", kCtrl | Qt::Key_Slash, "cmdDivide");
    row("Ctrl+keypad / divides", kCtrlKeypad | Qt::Key_Slash, "cmdDivide");
    row("Ctrl+R reciprocal", kCtrl | Qt::Key_R, "cmdReciprocal");
    row("Ctrl+@ square root", kCtrl | Qt::Key_At, "cmdSqRt");
    row("Ctrl+^ power", kCtrl | Qt::Key_AsciiCircum, "cmdPower");
    row("Ctrl+! factorial", kCtrl | Qt::Key_Exclam, "cmdFac");
    row("Ctrl+P pi", kCtrl | Qt::Key_P, "cmdPi");
    row("Ctrl+Shift+E e series", kCtrlShift | Qt::Key_E, "cmdMacro");
    row("Ctrl+M memory plus", kCtrl | Qt::Key_M, "cmdMemPlus");
    row("Ctrl+Shift+M memory minus", kCtrlShift | Qt::Key_M, "cmdMemMinus");
    row("Ctrl+1 recall to first", kCtrl | Qt::Key_1, "cmdMemRec1");
    row("Ctrl+2 recall to second", kCtrl | Qt::Key_2, "cmdMemRec2");
    row("Ctrl+L memory clear", kCtrl | Qt::Key_L, "cmdMemClear");
    row("Ctrl+Shift+C copy result", kCtrlShift | Qt::Key_C, "cmdCopyResult");
    row("Ctrl+Alt+C copy memory", kCtrlAlt | Qt::Key_C, "cmdCopyMem");
    row("Ctrl+Alt+1 paste first", kCtrlAlt | Qt::Key_1, "cmdPaste1");
    row("Ctrl+Alt+2 paste second", kCtrlAlt | Qt::Key_2, "cmdPaste2");
    row("Ctrl+Alt+3 paste result", kCtrlAlt | Qt::Key_3, "cmdPasteRes");
    row("Ctrl+Return shift result to 1", kCtrl | Qt::Key_Return, "cmdShift");
    row("Ctrl+Enter shift result to 1", kCtrl | Qt::Key_Enter, "cmdShift");
    row("Ctrl+Shift+Return shift result to 2", kCtrlShift | Qt::Key_Return, "cmdShift2");
    row("Ctrl+Up moves numbers up", kCtrl | Qt::Key_Up, "cmdShftUp");
    row("Ctrl+Down moves numbers down", kCtrl | Qt::Key_Down, "cmdShftDn");
    row("Ctrl+Shift+S swaps", kCtrlShift | Qt::Key_S, "cmdSwitch");
    row("Esc clears all", QKeyCombination(Qt::Key_Escape), "cmdClearAll");
    row("Alt+1 clears first", Qt::AltModifier | Qt::Key_1, "cmdClr1");
    row("Alt+2 clears second", Qt::AltModifier | Qt::Key_2, "cmdClr2");
    row("Alt+3 clears result", Qt::AltModifier | Qt::Key_3, "cmdClr3");
    row("Shift+F1 visits the website", Qt::ShiftModifier | Qt::Key_F1, "cmdVisit");
}

// Pressed on the window, and then in the first operand box, which has the
// focus: the box lets the key through to the window's shortcut.
void KeyboardTest::shortcutClicksItsCommand() {
    QFETCH(QKeyCombination, key);
    QFETCH(QString, button);
    ShownWindowDriver driver;
    QVERIFY(driver.active());
    driver.disableWebLink();
    driver.recordClicks();
    driver.box(QStringLiteral("txtNum1"))->setFocus();
    driver.press(key);
    QCOMPARE(driver.clicked, QStringList{button});
    driver.box(QStringLiteral("txtNum1"))->setFocus();
    driver.pressIn(QStringLiteral("txtNum1"), key);
    QCOMPARE(driver.clicked, QStringList({button, button}));
}

void KeyboardTest::noShortcutTakesAnEditingKey() {
    ShownWindowDriver driver;
    QList<QKeySequence> taken;
    for (QPushButton* button : driver.window.findChildren<QPushButton*>()) {
        const QList<QKeySequence> keys = calcora::shortcutsOf(button->objectName());
        QVERIFY2(!keys.isEmpty(), qPrintable(button->objectName()));
        taken += keys;
    }
    for (QKeySequence::StandardKey standard : kEditingKeys) {
        for (const QKeySequence& editing : QKeySequence::keyBindings(standard)) {
            QVERIFY2(!taken.contains(editing), qPrintable(editing.toString()));
        }
    }
    for (QKeyCombination editing : kDesktopEditingKeys) {
        QVERIFY2(!taken.contains(QKeySequence(editing)), qPrintable(QKeySequence(editing).toString()));
    }
    // And a box still does its own: Ctrl+A selects all of it.
    QVERIFY(driver.active());
    driver.setText(QStringLiteral("txtNum1"), QStringLiteral("12345"));
    driver.pressIn(QStringLiteral("txtNum1"), kCtrl | Qt::Key_A);
    QCOMPARE(driver.box(QStringLiteral("txtNum1"))->selectedText(), QStringLiteral("12345"));
}

void KeyboardTest::closeKeys_data() {
    QTest::addColumn<QKeyCombination>("key");
    QTest::newRow("Ctrl+Q") << (kCtrl | Qt::Key_Q);
    QTest::newRow("Ctrl+W") << (kCtrl | Qt::Key_W);
}

void KeyboardTest::closeKeys() {
    QFETCH(QKeyCombination, key);
    ShownWindowDriver driver;
    QVERIFY(driver.active());
    driver.pressIn(QStringLiteral("txtNum1"), key);
    QVERIFY(!driver.window.isVisible());
}

void KeyboardTest::ctrlCCopiesTheSelectionOrElseTheResult_data() {
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("selected");  // characters of "12345" selected from the second on
    QTest::addColumn<QString>("copied");
    QTest::newRow("nothing selected in a number: the result") << "txtNum1" << 0 << "42";
    QTest::newRow("a selection in a number: the selection") << "txtNum1" << 2 << "23";
    QTest::newRow("nothing selected in the result box") << "txtResult" << 0 << "42";
    QTest::newRow("a button with the focus: the result") << "cmdAdd" << 0 << "42";
}

void KeyboardTest::ctrlCCopiesTheSelectionOrElseTheResult() {
    QFETCH(QString, focus);
    QFETCH(int, selected);
    QFETCH(QString, copied);
    ShownWindowDriver driver;
    QVERIFY(driver.active());
    QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    driver.setText(QStringLiteral("txtNum1"), QStringLiteral("12345"));
    driver.setText(QStringLiteral("txtResult"), QStringLiteral("42"));
    driver.control<QWidget>(focus)->setFocus();
    if (selected > 0) driver.box(focus)->setSelection(1, selected);
    driver.pressIn(focus, kCtrl | Qt::Key_C);
    QCOMPARE(QGuiApplication::clipboard()->text(), copied);
}

void KeyboardTest::enterRepeatsTheLastComputingCommand_data() {
    QTest::addColumn<QString>("command");  // clicked first, or empty
    QTest::addColumn<QKeyCombination>("shortcut");  // pressed instead, if no command
    QTest::addColumn<QString>("between");  // a command clicked after it, or empty
    QTest::addColumn<QString>("box");
    QTest::addColumn<QKeyCombination>("enter");
    QTest::addColumn<QString>("result");  // after 7 in the first box

    const QKeyCombination none{};
    const QKeyCombination returnKey(Qt::Key_Return);
    QTest::newRow("nothing before the first command")
        << "" << none << "" << "txtNum1" << returnKey << "";
    QTest::newRow("Return in the first box repeats a click")
        << "cmdMultiply" << none << "" << "txtNum1" << returnKey << "21";
    QTest::newRow("keypad Enter in the second box")
        << "cmdAdd" << none << "" << "txtNum2" << QKeyCombination(Qt::KeypadModifier | Qt::Key_Enter) << "10";
    QTest::newRow("repeats a command given by shortcut")
        << "" << (kCtrl | Qt::Key_Minus) << "" << "txtNum1" << returnKey << "4";
    QTest::newRow("copying in between does not count")
        << "cmdAdd" << none << "cmdCopyResult" << "txtNum1" << returnKey << "10";
}

// 2 and 3 in the boxes, the command, then 7 typed over the first operand and
// Enter: the command runs again on 7 and 3.
void KeyboardTest::enterRepeatsTheLastComputingCommand() {
    QFETCH(QString, command);
    QFETCH(QKeyCombination, shortcut);
    QFETCH(QString, between);
    QFETCH(QString, box);
    QFETCH(QKeyCombination, enter);
    QFETCH(QString, result);
    ShownWindowDriver driver;
    QVERIFY(driver.active());
    driver.setText(QStringLiteral("txtNum1"), QStringLiteral("2"));
    driver.setText(QStringLiteral("txtNum2"), QStringLiteral("3"));
    if (!command.isEmpty()) driver.click(command);
    if (shortcut.key() != Qt::Key_unknown) driver.press(shortcut);
    if (!between.isEmpty()) driver.click(between);
    driver.setText(QStringLiteral("txtNum1"), QStringLiteral("7"));
    driver.setText(QStringLiteral("txtResult"), QString());
    driver.box(box)->setFocus();
    driver.pressIn(box, enter);
    QCOMPARE(driver.text(QStringLiteral("txtResult")), result);
}

QTEST_MAIN(KeyboardTest)
#include "keyboard_test.moc"
