// SPDX-License-Identifier: MIT
// Undo and redo of commands: Ctrl+Z puts every box, the memory, the mode, the
// setting and the e-series count back as they were before the last command,
// Ctrl+Shift+Z and Ctrl+Y as they were after it; the box with the focus
// undoes and redoes its own typing first; 100 steps are kept; a new command
// drops the redo steps; a command that changed nothing is no step; and the
// result's grey mark comes back with the state.
#include <QAccessible>
#include <QAccessibleInterface>
#include <QClipboard>
#include <QGuiApplication>
#include <QSignalSpy>
#include <QTest>

#include "core/window_state.h"
#include "ui/command_undo.h"
#include "window_driver.h"

namespace {

using calcora::core::Mode;
using calcora::core::WindowState;

constexpr Qt::KeyboardModifiers kCtrl = Qt::ControlModifier;
constexpr Qt::KeyboardModifiers kCtrlShift = Qt::ControlModifier | Qt::ShiftModifier;
const QKeyCombination kUndo = kCtrl | Qt::Key_Z;
const QKeyCombination kRedo = kCtrlShift | Qt::Key_Z;
const QKeyCombination kRedoToo = kCtrl | Qt::Key_Y;

QString described(const WindowState& state) {
    const auto cut = [](const std::string& text) {
        const QString box = QString::fromStdString(text);
        return box.size() > 40 ? box.left(40) + QStringLiteral("…(%1)").arg(box.size()) : box;
    };
    return QStringLiteral("num1 \"%1\" num2 \"%2\" result \"%3\" memory \"%4\" setting \"%5\" %6 count %7")
        .arg(cut(state.num1), cut(state.num2), cut(state.result), cut(state.memory), cut(state.sigFigs),
             state.highPrecision() ? QStringLiteral("HP") : QStringLiteral("VHP"))
        .arg(state.macroCount);
}

#define COMPARE_STATE(actual, expected)                                                                       \
    QVERIFY2((actual) == (expected),                                                                        \
             qPrintable(QStringLiteral("\n   is %1\n want %2").arg(described(actual), described(expected))))

// The name of the window's notification, the last thing announced.
QString announced(QWidget& window) {
    QAccessibleInterface* frame = QAccessible::queryAccessibleInterface(&window);
    for (int i = 0; i < frame->childCount(); ++i) {
        QAccessibleInterface* child = frame->child(i);
        if (child->role() == QAccessible::Notification) return child->text(QAccessible::Name);
    }
    return QStringLiteral("(no notification)");
}

class Window : public ShownWindowDriver {
public:
    WindowState state() const { return window.state(); }
    bool marked() { return box(QStringLiteral("txtResult"))->toolTip() == window_text::kEarlierResult; }
    bool vhpChecked() { return option(false)->isChecked() && !option(true)->isChecked(); }
    // The undo and redo keys pressed where the focus is.
    void undo() { pressFocused(kUndo); }
    void redo() { pressFocused(kRedo); }
    void pressFocused(QKeyCombination key) {
        QWidget* focus = QApplication::focusWidget();
        QTest::keyClick(focus != nullptr ? focus : &window, key.key(), key.keyboardModifiers());
    }
    // A command that changes the result every time: Add with n as the first number.
    void add(int n) {
        setText(QStringLiteral("txtNum1"), QString::number(n));
        click(QStringLiteral("cmdAdd"));
    }
};

}  // namespace

class UndoTest : public QObject {
    Q_OBJECT

private slots:
    void undoAndRedoEachCommand_data();
    void undoAndRedoEachCommand();
    void theBoxUndoesItsOwnTypingFirst_data();
    void theBoxUndoesItsOwnTypingFirst();
    void aHundredStepsAreKept();
    void aNewCommandDropsTheRedoSteps();
    void aCommandThatChangedNothingIsNoStep();
    void undoIsNoStepAndNoCommand();
    void theGreyMarkComesBackWithTheState();
    void screenReadersHearWhatWasUndone();
};

