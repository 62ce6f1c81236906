// SPDX-License-Identifier: MIT
// The history of calculations on the real window: an entry for every
// command that writes the result and none for any other; the list, newest
// first, with abbreviated numbers; an entry's result back into either
// operand, onto the clipboard exactly and whole into the whole-number view;
// saving, read back byte for byte, and a save that fails saying what and
// where with nothing lost; and the bound of 64 MB that drops the oldest and
// says so.
#include <QAbstractItemModel>
#include <QClipboard>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>

#include "core/history.h"
#include "ui/command_undo.h"
#include "ui/history_window.h"
#include "ui/whole_number_view.h"
#include "window_driver.h"

using calcora::CalculationHistory;

namespace {

constexpr Qt::KeyboardModifiers kCtrl = Qt::ControlModifier;
constexpr Qt::KeyboardModifiers kCtrlShift = Qt::ControlModifier | Qt::ShiftModifier;

CalculationHistory* historyOf(WindowDriver& driver) { return calcora::historyOf(driver.window); }

const std::deque<calcora::core::HistoryEntry>& entries(WindowDriver& driver) {
    return historyOf(driver)->history().entries();
}

QTreeView* listOf(QDialog* window) { return window->findChild<QTreeView*>(QStringLiteral("historyList")); }

// The text of row (0: the newest) and column of the list.
QString cell(QDialog* window, int row, int column) {
    QAbstractItemModel* model = listOf(window)->model();
    return model->data(model->index(row, column)).toString();
}

QString factorialOf1000(WindowDriver& driver) {
    driver.setText(QStringLiteral("txtNum1"), QStringLiteral("1000"));
    driver.click(QStringLiteral("cmdFac"));
    return driver.text(QStringLiteral("txtResult"));
}

QByteArray contentsOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

}  // namespace

class HistoryTest : public QObject {
    Q_OBJECT

private slots:
    void anEntryForEveryCommandThatWritesTheResult_data();
    void anEntryForEveryCommandThatWritesTheResult();
    void theListNewestFirstWithAbbreviatedNumbers();
    void recallIntoEitherOperand_data();
    void recallIntoEitherOperand();
    void copyAndShowWholeExactly();
    void savedAndReadBackByteForByte();
    void aFailedSaveSaysWhatAndWhereAndLosesNothing_data();
    void aFailedSaveSaysWhatAndWhereAndLosesNothing();
    void theBoundDropsTheOldestAndSaysSo();
    void ctrlHOpensTheHistory();
};

void HistoryTest::anEntryForEveryCommandThatWritesTheResult_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("result");  // "" for no entry
    QTest::addColumn<QString>("command");
    QTest::addColumn<QStringList>("operands");  // label: text
    const auto row = [](const char* button, const char* result, const char* command, QStringList operands) {
        QTest::newRow(button) << button << result << command << operands;
    };
    const QStringList both{QStringLiteral("First number: 6"), QStringLiteral("Second number: 7")};
    const QStringList first{QStringLiteral("First number: 6")};
    row("cmdAdd", "13", "Add", both);
    row("cmdSubtract", "-1", "Subtract", both);
    row("cmdMultiply", "42", "Multiply", both);
    row("cmdDivide", ".85714285714285714285714285714285714285714285714285", "Divide", both);
    row("cmdReciprocal", ".16666666666666666666666666666666666666666666666666", "1/x", first);
    row("cmdSqRt", "2.4494897427831780981972840747058913919659474806566", "Sq Rt", first);
    row("cmdPower", "279936", "^ Exp", both);
    row("cmdFac", "720", "x !", first);
    row("cmdMacro", "1", "e-macro",
        {QStringLiteral("Term: 1"), QStringLiteral("Index: 1"), QStringLiteral("Memory: 1")});
    // M+ and M- write the result only when they fail.
    row("cmdMemPlus", "", "", {});
    QTest::newRow("cmdMemPlus failing") << "cmdMemPlus" << "Error - numeric input required" << "M+"
                                        << QStringList{QStringLiteral("Result: x"), QStringLiteral("Memory: 5")};
    for (const char* other : {"cmdMemMinus", "cmdMemRec1", "cmdMemRec2", "cmdMemClear", "cmdPi", "cmdCopyResult",
                              "cmdCopyMem", "cmdPaste1", "cmdPaste2", "cmdPasteRes", "cmdShift", "cmdShift2",
                              "cmdShftUp", "cmdShftDn", "cmdSwitch", "cmdClr1", "cmdClr2", "cmdClr3", "cmdClearAll"}) {
        row(other, "", "", {});
    }
}

