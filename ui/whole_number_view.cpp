// SPDX-License-Identifier: MIT
// The text is grouped once per change (core/digit_grouping.h) and broken into
// lines of whole groups for the view's width, one text block per line; the
// text view lays out only the blocks it shows, so opening, scrolling and
// resizing cost the same for 32,767 digits as for a screenful. A width that
// holds as many characters as before keeps the lines; another one breaks
// them anew and keeps the first digit in sight. A text that is no number is
// left to the text view's own wrapping.
#include "ui/whole_number_view.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QSpinBox>
#include <QTextBlock>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include "core/digit_grouping.h"
#include "engine/engine.h"
#include "ui/accessible_names.h"
#include "ui/command_support.h"
#include "ui/contrast.h"
#include "ui/control_named.h"
#include "ui/desktop_colours.h"
#include "ui/frmNumora.h"
#include "ui/history_window.h"
#include "ui/keyboard.h"
#include "ui/result_tool_tip.h"
#include "ui/screen_fit.h"

namespace calcora {
namespace {

struct NumberBox {
    const char* name;
    const char* what;
};
constexpr NumberBox kNumberBoxes[] = {
    {"txtNum1", "First number"}, {"txtNum2", "Second number"}, {"txtResult", "Result"}, {"txtMem", "Memory"}};

const char* const kHistoryViewName = "wholeNumberView_history";
const QSize kViewSize(760, 480);
constexpr double kDigitPoints = 12;
constexpr int kMarginPadding = 8;

QString commas(std::uint64_t count) { return QString::fromStdString(core::withGroupCommas(count)); }

// The caption of a context-menu item with the keys keyboard.cpp gives it
// ("Show whole number\tCtrl+Shift+D"), looked up by the key's words.
QString withKeys(const char* caption, const char* keyWords) {
    for (const WindowKey& key : windowKeys()) {
        if (key.action == QLatin1StringView(keyWords)) return QString::fromLatin1(caption) + u'\t' + key.keys;
    }
    return QString::fromLatin1(caption);
}

// Enter in the field goes to the digit (a spin box alone would pass the key
// on to the dialog).
class JumpField : public QSpinBox {
public:
    using QSpinBox::QSpinBox;
    std::function<void()> entered;

protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
            interpretText();
            if (entered) entered();
            event->accept();
            return;
        }
        QSpinBox::keyPressEvent(event);
    }
};

}  // namespace

// The margin beside the text: "digit 1,201" at the height of each line.
class DigitMargin : public QWidget {
public:
    explicit DigitMargin(DigitTextView* view);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    DigitTextView* view_;
};

class DigitTextView : public QPlainTextEdit {
public:
    explicit DigitTextView(QWidget* parent) : QPlainTextEdit(parent), margin_(new DigitMargin(this)) {
        setReadOnly(true);
        setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        setUndoRedoEnabled(false);
        // Always there, so that showing it never changes the width and the lines.
        setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        QFont digits = QFontDatabase::systemFont(QFontDatabase::FixedFont);
        digits.setPointSizeF(kDigitPoints);
        setFont(digits);
        connect(this, &QPlainTextEdit::updateRequest, this, [this](const QRect& rect, int dy) {
            if (dy != 0) {
                margin_->scroll(0, dy);
            } else {
                margin_->update(0, rect.y(), margin_->width(), rect.height());
            }
        });
    }

    void setText(const QString& text) {
        grouped_ = core::groupDigits(engineText(text));
        marked_ = 0;
        const bool number = grouped_.number;
        {
            const QScopedValueRollback<bool> laying(layingOut_, true);
            setLineWrapMode(number ? QPlainTextEdit::NoWrap : QPlainTextEdit::WidgetWidth);
            setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
            marginWidth_ = number ? fontMetrics().horizontalAdvance(marginLabelOf(grouped_.digitCount())) +
                                        2 * kMarginPadding
                                  : 0;
            setViewportMargins(marginWidth_, 0, 0, 0);
            placeMargin();
        }
        lines_.clear();
        laidColumns_ = 0;
        if (!number) {
            setPlainText(text);
        } else if (isVisible()) {
            layOut(0);
        } else {
            // Not yet at its size: the lines are made when it is shown.
            setPlainText(QString());
        }
    }