void UndoTest::undoAndRedoEachCommand_data() {
    QTest::addColumn<QString>("num1");
    QTest::addColumn<QString>("num2");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("memory");
    QTest::addColumn<QString>("setting");
    QTest::addColumn<bool>("highPrecision");
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QString>("command");  // clicked, or a key if it starts with "key "
    QTest::addColumn<QKeyCombination>("redoKey");

    const QString earlier = QStringLiteral("1, 234 earlier");  // given back exactly as it was
    const auto row = [&](const char* name, const char* num1, const char* num2, const char* command,
                         QKeyCombination redoKey = kRedo) {
        QTest::newRow(name) << QString::fromUtf8(num1) << QString::fromUtf8(num2) << earlier << QStringLiteral("9")
                            << QStringLiteral("50") << false << QStringLiteral("") << QString::fromLatin1(command)
                            << redoKey;
    };
    // Arithmetic and its failure texts.
    row("Add", "1,000", "2", "cmdAdd");
    row("Subtract by Ctrl+-, redone by Ctrl+Y", "5", "7", "key -", kRedoToo);
    row("Multiply", "123456789", "987654321", "cmdMultiply");
    row("Divide, whose setting below 30 becomes 30", "1", "3", "cmdDivide");
    QTest::newRow("Divide corrects the setting")
        << "1" << "3" << earlier << "" << "10" << false << "" << "cmdDivide" << kRedo;
    QTest::newRow("Divide refuses a long dividend and empties the result")
        << QString(60, QLatin1Char('1')) << "7" << earlier << "" << "30" << false << "" << "cmdDivide" << kRedo;
    row("a failure text: no number", "abc", "1", "cmdAdd");
    row("a failure text: divide by zero", "1", "0", "cmdDivide", kRedoToo);
    row("1/x", "8", "", "cmdReciprocal");
    row("Sq Rt", "2", "", "cmdSqRt");
    row("^ Exp", "2", "100", "cmdPower");
    row("x ! of 1000, 2,568 digits", "1000", "", "cmdFac");
    row("pi", "", "", "cmdPi");
    QTest::newRow("pi in High Precision") << "" << "" << earlier << "" << "50" << true << "" << "cmdPi" << kRedo;
    // The e series: the count and the switch to High Precision come back.
    row("e-macro switches the mode and counts", "", "", "cmdMacro");
    row("e-macro by Ctrl+Shift+E", "", "", "key E", kRedoToo);
    // Memory.
    QTest::newRow("M+") << "" << "" << "5" << "9" << "50" << false << "" << "cmdMemPlus" << kRedo;
    QTest::newRow("M-") << "" << "" << "5" << "9" << "50" << false << "" << "cmdMemMinus" << kRedoToo;
    QTest::newRow("M+ of a failure text") << "" << "" << "x" << "9" << "50" << false << "" << "cmdMemPlus" << kRedo;
    row("MR1", "1", "2", "cmdMemRec1");
    row("MR2", "1", "2", "cmdMemRec2");
    row("MC", "1", "2", "cmdMemClear");
    row("MC by Ctrl+L", "1", "2", "key L");
    // Moves.
    row("Shift Result to 1", "1", "2", "cmdShift");
    row("Shift Result to 2", "1", "2", "cmdShift2");
    row("U", "1", "2", "cmdShftUp");
    row("D", "1", "2", "cmdShftDn");
    row("S", "1", "2", "cmdSwitch", kRedoToo);
    // The clears.
    row("C", "1", "2", "cmdClearAll");
    row("C by Esc", "1", "2", "key Esc");
    row("Clear the first number", "1", "2", "cmdClr1");
    row("Clear the second number", "1", "2", "cmdClr2");
    row("Clear the result", "1", "2", "cmdClr3");
    // Paste.
    QTest::newRow("Paste into the first number")
        << "1" << "2" << earlier << "" << "50" << false << " 12,345\n" << "cmdPaste1" << kRedo;
    QTest::newRow("Paste into the second number")
        << "1" << "2" << earlier << "" << "50" << false << "abc" << "cmdPaste2" << kRedoToo;
    QTest::newRow("Paste into the result")
        << "1" << "2" << earlier << "" << "50" << false << "77" << "cmdPasteRes" << kRedo;
}