// 6 and 7 in the numbers, 5 in the memory, 30 in the result (x for the
// failing M+): the command, then what the history holds.
void HistoryTest::anEntryForEveryCommandThatWritesTheResult() {
    QFETCH(QString, button);
    QFETCH(QString, result);
    QFETCH(QString, command);
    QFETCH(QStringList, operands);
    WindowDriver driver;
    driver.disableWebLink();
    QGuiApplication::clipboard()->setText(QStringLiteral("8"));
    driver.setText(QStringLiteral("txtNum1"), QStringLiteral("6"));
    driver.setText(QStringLiteral("txtNum2"), QStringLiteral("7"));
    driver.setText(QStringLiteral("txtMem"), QStringLiteral("5"));
    driver.setText(QStringLiteral("txtResult"),
                   QString::fromLatin1(QTest::currentDataTag()).endsWith(QStringLiteral("failing")) ? "x" : "30");
    driver.click(button);
    if (result.isEmpty()) {
        QVERIFY(entries(driver).empty());
        return;
    }
    QCOMPARE(entries(driver).size(), std::size_t(1));
    const calcora::core::HistoryEntry& entry = entries(driver).back();
    QCOMPARE(QString::fromStdString(entry.command), command);
    QCOMPARE(QString::fromStdString(entry.result.text), result);
    QStringList read;
    for (const auto& text : entry.operands) read << QString::fromStdString(text.label + ": " + text.text);
    QCOMPARE(read, operands);
    QCOMPARE(QString::fromStdString(entry.setting.text), QStringLiteral("50"));
    QCOMPARE(entry.mode, button == QLatin1StringView("cmdMacro") ? calcora::core::Mode::HighPrecision
                                                                 : calcora::core::Mode::VeryHighPrecision);
}

void HistoryTest::theListNewestFirstWithAbbreviatedNumbers() {
    ShownWindowDriver driver;
    QVERIFY(driver.active());
    factorialOf1000(driver);
    driver.setText(QStringLiteral("txtNum1"), QStringLiteral("x"));
    driver.click(QStringLiteral("cmdAdd"));
    driver.selectHighPrecision(true);
    driver.setText(QStringLiteral("txtNum1"), QStringLiteral("2"));
    driver.setText(QStringLiteral("txtNum2"), QStringLiteral("0.5"));
    driver.click(QStringLiteral("cmdPower"));
    QDialog* window = calcora::showHistory(driver.window);
    QVERIFY(window != nullptr);
    QCOMPARE(window->windowTitle(), QStringLiteral("Calcora History"));
    QCOMPARE(listOf(window)->model()->rowCount(), 3);
    // No., Command, Result, First operand, Second operand, Mode.
    const QStringList newest{"3", "^ Exp", "1.4142135623731", "2", "0.5", "HP, setting 50"};
    const QStringList error{"2", "Add", window_text::kNumericInputRequired, "x", "(empty)", "VHP, setting 50"};
    const QStringList oldest{"1", "x !", "4023872600…0000 (2,568 digits)", "1000", "", "VHP, setting 50"};
    for (int column = 0; column < 6; ++column) {
        QCOMPARE(cell(window, 0, column), newest[column]);
        QCOMPARE(cell(window, 1, column), error[column]);
        QCOMPARE(cell(window, 2, column), oldest[column]);
    }
    // The focus on the newest entry.
    QCOMPARE(listOf(window)->currentIndex().row(), 0);
    QCOMPARE(window->focusWidget(), listOf(window));
    // A new entry comes in at the top, and is the one chosen.
    driver.click(QStringLiteral("cmdAdd"));
    QCOMPARE(cell(window, 0, 0), QStringLiteral("4"));
    QCOMPARE(listOf(window)->currentIndex().row(), 0);
    QVERIFY(window->findChild<QLabel*>(QStringLiteral("historyStatus"))->text().startsWith(QStringLiteral("4 entries")));
}

void HistoryTest::recallIntoEitherOperand_data() {
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("box");
    QTest::newRow("Enter: the first number") << "Enter" << "txtNum1";
    QTest::newRow("keypad Enter: the first number") << "keypad Enter" << "txtNum1";
    QTest::newRow("a double-click: the first number") << "double-click" << "txtNum1";
    QTest::newRow("Ctrl+Enter: the second number") << "Ctrl+Enter" << "txtNum2";
    QTest::newRow("its button: the first number") << "recallFirstButton" << "txtNum1";
    QTest::newRow("its button: the second number") << "recallSecondButton" << "txtNum2";
}