    const core::GroupedText& grouped() const { return grouped_; }
    std::size_t lineCount() const { return lines_.size(); }

    QString marginLabel(std::size_t line) const {
        return line < lines_.size() ? marginLabelOf(lines_[line].firstDigit) : QString();
    }

    // How many characters a line of the view holds.
    std::size_t columns() const {
        const double digit = QFontMetricsF(font()).horizontalAdvance(QLatin1Char('0'));
        const double room = viewport()->width() - 2 * document()->documentMargin() - cursorWidth() - 1;
        return static_cast<std::size_t>(std::max(1.0, std::floor(room / digit)));
    }

    // Selects the digit at position, puts the cursor on it and scrolls it
    // to the middle; it is selected again whenever the lines are new.
    void markDigit(std::size_t position) {
        const std::size_t offset = core::offsetOfDigit(grouped_, position);
        if (offset == std::string::npos) return;
        marked_ = position;
        const std::size_t line = core::lineOfOffset(lines_, offset);
        const QTextBlock block = document()->findBlockByNumber(static_cast<int>(line));
        QTextCursor cursor(block);
        cursor.setPosition(block.position() + static_cast<int>(offset - lines_[line].begin));
        cursor.movePosition(QTextCursor::NextCharacter, QTextCursor::KeepAnchor);
        setTextCursor(cursor);
        centerCursor();
    }

    void paintMargin(QPaintEvent* event) {
        QPainter painter(margin_);
        const QColor behind = palette().color(QPalette::Window);
        painter.fillRect(event->rect(), behind);
        painter.setPen(dimmedOn(palette().color(QPalette::WindowText), behind));
        painter.setFont(font());
        QTextBlock block = firstVisibleBlock();
        qreal top = blockBoundingGeometry(block).translated(contentOffset()).top();
        const int lineHeight = fontMetrics().height();
        while (block.isValid() && top <= event->rect().bottom()) {
            const qreal height = blockBoundingRect(block).height();
            if (block.isVisible() && top + height >= event->rect().top()) {
                painter.drawText(QRectF(0, top, margin_->width() - kMarginPadding, lineHeight),
                                 Qt::AlignRight | Qt::AlignVCenter,
                                 marginLabel(static_cast<std::size_t>(block.blockNumber())));
            }
            block = block.next();
            top += height;
        }
    }

protected:
    void resizeEvent(QResizeEvent* event) override {
        QPlainTextEdit::resizeEvent(event);
        placeMargin();
        if (!layingOut_ && isVisible() && grouped_.number && columns() != laidColumns_) layOut(firstVisibleDigit());
    }

    void showEvent(QShowEvent* event) override {
        QPlainTextEdit::showEvent(event);
        if (grouped_.number && columns() != laidColumns_) layOut(firstVisibleDigit());
    }

private:
    static QString marginLabelOf(std::size_t digit) { return QStringLiteral("digit ") + commas(digit); }

    void placeMargin() {
        const QRect area = contentsRect();
        margin_->setGeometry(QRect(area.left(), area.top(), marginWidth_, area.height()));
    }

    std::size_t firstVisibleDigit() const {
        const int line = firstVisibleBlock().blockNumber();
        return line >= 0 && static_cast<std::size_t>(line) < lines_.size() ? lines_[line].firstDigit : 0;
    }