// Each command undone and redone, twice over, by its keys; every time the
// whole state is the one before or after it, the result's text exactly.
void UndoTest::undoAndRedoEachCommand() {
    QFETCH(QString, num1);
    QFETCH(QString, num2);
    QFETCH(QString, result);
    QFETCH(QString, memory);
    QFETCH(QString, setting);
    QFETCH(bool, highPrecision);
    QFETCH(QString, clipboard);
    QFETCH(QString, command);
    QFETCH(QKeyCombination, redoKey);
    Window win;
    QVERIFY(win.active());
    win.selectMode(highPrecision);
    win.setText(QStringLiteral("txtNum1"), num1);
    win.setText(QStringLiteral("txtNum2"), num2);
    win.setText(QStringLiteral("txtResult"), result);
    win.setText(QStringLiteral("txtMem"), memory);
    win.setText(QStringLiteral("txtSigFigs"), setting);
    QGuiApplication::clipboard()->setText(clipboard);
    const WindowState before = win.state();
    const QString resultBefore = win.text(QStringLiteral("txtResult"));

    if (command == QLatin1String("key -")) {
        win.pressFocused(kCtrl | Qt::Key_Minus);
    } else if (command == QLatin1String("key E")) {
        win.pressFocused(kCtrlShift | Qt::Key_E);
    } else if (command == QLatin1String("key L")) {
        win.pressFocused(kCtrl | Qt::Key_L);
    } else if (command == QLatin1String("key Esc")) {
        win.pressFocused(QKeyCombination(Qt::Key_Escape));
    } else {
        win.click(command);
    }
    const WindowState after = win.state();
    const QString resultAfter = win.text(QStringLiteral("txtResult"));
    QVERIFY2(after != before, "the command changed nothing");

    for (int round = 0; round < 2; ++round) {
        win.undo();
        COMPARE_STATE(win.state(), before);
        QCOMPARE(win.text(QStringLiteral("txtResult")), resultBefore);
        QCOMPARE(win.window.macroCount(), before.macroCount);
        QCOMPARE(win.vhpChecked(), !highPrecision);
        win.undo();  // nothing more to undo
        COMPARE_STATE(win.state(), before);

        win.pressFocused(redoKey);
        COMPARE_STATE(win.state(), after);
        QCOMPARE(win.text(QStringLiteral("txtResult")), resultAfter);
        QCOMPARE(win.window.macroCount(), after.macroCount);
        QCOMPARE(win.vhpChecked(), !after.highPrecision());
        win.redo();  // nothing more to redo
        COMPARE_STATE(win.state(), after);
    }
    QVERIFY(!win.marked());
}

void UndoTest::theBoxUndoesItsOwnTypingFirst_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QKeyCombination>("redoKey");
    QTest::newRow("the first number, Ctrl+Shift+Z") << "txtNum1" << kRedo;
    QTest::newRow("the second number, Ctrl+Y") << "txtNum2" << kRedoToo;
    QTest::newRow("the memory") << "txtMem" << kRedo;
    QTest::newRow("the setting") << "txtSigFigs" << kRedoToo;
}

// "12" in a box, "34" typed after it, then Add by its key with the focus
// still in the box: Ctrl+Z takes back the typing, and only once the box has
// none left the Add; Ctrl+Shift+Z and Ctrl+Y bring back the Add only once
// the box has no typing of its own to redo.
void UndoTest::theBoxUndoesItsOwnTypingFirst() {
    QFETCH(QString, box);
    QFETCH(QKeyCombination, redoKey);
    Window win;
    QVERIFY(win.active());
    win.setText(QStringLiteral("txtNum1"), QStringLiteral("1"));
    win.setText(QStringLiteral("txtNum2"), QStringLiteral("2"));
    win.setText(box, QStringLiteral("12"));
    QLineEdit* typed = win.box(box);
    typed->setFocus();
    QTest::keyClicks(typed, QStringLiteral("34"));
    QCOMPARE(typed->text(), QStringLiteral("1234"));
    QVERIFY(typed->isUndoAvailable());
    win.pressIn(box, kCtrl | Qt::Key_Plus);
    const WindowState added = win.state();
    QVERIFY(!added.result.empty());
    QCOMPARE(QApplication::focusWidget(), typed);

    // The typing first: Add's result stays.
    int undos = 0;
    while (typed->isUndoAvailable() && undos < 10) {
        win.pressIn(box, kUndo);
        ++undos;
        QCOMPARE(win.text(QStringLiteral("txtResult")), QString::fromStdString(added.result));
    }
    QVERIFY(undos > 0);
    QCOMPARE(typed->text(), QStringLiteral("12"));
    // Then the Add, which gives back the box as it stood before it.
    win.pressIn(box, kUndo);
    QCOMPARE(win.text(QStringLiteral("txtResult")), QString());
    QCOMPARE(typed->text(), QStringLiteral("1234"));

    // Redo: the box was written by the undo, so it has no redo of its own.
    QVERIFY(!typed->isRedoAvailable());
    win.pressIn(box, redoKey);
    COMPARE_STATE(win.state(), added);

    // Typing undone in the box is redone first too.
    win.pressIn(box, kUndo);  // the Add again
    QTest::keyClicks(typed, QStringLiteral("5"));
    win.pressIn(box, kUndo);
    QCOMPARE(typed->text(), QStringLiteral("1234"));
    QVERIFY(typed->isRedoAvailable());
    win.pressIn(box, redoKey);
    QCOMPARE(typed->text(), QStringLiteral("12345"));
    QCOMPARE(win.text(QStringLiteral("txtResult")), QString());
    QVERIFY(!typed->isRedoAvailable());
    win.pressIn(box, redoKey);  // now the Add
    COMPARE_STATE(win.state(), added);
}

