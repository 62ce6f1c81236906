// SPDX-License-Identifier: MIT
#pragma once
// The whole-number view: a window beside the calculator that shows one
// number box's text whole, in groups of three digits, wrapped to its width,
// with the position of each line's first digit in its margin. It follows its
// box while it is open. The history (history_window.h) shows its entries'
// numbers in one too.

#include <QDialog>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <cstddef>

class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace calcora {

class frmNumora;
class DigitTextView;

// The words for Ctrl+Shift+D in keyboard.cpp's table (and so in the help);
// the boxes' context menus show the key beside their item.
inline constexpr const char* kShowWholeNumberKeyWords =
    "Show the whole number of the number box with the focus, else of the result";

// From now on a double-click on txtResult, and "Show whole number" in the
// context menu of txtNum1, txtNum2, txtResult and txtMem, open the view of
// that box; the same menus also offer "History" (showHistory). The menus are
// each box's standard one with these two items added at the end.
void offerWholeNumbers(frmNumora& window);

// The view of the number box named boxName ("txtResult") of window, made on
// first use and brought to the front; it follows the box from then on.
class WholeNumberView;
WholeNumberView* showWholeNumber(QWidget& window, const char* boxName);

// Ctrl+Shift+D: the view of the number box with the focus, or of the
// result when the focus is anywhere else.
WholeNumberView* showWholeNumberOfFocus(QWidget& window);

// One view for texts that no longer stand in a box (the history's): shows
// `text`, named `what` ("Entry 12, Result"), until the next such call.
WholeNumberView* showWholeText(QWidget& window, const QString& what, const QString& text);

// The view's window: object name "wholeNumberView_<box>" ("_history" for
// showWholeText). Title "<what> — <count> digits, exponent <e> — Calcora",
// from digitCountTip and decimalExponent; "not a number" or "empty" for a
// text that is none. Controls, by object name: "wholeNumberText" (the text,
// a read-only QPlainTextEdit of one block per line as shown), "jumpField" and
// "jumpButton" (go to a digit position), "copyPlainButton" (the text
// exactly), "copyGroupedButton" (in groups, one line), "viewStatus" (what
// the last step did) and "closeButton". Esc closes it.
class WholeNumberView : public QDialog {
    Q_OBJECT

public:
    // A view following box, or, with box null, of a fixed text (setFixedText).
    WholeNumberView(QWidget& window, QLineEdit* box, const QString& what);

    void setFixedText(const QString& what, const QString& text);

    // The text shown, exactly as its box holds it.
    const QString& text() const { return text_; }
    // Grouped on one line ("-1 234.567 89"); the text as it is for no number.
    QString groupedText() const;
    // The lines as shown, and the margin beside each ("digit 1,201"; empty
    // for a text that is no number).
    QStringList lines() const;
    QStringList marginLabels() const;
    // The count of the number's digits; 0 for no number.
    std::size_t digitCount() const;
    // How many characters a line holds at the view's width.
    std::size_t columns() const;

    // Scrolls to the digit at position (from 1), selects it and puts the
    // cursor there; false, with a word in the status, outside 1..digitCount.
    bool jumpToDigit(std::size_t position);
    // The clipboard gets the text exactly, or grouped on one line.
    void copyPlain();
    void copyGrouped();

    // The text, refreshed now if its box changed since (normally a box's
    // change shows as soon as control returns to the event loop).
    void refreshNow();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void scheduleRefresh();
    void display(const QString& text);
    void tell(const QString& status);

    QPointer<QLineEdit> box_;
    QString what_;
    QString text_;
    bool stale_ = false;
    bool refreshQueued_ = false;
    DigitTextView* view_ = nullptr;
    QSpinBox* jumpField_ = nullptr;
    QPushButton* jumpButton_ = nullptr;
    QPushButton* copyGroupedButton_ = nullptr;
    QLabel* status_ = nullptr;
};

}  // namespace calcora
