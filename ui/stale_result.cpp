// SPDX-License-Identifier: MIT
// The mark of a result computed from earlier boxes. The window tells which
// writes of txtResult are a command's result (resultWritten, raised after the
// text is in); every other change of the text comes first or alone and drops
// what the result answered.
#include "ui/stale_result.h"

#include <QColor>
#include <QLineEdit>
#include <QPalette>
#include <QRadioButton>
#include <algorithm>
#include <cmath>
#include <optional>

#include "ui/control_named.h"
#include "ui/frmNumora.h"
#include "ui/result_tool_tip.h"

namespace calcora {
namespace {

const char* const kEarlierResultNote = "Result of earlier numbers; press a command to update";

// WCAG 2's least contrast for normal text, which the dimmed text keeps.
constexpr double kLeastContrast = 4.5;
// Where the usual text has contrast to spare, the dimmed text aims at about
// that of #595959 on white: plainly grey beside black, still easy to read.
constexpr double kAimedContrast = 7.0;

// Relative luminance, as WCAG 2 defines it.
double luminance(const QColor& colour) {
    const auto linear = [](double channel) {
        return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) + 0.0722 * linear(colour.blueF());
}

double contrast(const QColor& a, const QColor& b) {
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor mixed(const QColor& from, const QColor& to, int step, int steps) {
    const auto channel = [&](int f, int t) { return (f * (steps - step) + t * step + steps / 2) / steps; };
    return QColor(channel(from.red(), to.red()), channel(from.green(), to.green()), channel(from.blue(), to.blue()));
}

// The text colour moved toward the background as far as keeps the aimed
// contrast, half the usual one but at most 7:1 and never below 4.5:1, so it
// works on a light or a dark palette alike. Text that already has no more
// than 4.5:1 stays as it is.
QColor dimmed(const QColor& text, const QColor& background) {
    const double aim = std::clamp(contrast(text, background) / 2, kLeastContrast, kAimedContrast);
    constexpr int kSteps = 256;
    QColor best = text;
    // Contrast falls steadily on the way from the text to the background.
    for (int step = 1; step < kSteps; ++step) {
        const QColor next = mixed(text, background, step, kSteps);
        if (contrast(next, background) < aim) break;
        best = next;
    }
    return best;
}

// What a result was computed from.
struct Inputs {
    QString num1;
    QString num2;
    bool highPrecision = false;
    QString sigFigs;
    bool operator==(const Inputs&) const = default;
};

class EarlierResultMark : public QObject {
public:
    explicit EarlierResultMark(frmNumora& window)
        : QObject(&window),
          result_(controlNamed<QLineEdit>(window, "txtResult")),
          num1_(controlNamed<QLineEdit>(window, "txtNum1")),
          num2_(controlNamed<QLineEdit>(window, "txtNum2")),
          sigFigs_(controlNamed<QLineEdit>(window, "txtSigFigs")),
          highPrecision_(controlNamed<QRadioButton>(window, "OptHP")) {
        connect(result_, &QLineEdit::textChanged, this, &EarlierResultMark::resultChanged);
        connect(&window, &frmNumora::resultWritten, this, &EarlierResultMark::resultWritten);
        for (QLineEdit* box : {num1_, num2_, sigFigs_}) {
            connect(box, &QLineEdit::textChanged, this, &EarlierResultMark::follow);
        }
        connect(highPrecision_, &QRadioButton::toggled, this, &EarlierResultMark::follow);
    }

private:
    Inputs inputsNow() const {
        return {num1_->text(), num2_->text(), highPrecision_->isChecked(), sigFigs_->text()};
    }

    // Any change of the text; a command's result is taken up by
    // resultWritten just after.
    void resultChanged() {
        answered_.reset();
        follow();
        result_->setToolTip(digitCountTip(result_->text()));
    }

    void resultWritten() {
        if (result_->text().isEmpty()) {
            answered_.reset();
        } else {
            answered_ = inputsNow();
        }
        follow();
    }

    void follow() {
        const bool earlier = answered_ && *answered_ != inputsNow();
        if (earlier == marked_) return;
        marked_ = earlier;
        if (earlier) {
            usualPalette_ = result_->palette();
            usualDescription_ = result_->accessibleDescription();
            QPalette grey = usualPalette_;
            for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
                grey.setColor(group, QPalette::Text,
                              dimmed(grey.color(group, QPalette::Text), grey.color(group, QPalette::Base)));
            }
            result_->setPalette(grey);
            result_->setToolTip(QString::fromLatin1(kEarlierResultNote));
            result_->setAccessibleDescription(QString::fromLatin1(kEarlierResultNote));
        } else {
            result_->setPalette(usualPalette_);
            result_->setToolTip(digitCountTip(result_->text()));
            result_->setAccessibleDescription(usualDescription_);
        }
    }

    QLineEdit* result_;
    QLineEdit* num1_;
    QLineEdit* num2_;
    QLineEdit* sigFigs_;
    QRadioButton* highPrecision_;
    std::optional<Inputs> answered_;  // none for an empty, pasted or typed result
    bool marked_ = false;
    QPalette usualPalette_;
    QString usualDescription_;
};

}  // namespace

void markEarlierResults(frmNumora& window) { new EarlierResultMark(window); }

}  // namespace calcora