// 1000!, then 2 + 3; the older entry, 1000!, is chosen and put back.
void HistoryTest::recallIntoEitherOperand() {
    QFETCH(QString, how);
    QFETCH(QString, box);
    ShownWindowDriver driver;
    QVERIFY(driver.active());
    const QString factorial = factorialOf1000(driver);
    driver.setText(QStringLiteral("txtNum1"), QStringLiteral("2"));
    driver.setText(QStringLiteral("txtNum2"), QStringLiteral("3"));
    driver.click(QStringLiteral("cmdAdd"));
    QDialog* window = calcora::showHistory(driver.window);
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QTreeView* list = listOf(window);
    list->setCurrentIndex(list->model()->index(1, 0));
    const QString other = box == QLatin1StringView("txtNum1") ? QStringLiteral("txtNum2") : QStringLiteral("txtNum1");
    const QString otherBefore = driver.text(other);
    if (how == QLatin1StringView("Enter")) QTest::keyClick(list, Qt::Key_Return);
    if (how == QLatin1StringView("keypad Enter")) QTest::keyClick(list, Qt::Key_Enter, Qt::KeypadModifier);
    if (how == QLatin1StringView("Ctrl+Enter")) QTest::keyClick(list, Qt::Key_Return, kCtrl);
    if (how == QLatin1StringView("double-click")) {
        const QRect row = list->visualRect(list->model()->index(1, 1));
        QVERIFY(list->viewport()->rect().contains(row.center()));
        // As a double-click arrives: a click, then the second press.
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row.center());
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, row.center());
    }
    if (how.endsWith(QStringLiteral("Button"))) window->findChild<QPushButton*>(how)->click();
    QCOMPARE(driver.text(box), factorial);
    QCOMPARE(driver.text(other), otherBefore);
    QCOMPARE(driver.box(box)->cursorPosition(), 0);  // shown from its start
    QCOMPARE(driver.text(QStringLiteral("txtResult")), QStringLiteral("5"));
    // Undone like a command.
    const QString boxBefore = box == QLatin1StringView("txtNum1") ? QStringLiteral("2") : QStringLiteral("3");
    QVERIFY(calcora::undoCommand(driver.window));
    QCOMPARE(driver.text(box), boxBefore);
    QCOMPARE(driver.text(QStringLiteral("txtResult")), QStringLiteral("5"));  // the Add stays
    QVERIFY(window->isVisible());
    // Putting a number back is no command: the history stays as it was.
    QCOMPARE(entries(driver).size(), std::size_t(2));
}

void HistoryTest::copyAndShowWholeExactly() {
    ShownWindowDriver driver;
    QVERIFY(driver.active());
    const QString factorial = factorialOf1000(driver);
    driver.setText(QStringLiteral("txtNum1"), QStringLiteral("1"));
    driver.setText(QStringLiteral("txtNum2"), QStringLiteral("0"));
    driver.click(QStringLiteral("cmdDivide"));
    QDialog* window = calcora::showHistory(driver.window);
    QTreeView* list = listOf(window);
    list->setCurrentIndex(list->model()->index(1, 0));
    QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    QTest::keyClick(list, Qt::Key_C, kCtrl);
    QCOMPARE(QGuiApplication::clipboard()->text(), factorial);
    list->setCurrentIndex(list->model()->index(0, 0));
    window->findChild<QPushButton*>(QStringLiteral("copyResultButton"))->click();
    QCOMPARE(QGuiApplication::clipboard()->text(), window_text::kDivideByZero);

    // Ctrl+Shift+D shows the chosen entry's result whole; so does the menu,
    // which offers each of its numbers.
    list->setCurrentIndex(list->model()->index(1, 0));
    QTest::keyClick(list, Qt::Key_D, kCtrlShift);
    auto* view = driver.window.findChild<calcora::WholeNumberView*>(QStringLiteral("wholeNumberView_history"));
    QVERIFY(view != nullptr);
    QVERIFY(view->isVisible());
    QCOMPARE(view->text(), factorial);
    QCOMPARE(view->windowTitle(), QStringLiteral("Entry 1, Result — 2,568 digits, exponent 2567 — Calcora"));
    QCOMPARE(view->lines().join(QString()).remove(u' ').remove(u'.'), factorial);
    auto* show = window->findChild<QPushButton*>(QStringLiteral("showWholeButton"));
    QMenu* numbers = show->menu();
    emit numbers->aboutToShow();
    QStringList items;
    for (QAction* action : numbers->actions()) items << action->text();
    QCOMPARE(items, QStringList({QStringLiteral("Show Result whole\tCtrl+Shift+D"), QStringLiteral("Show First number whole"),
                                 QStringLiteral("Show Significant figures in VHP whole")}));
    numbers->actions()[1]->trigger();
    QCOMPARE(view->text(), QStringLiteral("1000"));
    QCOMPARE(view->windowTitle(), QStringLiteral("Entry 1, First number — 4 digits, exponent 3 — Calcora"));
}