void UndoTest::aHundredStepsAreKept() {
    Window win;
    QVERIFY(win.active());
    win.setText(QStringLiteral("txtNum2"), QStringLiteral("1000"));
    std::vector<WindowState> states{win.state()};
    for (int n = 1; n <= 101; ++n) {
        win.add(n);
        states.push_back(win.state());
    }
    win.control<QWidget>(QStringLiteral("cmdCopyResult"))->setFocus();
    // 100 undos walk back to the state after the first command...
    for (int n = 100; n >= 1; --n) {
        win.undo();
        // Before command n + 1, with n + 1 typed into the first number.
        WindowState typed = states[n];
        typed.num1 = std::to_string(n + 1);
        COMPARE_STATE(win.state(), typed);
    }
    QCOMPARE(win.text(QStringLiteral("txtResult")), QStringLiteral("1001"));
    // ...and the 101st finds the first command's step dropped.
    const WindowState oldest = win.state();
    win.undo();
    COMPARE_STATE(win.state(), oldest);
    QVERIFY(!calcora::undoCommand(win.window));
    // All 100 redo again.
    for (int n = 2; n <= 101; ++n) {
        win.redo();
        COMPARE_STATE(win.state(), states[n]);
    }
    QVERIFY(!calcora::redoCommand(win.window));
}

void UndoTest::aNewCommandDropsTheRedoSteps() {
    Window win;
    QVERIFY(win.active());
    win.setText(QStringLiteral("txtNum1"), QStringLiteral("6"));
    win.setText(QStringLiteral("txtNum2"), QStringLiteral("3"));
    win.click(QStringLiteral("cmdAdd"));
    const WindowState added = win.state();
    win.click(QStringLiteral("cmdSubtract"));
    win.undo();
    COMPARE_STATE(win.state(), added);
    win.click(QStringLiteral("cmdMultiply"));
    const WindowState multiplied = win.state();
    QCOMPARE(win.text(QStringLiteral("txtResult")), QStringLiteral("18"));
    win.redo();
    win.pressFocused(kRedoToo);
    COMPARE_STATE(win.state(), multiplied);
    win.undo();
    COMPARE_STATE(win.state(), added);
    win.undo();
    QCOMPARE(win.text(QStringLiteral("txtResult")), QString());
}

// Clear on an empty box, Add again on the same numbers, Copy: none is a step,
// and none drops the redo steps.
void UndoTest::aCommandThatChangedNothingIsNoStep() {
    Window win;
    QVERIFY(win.active());
    win.setText(QStringLiteral("txtNum1"), QStringLiteral("6"));
    win.setText(QStringLiteral("txtNum2"), QStringLiteral("3"));
    const WindowState start = win.state();
    win.click(QStringLiteral("cmdAdd"));
    const WindowState added = win.state();
    win.click(QStringLiteral("cmdMemClear"));
    win.click(QStringLiteral("cmdAdd"));
    win.click(QStringLiteral("cmdCopyResult"));
    win.undo();
    COMPARE_STATE(win.state(), start);
    win.click(QStringLiteral("cmdMemClear"));
    win.click(QStringLiteral("cmdClr3"));  // the result is empty already
    win.redo();
    COMPARE_STATE(win.state(), added);
}