    // The lines for the view's width as one text, a block per line; `keep`,
    // a digit position, stays at the top (0: the start).
    void layOut(std::size_t keep) {
        const QScopedValueRollback<bool> laying(layingOut_, true);
        laidColumns_ = columns();
        lines_ = core::wrapGroups(grouped_, laidColumns_);
        QString text;
        text.reserve(static_cast<qsizetype>(grouped_.text.size() + lines_.size()));
        for (std::size_t i = 0; i < lines_.size(); ++i) {
            if (i > 0) text += u'\n';
            text += QLatin1StringView(grouped_.text.data() + lines_[i].begin,
                                      static_cast<qsizetype>(lines_[i].end - lines_[i].begin));
        }
        setPlainText(text);
        if (marked_ != 0) {
            markDigit(marked_);
        } else if (keep > 1) {
            const std::size_t offset = core::offsetOfDigit(grouped_, keep);
            verticalScrollBar()->setValue(static_cast<int>(core::lineOfOffset(lines_, offset)));
        }
    }

    DigitMargin* margin_;
    core::GroupedText grouped_;
    std::vector<core::TextLine> lines_;
    std::size_t laidColumns_ = 0;
    std::size_t marked_ = 0;  // the digit last gone to, 0 for none
    int marginWidth_ = 0;
    bool layingOut_ = false;
};

DigitMargin::DigitMargin(DigitTextView* view) : QWidget(view), view_(view) {
    setObjectName(QStringLiteral("digitMargin"));
}

void DigitMargin::paintEvent(QPaintEvent* event) { view_->paintMargin(event); }

WholeNumberView::WholeNumberView(QWidget& window, QLineEdit* box, const QString& what)
    : QDialog(&window), box_(box), what_(what) {
    setObjectName(box != nullptr ? QStringLiteral("wholeNumberView_") + box->objectName()
                                 : QString::fromLatin1(kHistoryViewName));
    resize(kViewSize);
    setSizeGripEnabled(true);
    colourSideWindow(*this);

    view_ = new DigitTextView(this);
    view_->setObjectName(QStringLiteral("wholeNumberText"));

    auto* jumpLabel = new QLabel(QStringLiteral("Go to &digit:"), this);
    auto* field = new JumpField(this);
    jumpField_ = field;
    jumpField_->setObjectName(QStringLiteral("jumpField"));
    jumpField_->setLocale(QLocale(QLocale::English));
    jumpField_->setGroupSeparatorShown(true);
    jumpField_->setRange(1, 1);
    // Room for the longest position, "9,999,999".
    jumpField_->setMinimumWidth(jumpField_->fontMetrics().horizontalAdvance(QStringLiteral("9,999,999")) + 40);
    jumpLabel->setBuddy(jumpField_);
    jumpButton_ = new QPushButton(QStringLiteral("&Go"), this);
    jumpButton_->setObjectName(QStringLiteral("jumpButton"));
    field->entered = [this] { jumpToDigit(static_cast<std::size_t>(jumpField_->value())); };
    connect(jumpButton_, &QPushButton::clicked, this,
            [this] { jumpToDigit(static_cast<std::size_t>(jumpField_->value())); });

    auto* copyPlain = new QPushButton(QStringLiteral("&Copy"), this);
    copyPlain->setObjectName(QStringLiteral("copyPlainButton"));
    connect(copyPlain, &QPushButton::clicked, this, &WholeNumberView::copyPlain);
    copyGroupedButton_ = new QPushButton(QStringLiteral("Copy g&rouped"), this);
    copyGroupedButton_->setObjectName(QStringLiteral("copyGroupedButton"));
    connect(copyGroupedButton_, &QPushButton::clicked, this, &WholeNumberView::copyGrouped);
    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("viewStatus"));
    auto* close = new QPushButton(QStringLiteral("Close"), this);
    close->setObjectName(QStringLiteral("closeButton"));
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    // Enter belongs to the field; no button is the dialog's default.
    for (QPushButton* button : findChildren<QPushButton*>()) button->setAutoDefault(false);

    auto* jumpRow = new QHBoxLayout;
    jumpRow->addWidget(jumpLabel);
    jumpRow->addWidget(jumpField_);
    jumpRow->addWidget(jumpButton_);
    jumpRow->addStretch();
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addWidget(copyPlain);
    buttonRow->addWidget(copyGroupedButton_);
    buttonRow->addWidget(status_, 1);
    buttonRow->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(jumpRow);
    layout->addWidget(view_, 1);
    layout->addLayout(buttonRow);
    setTabOrder(view_, jumpField_);
    setTabOrder(jumpField_, jumpButton_);
    setTabOrder(jumpButton_, copyPlain);
    setTabOrder(copyPlain, copyGroupedButton_);
    setTabOrder(copyGroupedButton_, close);
    describeSideWindow(*this);

    if (box != nullptr) {
        connect(box, &QLineEdit::textChanged, this, &WholeNumberView::scheduleRefresh);
        display(box->text());
    }
}