// An entry of every kind of text: a number of 2,568 digits, an error with a
// letter beyond ASCII among the operands, and High Precision.
void HistoryTest::savedAndReadBackByteForByte() {
    WindowDriver driver;
    const QString factorial = factorialOf1000(driver);
    driver.setText(QStringLiteral("txtNum1"), QStringLiteral("1,5"));
    driver.setText(QStringLiteral("txtNum2"), QStringLiteral("½"));
    driver.click(QStringLiteral("cmdAdd"));
    driver.selectHighPrecision(true);
    driver.setText(QStringLiteral("txtNum1"), QStringLiteral("0.1"));
    driver.setText(QStringLiteral("txtNum2"), QStringLiteral("0.2"));
    driver.click(QStringLiteral("cmdAdd"));
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("history.txt"));
    QWidget* askedOver = nullptr;
    historyOf(driver)->chooseSaveFile = [&](QWidget* parent) {
        askedOver = parent;
        return path;
    };
    QDialog* window = calcora::showHistory(driver.window);
    window->findChild<QPushButton*>(QStringLiteral("saveHistoryButton"))->click();
    QCOMPARE(askedOver, window);
    QVERIFY(driver.messages.isEmpty());
    const QByteArray expected = QStringLiteral(
                                    "Calcora " CALCORA_VERSION ": history of calculations\n"
                                    "3 entries, oldest first.\n"
                                    "\n"
                                    "Entry 1: x !\n"
                                    "Mode: Very High Precision\n"
                                    "Significant figures in VHP: 50\n"
                                    "First number: 1000\n"
                                    "Result: %1\n"
                                    "\n"
                                    "Entry 2: Add\n"
                                    "Mode: Very High Precision\n"
                                    "Significant figures in VHP: 50\n"
                                    "First number: 1,5\n"
                                    "Second number: ½\n"
                                    "Error: Error - numeric input required\n"
                                    "\n"
                                    "Entry 3: Add\n"
                                    "Mode: High Precision\n"
                                    "Significant figures in VHP: 50\n"
                                    "First number: 0.1\n"
                                    "Second number: 0.2\n"
                                    "Result: .3\n")
                                    .arg(factorial)
                                    .toUtf8();
    QCOMPARE(contentsOf(path), expected);
    QVERIFY(window->findChild<QLabel*>(QStringLiteral("historyStatus"))
                ->text()
                .endsWith(QStringLiteral("Saved 3 entries to %1.").arg(QDir::toNativeSeparators(path))));

    // Saved again over the file, with one more entry; cancelling the dialog
    // writes nothing.
    driver.click(QStringLiteral("cmdMultiply"));
    QVERIFY(historyOf(driver)->saveAs(window));
    QVERIFY(contentsOf(path).startsWith(QByteArray(expected).replace("3 entries", "4 entries").left(60)));
    QVERIFY(contentsOf(path).endsWith("Entry 4: Multiply\nMode: High Precision\nSignificant figures in VHP: 50\n"
                                      "First number: 0.1\nSecond number: 0.2\nResult: .02\n"));
    const QByteArray before = contentsOf(path);
    historyOf(driver)->chooseSaveFile = [](QWidget*) { return QString(); };
    QVERIFY(!historyOf(driver)->saveAs(window));
    QCOMPARE(contentsOf(path), before);
    QVERIFY(driver.messages.isEmpty());
}

void HistoryTest::aFailedSaveSaysWhatAndWhereAndLosesNothing_data() {
    QTest::addColumn<QString>("path");  // "%1" is a fresh folder
    QTest::addColumn<QString>("reason");
    QTest::newRow("a folder that is not there") << "%1/missing/history.txt" << "No such file or directory";
    QTest::newRow("a folder in the file's place") << "%1" << "Filename refers to a directory";
    // The device that is always full: what a full disk answers.
    if (QFileInfo::exists(QStringLiteral("/dev/full"))) {
        QTest::newRow("a full disk") << "/dev/full" << "No space left on device";
    }
}