// Putting a state back raises no commandRun, is no step (the redo survives
// it) and no command that Enter repeats.
void UndoTest::undoIsNoStepAndNoCommand() {
    Window win;
    QVERIFY(win.active());
    QSignalSpy commands(&win.window, &calcora::frmNumora::commandRun);
    QSignalSpy results(&win.window, &calcora::frmNumora::resultWritten);
    win.setText(QStringLiteral("txtNum1"), QStringLiteral("2"));
    win.setText(QStringLiteral("txtNum2"), QStringLiteral("3"));
    win.click(QStringLiteral("cmdPower"));
    QCOMPARE(commands.size(), 1);
    QCOMPARE(results.size(), 1);
    win.undo();
    win.redo();
    win.undo();
    QCOMPARE(commands.size(), 1);
    QCOMPARE(results.size(), 1);
    win.redo();
    QCOMPARE(win.text(QStringLiteral("txtResult")), QStringLiteral("8"));
    QCOMPARE(win.text(QStringLiteral("txtExp")), QStringLiteral("0"));
    win.undo();
    QCOMPARE(win.text(QStringLiteral("txtExp")), QString());
}

// The mark is put back with the state: a result of earlier boxes is grey
// again after undo, a fresh one is not after redo, and the boxes typed back
// as they were lift the mark as before.
void UndoTest::theGreyMarkComesBackWithTheState() {
    Window win;
    QVERIFY(win.active());
    win.setText(QStringLiteral("txtNum1"), QStringLiteral("1"));
    win.setText(QStringLiteral("txtNum2"), QStringLiteral("2"));
    win.click(QStringLiteral("cmdAdd"));
    win.setText(QStringLiteral("txtNum1"), QStringLiteral("5"));
    QVERIFY(win.marked());
    win.click(QStringLiteral("cmdAdd"));
    QCOMPARE(win.text(QStringLiteral("txtResult")), QStringLiteral("7"));
    QVERIFY(!win.marked());
    win.undo();
    QCOMPARE(win.text(QStringLiteral("txtResult")), QStringLiteral("3"));
    QCOMPARE(win.text(QStringLiteral("txtNum1")), QStringLiteral("5"));
    QVERIFY(win.marked());
    win.redo();
    QCOMPARE(win.text(QStringLiteral("txtResult")), QStringLiteral("7"));
    QVERIFY(!win.marked());
    win.undo();
    win.setText(QStringLiteral("txtNum1"), QStringLiteral("1"));  // back to what 3 answers
    QVERIFY(!win.marked());

    // The same text again from other numbers: only the mark differs, and
    // undo brings it back.
    win.setText(QStringLiteral("txtNum1"), QStringLiteral("2"));
    win.setText(QStringLiteral("txtNum2"), QStringLiteral("1"));
    QVERIFY(win.marked());
    win.click(QStringLiteral("cmdAdd"));
    QVERIFY(!win.marked());
    win.undo();
    QCOMPARE(win.text(QStringLiteral("txtResult")), QStringLiteral("3"));
    QVERIFY(win.marked());
    win.redo();
    QVERIFY(!win.marked());

    // Undoing a shift of the numbers lifts the mark that the shift made.
    win.click(QStringLiteral("cmdSwitch"));
    QVERIFY(win.marked());
    win.undo();
    QVERIFY(!win.marked());
    // A pasted result answers nothing, and neither after undo and redo.
    QGuiApplication::clipboard()->setText(QStringLiteral("42"));
    win.click(QStringLiteral("cmdPasteRes"));
    win.setText(QStringLiteral("txtNum1"), QStringLiteral("9"));
    QVERIFY(!win.marked());
    win.undo();  // the paste, and the typed 9 with it
    QCOMPARE(win.text(QStringLiteral("txtNum1")), QStringLiteral("2"));
    QVERIFY(!win.marked());
    win.redo();
    win.setText(QStringLiteral("txtNum1"), QStringLiteral("8"));
    QVERIFY(!win.marked());
}

void UndoTest::screenReadersHearWhatWasUndone() {
    Window win;
    QVERIFY(win.active());
    win.setText(QStringLiteral("txtNum1"), QStringLiteral("1"));
    win.click(QStringLiteral("cmdClr1"));
    win.undo();
    QCOMPARE(announced(win.window), QStringLiteral("Undone: Clear first number"));
    win.redo();
    QCOMPARE(announced(win.window), QStringLiteral("Redone: Clear first number"));
}

QTEST_MAIN(UndoTest)
#include "undo_test.moc"