void WholeNumberView::setFixedText(const QString& what, const QString& text) {
    what_ = what;
    display(text);
}

QString WholeNumberView::groupedText() const {
    const core::GroupedText& grouped = view_->grouped();
    return grouped.number ? QString::fromLatin1(grouped.text) : text_;
}

QStringList WholeNumberView::lines() const {
    QStringList shown;
    for (QTextBlock block = view_->document()->begin(); block.isValid(); block = block.next()) shown << block.text();
    return shown;
}

QStringList WholeNumberView::marginLabels() const {
    QStringList labels;
    for (int line = 0; line < view_->document()->blockCount(); ++line) {
        labels << view_->marginLabel(static_cast<std::size_t>(line));
    }
    return labels;
}

std::size_t WholeNumberView::digitCount() const { return view_->grouped().digitCount(); }

std::size_t WholeNumberView::columns() const { return view_->columns(); }

bool WholeNumberView::jumpToDigit(std::size_t position) {
    refreshNow();
    const std::size_t digits = digitCount();
    if (position < 1 || position > digits) {
        tell(digits == 0 ? QStringLiteral("No digits to go to.")
                         : QStringLiteral("No digit %1: the number has %2.").arg(commas(position), digitCountTip(text_)));
        return false;
    }
    view_->markDigit(position);
    jumpField_->setValue(static_cast<int>(position));
    tell(QStringLiteral("Digit %1 is %2.").arg(commas(position), view_->textCursor().selectedText()));
    return true;
}

void WholeNumberView::copyPlain() {
    refreshNow();
    QGuiApplication::clipboard()->setText(text_);
    tell(QStringLiteral("Copied as the box holds it."));
}

void WholeNumberView::copyGrouped() {
    refreshNow();
    QGuiApplication::clipboard()->setText(groupedText());
    tell(QStringLiteral("Copied in groups of three."));
}

void WholeNumberView::refreshNow() {
    if (!stale_ || !box_) return;
    stale_ = false;
    display(box_->text());
}

void WholeNumberView::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    refreshNow();
}

void WholeNumberView::scheduleRefresh() {
    stale_ = true;
    // A closed view catches up when it is shown again; an open one once the
    // command that wrote the box has finished.
    if (!isVisible() || refreshQueued_) return;
    refreshQueued_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            refreshQueued_ = false;
            refreshNow();
        },
        Qt::QueuedConnection);
}

void WholeNumberView::display(const QString& text) {
    text_ = text;
    view_->setText(text);
    const std::size_t digits = digitCount();
    const bool number = view_->grouped().number;
    jumpField_->setRange(1, static_cast<int>(std::clamp<std::size_t>(digits, 1, std::numeric_limits<int>::max())));
    jumpField_->setEnabled(digits > 0);
    jumpButton_->setEnabled(digits > 0);
    copyGroupedButton_->setEnabled(number);
    QString summary;
    if (text.isEmpty()) {
        summary = QStringLiteral("empty");
    } else if (!number) {
        summary = QStringLiteral("not a number");
    } else {
        summary = digitCountTip(text) + QStringLiteral(", exponent ") + boxText(decimalExponent(engineText(text)));
    }
    setWindowTitle(QStringLiteral("%1 — %2 — Calcora").arg(what_, summary));
    view_->setAccessibleDescription(QStringLiteral("%1, %2. Digits in groups of three; the margin gives the position "
                                                   "of each line's first digit.")
                                        .arg(what_, summary));
    tell(QString());
}

