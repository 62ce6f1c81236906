// SPDX-License-Identifier: MIT
// The whole-number view: a box's text in groups of three, in lines of whole
// groups at the view's width with each line's first digit in the margin;
// following its box; going to a digit; copying plain and grouped; and the
// ways to open it (Ctrl+Shift+D, a double-click on the result, the boxes'
// context menus).
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QTest>

#include "core/digit_grouping.h"
#include "ui/whole_number_view.h"
#include "window_driver.h"

using calcora::WholeNumberView;

namespace {

constexpr Qt::KeyboardModifiers kCtrlShift = Qt::ControlModifier | Qt::ShiftModifier;

WholeNumberView* viewOf(QWidget& window, const QString& box) {
    return window.findChild<WholeNumberView*>(QStringLiteral("wholeNumberView_") + box, Qt::FindDirectChildrenOnly);
}

QPlainTextEdit* textOf(WholeNumberView* view) { return view->findChild<QPlainTextEdit*>(QStringLiteral("wholeNumberText")); }

QString commas(qsizetype count) { return QLocale(QLocale::English).toString(qlonglong(count)); }

int digitsIn(const QString& text) {
    return int(std::count_if(text.begin(), text.end(), [](QChar c) { return c.isDigit(); }));
}

// The lines put back together are the grouped text, none is wider than the
// view, and each margin gives the position of its line's first digit.
void checkLinesAndMargins(WholeNumberView* view) {
    const QStringList lines = view->lines();
    const QStringList margins = view->marginLabels();
    QCOMPARE(margins.size(), lines.size());
    QString joined;
    int before = 0;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QVERIFY2(std::size_t(lines[i].size()) <= view->columns() || !lines[i].contains(u' '), qPrintable(lines[i]));
        QCOMPARE(margins[i], QStringLiteral("digit ") + commas(before + 1));
        before += digitsIn(lines[i]);
        if (i > 0 && !joined.endsWith(u'.')) joined += u' ';
        joined += lines[i];
    }
    QCOMPARE(joined, view->groupedText());
    QCOMPARE(std::size_t(before), view->digitCount());
}

}  // namespace

class WholeNumberViewTest : public QObject {
    Q_OBJECT

private slots:
    void groupingAndLinePositions_data();
    void groupingAndLinePositions();
    void followsTheBox();
    void jumpsToADigit();
    void copiesPlainAndGrouped();
    void ctrlShiftDOpensTheFocusedBoxElseTheResult_data();
    void ctrlShiftDOpensTheFocusedBoxElseTheResult();
    void aDoubleClickOnTheResultOpensIt();
    void everyNumberBoxMenuOffersTheViewAndTheHistory_data();
    void everyNumberBoxMenuOffersTheViewAndTheHistory();
};

void WholeNumberViewTest::groupingAndLinePositions_data() {
    QTest::addColumn<QString>("num1");
    QTest::addColumn<QString>("num2");
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("groupedStart");
    QTest::addColumn<QString>("title");
    QTest::newRow("an integer: 1000!") << "1000" << "" << "cmdFac" << "402 387 260 077 093 773 543 702 433 923"
                                       << "Result — 2,568 digits, exponent 2567 — Calcora";
    QTest::newRow("a fraction: 1/7 to 500 figures")
        << "1" << "7" << "cmdDivide" << ".142 857 142 857 142" << "Result — 500 digits, exponent -1 — Calcora";
    QTest::newRow("a negative number")
        << "1" << "1234567890123456789012345678901234567890" << "cmdSubtract"
        << "-1 234 567 890 123 456 789 012 345 678 901 234 567 889" << "Result — 40 digits, exponent 39 — Calcora";
    QTest::newRow("no number, as it is") << "x" << "1" << "cmdAdd" << window_text::kNumericInputRequired
                                         << "Result — not a number — Calcora";
}