void HistoryTest::aFailedSaveSaysWhatAndWhereAndLosesNothing() {
    QFETCH(QString, path);
    QFETCH(QString, reason);
    QTemporaryDir folder;
    path = path.arg(folder.path());
    WindowDriver driver;
    const QString factorial = factorialOf1000(driver);
    historyOf(driver)->chooseSaveFile = [&](QWidget*) { return path; };
    QDialog* window = calcora::showHistory(driver.window);
    window->findChild<QPushButton*>(QStringLiteral("saveHistoryButton"))->click();
    QCOMPARE(driver.messages.size(), 1);
    const QString& message = driver.messages.front();
    QVERIFY2(message.startsWith(QStringLiteral("The history could not be saved to %1: ")
                                    .arg(QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath()))),
             qPrintable(message));
    QVERIFY2(message.contains(reason), qPrintable(message));
    QVERIFY(message.contains(QStringLiteral("Every entry is still in the history")));
    QVERIFY(window->findChild<QLabel*>(QStringLiteral("historyStatus"))->text().endsWith(QStringLiteral("Not saved.")));
    // Nothing lost: the entry is there, and saves elsewhere whole.
    QCOMPARE(entries(driver).size(), std::size_t(1));
    const QString elsewhere = folder.filePath(QStringLiteral("elsewhere.txt"));
    QVERIFY(historyOf(driver)->saveTo(elsewhere));
    QVERIFY(contentsOf(elsewhere).contains(factorial.toLatin1()));
}

// Entries as large as the commands make them, handed in as the window
// hands them (commandRun): two operands and a result of 32,767 digits.
void HistoryTest::theBoundDropsTheOldestAndSaysSo() {
    WindowDriver driver;
    QDialog* window = calcora::showHistory(driver.window);
    auto* notice = window->findChild<QLabel*>(QStringLiteral("historyNotice"));
    QVERIFY(notice->isHidden());
    calcora::core::WindowState before;
    before.num1 = before.num2 = std::string(32767, '4');
    before.sigFigs = "50";
    calcora::core::WindowState after = before;
    after.result = std::string(32767, '8');
    constexpr int kAdded = 700;
    for (int i = 0; i < kAdded; ++i) emit driver.window.commandRun(QStringLiteral("cmdAdd"), before, after, true);
    const calcora::core::History& history = historyOf(driver)->history();
    QVERIFY(history.entries().size() >= calcora::core::History::kLeastEntries);
    QVERIFY(history.bytes() <= calcora::core::History::kMostBytes);
    QVERIFY(history.dropped() > 0);
    QCOMPARE(history.entries().size() + history.dropped(), std::uint64_t(kAdded));
    // The oldest went; the newest stayed, whole.
    QCOMPARE(history.entries().front().number, history.dropped() + 1);
    QCOMPARE(history.entries().back().number, std::uint64_t(kAdded));
    QCOMPARE(history.entries().back().result.text, after.result);
    QCOMPARE(listOf(window)->model()->rowCount(), int(history.entries().size()));
    QCOMPARE(cell(window, 0, 0), QString::number(kAdded));
    QVERIFY(!notice->isHidden());
    QCOMPARE(notice->text(), QStringLiteral("The history keeps at most 64 MB, so the %1 oldest entries were dropped.")
                                 .arg(history.dropped()));
}

void HistoryTest::ctrlHOpensTheHistory() {
    ShownWindowDriver driver;
    QVERIFY(driver.active());
    driver.pressIn(QStringLiteral("txtNum1"), kCtrl | Qt::Key_H);
    auto* window = driver.window.findChild<QDialog*>(QStringLiteral("historyWindow"));
    QVERIFY(window != nullptr);
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QVERIFY(window->findChild<QLabel*>(QStringLiteral("historyStatus"))->text().startsWith(QStringLiteral("No calculations yet.")));
    QVERIFY(window->minimumSize() != window->maximumSize());
    QTest::keyClick(listOf(window), Qt::Key_Escape);
    QVERIFY(!window->isVisible());
    driver.window.activateWindow();
    QVERIFY(driver.active());
    driver.press(kCtrl | Qt::Key_H);
    driver.press(kCtrl | Qt::Key_H);
    QVERIFY(window->isVisible());
    QCOMPARE(driver.window.findChildren<QDialog*>(QStringLiteral("historyWindow")).size(), 1);
}

QTEST_MAIN(HistoryTest)
#include "history_test.moc"