void WholeNumberView::tell(const QString& status) { status_->setText(status); }

namespace {

WholeNumberView* brought(QWidget& window, WholeNumberView* view) {
    placeBeside(window, *view);
    view->show();
    view->raise();
    view->activateWindow();
    view->findChild<QPlainTextEdit*>(QStringLiteral("wholeNumberText"))->setFocus();
    return view;
}

// The context menus and the double-click of the number boxes.
class NumberBoxOffers : public QObject {
public:
    explicit NumberBoxOffers(frmNumora& window) : QObject(&window), window_(window) {
        for (const NumberBox& box : kNumberBoxes) controlNamed<QLineEdit>(window, box.name)->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* box = qobject_cast<QLineEdit*>(watched);
        if (box == nullptr) return false;
        if (event->type() == QEvent::MouseButtonDblClick && box->objectName() == QLatin1StringView("txtResult")) {
            showWholeNumber(window_, "txtResult");
            return true;
        }
        if (event->type() == QEvent::ContextMenu) {
            offerMenu(*box, static_cast<QContextMenuEvent*>(event)->globalPos());
            return true;
        }
        return false;
    }

private:
    void offerMenu(QLineEdit& box, const QPoint& where) {
        QMenu* menu = box.createStandardContextMenu();
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->addSeparator();
        QAction* whole = menu->addAction(withKeys("Show whole number", kShowWholeNumberKeyWords));
        whole->setObjectName(QStringLiteral("showWholeNumberAction"));
        const QByteArray name = box.objectName().toLatin1();
        connect(whole, &QAction::triggered, this, [this, name] { showWholeNumber(window_, name.constData()); });
        QAction* history = menu->addAction(withKeys("History", kShowHistoryKeyWords));
        history->setObjectName(QStringLiteral("showHistoryAction"));
        connect(history, &QAction::triggered, this, [this] { showHistory(window_); });
        menu->popup(where);
    }

    frmNumora& window_;
};

}  // namespace

void offerWholeNumbers(frmNumora& window) { new NumberBoxOffers(window); }

WholeNumberView* showWholeNumber(QWidget& window, const char* boxName) {
    const QString name = QStringLiteral("wholeNumberView_") + QLatin1StringView(boxName);
    auto* view = window.findChild<WholeNumberView*>(name, Qt::FindDirectChildrenOnly);
    if (view == nullptr) {
        const auto* box = std::find_if(std::begin(kNumberBoxes), std::end(kNumberBoxes),
                                       [&](const NumberBox& b) { return qstrcmp(b.name, boxName) == 0; });
        Q_ASSERT(box != std::end(kNumberBoxes));
        view = new WholeNumberView(window, controlNamed<QLineEdit>(window, boxName), QString::fromLatin1(box->what));
    }
    return brought(window, view);
}

WholeNumberView* showWholeNumberOfFocus(QWidget& window) {
    const QWidget* focus = QApplication::focusWidget();
    for (const NumberBox& box : kNumberBoxes) {
        if (focus != nullptr && focus == controlNamed<QLineEdit>(window, box.name)) {
            return showWholeNumber(window, box.name);
        }
    }
    return showWholeNumber(window, "txtResult");
}

WholeNumberView* showWholeText(QWidget& window, const QString& what, const QString& text) {
    auto* view = window.findChild<WholeNumberView*>(QString::fromLatin1(kHistoryViewName), Qt::FindDirectChildrenOnly);
    if (view == nullptr) view = new WholeNumberView(window, nullptr, what);
    view->setFixedText(what, text);
    return brought(window, view);
}

}  // namespace calcora