void WholeNumberViewTest::groupingAndLinePositions() {
    QFETCH(QString, num1);
    QFETCH(QString, num2);
    QFETCH(QString, command);
    QFETCH(QString, groupedStart);
    QFETCH(QString, title);
    WindowDriver driver;
    driver.setText(QStringLiteral("txtSigFigs"), QStringLiteral("500"));
    driver.setText(QStringLiteral("txtNum1"), num1);
    driver.setText(QStringLiteral("txtNum2"), num2);
    driver.click(command);
    WholeNumberView* view = calcora::showWholeNumber(driver.window, "txtResult");
    QVERIFY(QTest::qWaitForWindowExposed(view));
    QCOMPARE(view->text(), driver.text(QStringLiteral("txtResult")));
    QVERIFY2(view->groupedText().startsWith(groupedStart), qPrintable(view->groupedText().left(80)));
    QCOMPARE(view->windowTitle(), title);

    if (view->digitCount() == 0) {
        // Shown as it is, one text the view wraps, without positions.
        QCOMPARE(view->lines(), QStringList{view->text()});
        QCOMPARE(view->marginLabels(), QStringList{QString()});
        QVERIFY(!view->findChild<QPushButton*>(QStringLiteral("copyGroupedButton"))->isEnabled());
        QVERIFY(!view->findChild<QSpinBox*>(QStringLiteral("jumpField"))->isEnabled());
        return;
    }
    // Wrapped to the view's width, narrow and wide: whole groups, positions
    // counted from the first digit.
    for (const int width : {320, 900}) {
        view->resize(width, 400);
        QCoreApplication::processEvents();
        checkLinesAndMargins(view);
    }
    view->resize(320, 400);
    QCoreApplication::processEvents();
    QVERIFY(view->lines().size() > 1);
    const qsizetype narrowLines = view->lines().size();
    view->resize(900, 400);
    QCoreApplication::processEvents();
    QVERIFY(view->lines().size() < narrowLines);
}

void WholeNumberViewTest::followsTheBox() {
    WindowDriver driver;
    WholeNumberView* view = calcora::showWholeNumber(driver.window, "txtResult");
    QVERIFY(QTest::qWaitForWindowExposed(view));
    QCOMPARE(view->windowTitle(), QStringLiteral("Result — empty — Calcora"));
    driver.setText(QStringLiteral("txtNum1"), QStringLiteral("2"));
    driver.setText(QStringLiteral("txtNum2"), QStringLiteral("3"));
    driver.click(QStringLiteral("cmdAdd"));
    QTRY_COMPARE(view->lines(), QStringList{QStringLiteral("5")});
    QCOMPARE(view->windowTitle(), QStringLiteral("Result — 1 digit, exponent 0 — Calcora"));
    driver.setText(QStringLiteral("txtNum1"), QStringLiteral("1000"));
    driver.click(QStringLiteral("cmdFac"));
    QTRY_COMPARE(view->digitCount(), std::size_t(2568));
    checkLinesAndMargins(view);

    // A view of an operand follows the typing too, and a closed one catches
    // up when it opens again.
    WholeNumberView* first = calcora::showWholeNumber(driver.window, "txtNum1");
    driver.setText(QStringLiteral("txtNum1"), QStringLiteral("1234567"));
    QTRY_COMPARE(first->lines(), QStringList{QStringLiteral("1 234 567")});
    first->close();
    driver.setText(QStringLiteral("txtNum1"), QStringLiteral("-0.0001"));
    QCOMPARE(calcora::showWholeNumber(driver.window, "txtNum1"), first);
    QCOMPARE(first->lines(), QStringList{QStringLiteral("-0.000 1")});
    QCOMPARE(driver.window.findChildren<WholeNumberView*>().size(), 2);
}

void WholeNumberViewTest::jumpsToADigit() {
    ShownWindowDriver driver;
    driver.setText(QStringLiteral("txtNum1"), QStringLiteral("1000"));
    driver.click(QStringLiteral("cmdFac"));
    const QString factorial = driver.text(QStringLiteral("txtResult"));
    WholeNumberView* view = calcora::showWholeNumber(driver.window, "txtResult");
    QVERIFY(QTest::qWaitForWindowExposed(view));
    QPlainTextEdit* text = textOf(view);
    auto* status = view->findChild<QLabel*>(QStringLiteral("viewStatus"));

    QVERIFY(view->jumpToDigit(1201));
    QCOMPARE(text->textCursor().selectedText(), factorial.mid(1200, 1));
    QVERIFY(text->viewport()->rect().contains(text->cursorRect()));
    QCOMPARE(status->text(), QStringLiteral("Digit 1,201 is %1.").arg(factorial[1200]));
    // The line with the digit is the one whose margin it falls under.
    const int line = text->textCursor().blockNumber();
    const int firstOfLine = view->marginLabels()[line].mid(6).remove(u',').toInt();
    const int firstOfNext = view->marginLabels()[line + 1].mid(6).remove(u',').toInt();
    QVERIFY(firstOfLine <= 1201 && 1201 < firstOfNext);

    // The field: typed with its group comma, then Enter.
    auto* field = view->findChild<QSpinBox*>(QStringLiteral("jumpField"));
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, QStringLiteral("2,568"));
    QTest::keyClick(field, Qt::Key_Return);
    QCOMPARE(text->textCursor().selectedText(), QStringLiteral("0"));
    QCOMPARE(status->text(), QStringLiteral("Digit 2,568 is 0."));
    QVERIFY(view->isVisible());
    QVERIFY(text->viewport()->rect().contains(text->cursorRect()));

    // Resizing keeps the digit in sight.
    view->resize(300, 300);
    QCoreApplication::processEvents();
    QCOMPARE(text->textCursor().selectedText(), QStringLiteral("0"));
    QVERIFY(text->viewport()->rect().contains(text->cursorRect()));

    QVERIFY(!view->jumpToDigit(2569));
    QCOMPARE(status->text(), QStringLiteral("No digit 2,569: the number has 2,568 digits."));
}

void WholeNumberViewTest::copiesPlainAndGrouped() {
    WindowDriver driver;
    const QString typed = QStringLiteral(" 1,234567.5 ");
    driver.setText(QStringLiteral("txtMem"), typed);
    WholeNumberView* view = calcora::showWholeNumber(driver.window, "txtMem");
    QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    view->findChild<QPushButton*>(QStringLiteral("copyPlainButton"))->click();
    QCOMPARE(QGuiApplication::clipboard()->text(), typed);
    view->findChild<QPushButton*>(QStringLiteral("copyGroupedButton"))->click();
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("1 234 567.5"));
    QCOMPARE(view->windowTitle(), QStringLiteral("Memory — 8 digits, exponent 6 — Calcora"));

    // 32,767 digits exactly, and grouped: every digit, a space every three.
    const QString digits(32767, u'7');
    driver.setText(QStringLiteral("txtMem"), digits);
    view->refreshNow();
    view->copyPlain();
    QCOMPARE(QGuiApplication::clipboard()->text(), digits);
    view->copyGrouped();
    const QString grouped = QGuiApplication::clipboard()->text();
    QCOMPARE(grouped.size(), 32767 + 32766 / 3);
    QCOMPARE(QString(grouped).remove(u' '), digits);
    QCOMPARE(grouped.left(9), QStringLiteral("7 777 777"));
}

void WholeNumberViewTest::ctrlShiftDOpensTheFocusedBoxElseTheResult_data() {
    QTest::addColumn<QString>("focus");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("title");
    QTest::newRow("the first number") << "txtNum1" << "txtNum1" << "First number — 2 digits, exponent 1 — Calcora";
    QTest::newRow("the second number") << "txtNum2" << "txtNum2" << "Second number — 3 digits, exponent 2 — Calcora";
    QTest::newRow("the result") << "txtResult" << "txtResult" << "Result — 4 digits, exponent 3 — Calcora";
    QTest::newRow("the memory") << "txtMem" << "txtMem" << "Memory — 5 digits, exponent 4 — Calcora";
    QTest::newRow("a button: the result") << "cmdAdd" << "txtResult" << "Result — 4 digits, exponent 3 — Calcora";
    QTest::newRow("the setting: the result") << "txtSigFigs" << "txtResult" << "Result — 4 digits, exponent 3 — Calcora";
}

void WholeNumberViewTest::ctrlShiftDOpensTheFocusedBoxElseTheResult() {
    QFETCH(QString, focus);
    QFETCH(QString, shown);
    QFETCH(QString, title);
    ShownWindowDriver driver;
    QVERIFY(driver.active());
    driver.setText(QStringLiteral("txtNum1"), QStringLiteral("12"));
    driver.setText(QStringLiteral("txtNum2"), QStringLiteral("123"));
    driver.setText(QStringLiteral("txtResult"), QStringLiteral("1234"));
    driver.setText(QStringLiteral("txtMem"), QStringLiteral("12345"));
    driver.control<QWidget>(focus)->setFocus();
    driver.pressIn(focus, kCtrlShift | Qt::Key_D);
    WholeNumberView* view = viewOf(driver.window, shown);
    QVERIFY(view != nullptr);
    QVERIFY(view->isVisible());
    QCOMPARE(view->windowTitle(), title);
    QCOMPARE(driver.window.findChildren<WholeNumberView*>().size(), 1);
    // Read-only and resizable, the focus in the text; Esc closes it.
    QPlainTextEdit* text = textOf(view);
    QVERIFY(text->isReadOnly());
    QCOMPARE(view->focusWidget(), text);
    QVERIFY(view->minimumSize() != view->maximumSize());
    // The offscreen platform leaves the calculator active, and its Esc would
    // clear the boxes; a desktop activates the view, as here.
    QApplication::setActiveWindow(view);
    QTest::keyClick(text, Qt::Key_Escape);
    QVERIFY(!view->isVisible());
    QCOMPARE(driver.text(QStringLiteral("txtResult")), QStringLiteral("1234"));
}

void WholeNumberViewTest::aDoubleClickOnTheResultOpensIt() {
    ShownWindowDriver driver;
    QVERIFY(driver.active());
    driver.setText(QStringLiteral("txtResult"), QStringLiteral("42"));
    QTest::mouseDClick(driver.box(QStringLiteral("txtResult")), Qt::LeftButton);
    WholeNumberView* view = viewOf(driver.window, QStringLiteral("txtResult"));
    QVERIFY(view != nullptr);
    QVERIFY(view->isVisible());
    QCOMPARE(view->lines(), QStringList{QStringLiteral("42")});
    // Elsewhere a double-click still selects, as in any box.
    driver.setText(QStringLiteral("txtNum1"), QStringLiteral("42"));
    QTest::mouseDClick(driver.box(QStringLiteral("txtNum1")), Qt::LeftButton);
    QVERIFY(viewOf(driver.window, QStringLiteral("txtNum1")) == nullptr);
}

void WholeNumberViewTest::everyNumberBoxMenuOffersTheViewAndTheHistory_data() {
    QTest::addColumn<QString>("box");
    for (const char* box : {"txtNum1", "txtNum2", "txtResult", "txtMem"}) QTest::newRow(box) << box;
}

// The box's own menu (Copy, Paste, Select All...) with the two items added.
void WholeNumberViewTest::everyNumberBoxMenuOffersTheViewAndTheHistory() {
    QFETCH(QString, box);
    ShownWindowDriver driver;
    QVERIFY(driver.active());
    driver.setText(box, QStringLiteral("9876"));
    QLineEdit* edit = driver.box(box);
    const auto openMenu = [&] {
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), edit->mapToGlobal(QPoint(5, 5)));
        QCoreApplication::sendEvent(edit, &event);
        return edit->findChild<QMenu*>();
    };
    QMenu* menu = openMenu();
    QVERIFY(menu != nullptr);
    QStringList items;
    for (QAction* action : menu->actions()) items << action->text();
    QVERIFY2(items.filter(QStringLiteral("Select All")).size() == 1, qPrintable(items.join(u'|')));
    QVERIFY2(items.filter(QStringLiteral("Copy")).size() == 1, qPrintable(items.join(u'|')));
    QCOMPARE(items.mid(items.size() - 2),
             QStringList({QStringLiteral("Show whole number\tCtrl+Shift+D"), QStringLiteral("History\tCtrl+H")}));
    menu->findChild<QAction*>(QStringLiteral("showWholeNumberAction"))->trigger();
    menu->close();
    WholeNumberView* view = viewOf(driver.window, box);
    QVERIFY(view != nullptr);
    QCOMPARE(view->lines(), QStringList{QStringLiteral("9 876")});

    QTRY_VERIFY(edit->findChild<QMenu*>() == nullptr);
    menu = openMenu();
    menu->findChild<QAction*>(QStringLiteral("showHistoryAction"))->trigger();
    menu->close();
    auto* history = driver.window.findChild<QDialog*>(QStringLiteral("historyWindow"));
    QVERIFY(history != nullptr);
    QVERIFY(history->isVisible());
}

QTEST_MAIN(WholeNumberViewTest)
#include "whole_number_view_test.moc"
