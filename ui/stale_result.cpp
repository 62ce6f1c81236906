// SPDX-License-Identifier: MIT
// The mark of a result computed from earlier boxes. The window tells which
// writes of txtResult are a command's result (resultWritten, raised after the
// text is in); every other change of the text comes first or alone and drops
// what the result answered.
#include "ui/stale_result.h"

#include <QLineEdit>
#include <QRadioButton>
#include <optional>

#include "ui/control_named.h"
#include "ui/desktop_colours.h"
#include "ui/frmNumora.h"
#include "ui/result_tool_tip.h"

namespace calcora {
namespace {

const char* const kEarlierResultNote = "Result of earlier numbers; press a command to update";

using Inputs = ResultSource;

constexpr const char* kMarkName = "earlierResultMark";

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
        setObjectName(QString::fromLatin1(kMarkName));
    }

    const std::optional<Inputs>& answered() const { return answered_; }

    // A command writes txtResult at most once (and then raises resultWritten
    // at most once), so what the result answered before it is what the first
    // of those two found, and otherwise what it answers still.
    std::optional<Inputs> answeredBefore(const core::WindowState& before, const core::WindowState& after,
                                         bool written) const {
        if (before.result != after.result) return answeredBeforeChange_;
        if (written) return answeredBeforeWritten_;
        return answered_;
    }

    void setAnswered(const std::optional<Inputs>& answered) {
        answered_ = answered;
        follow();
    }

private:
    Inputs inputsNow() const {
        return {num1_->text(), num2_->text(), highPrecision_->isChecked(), sigFigs_->text()};
    }

    // Any change of the text; a command's result is taken up by
    // resultWritten just after.
    void resultChanged() {
        answeredBeforeChange_ = answered_;
        answered_.reset();
        follow();
        result_->setToolTip(digitCountTip(result_->text()));
    }

    void resultWritten() {
        answeredBeforeWritten_ = answered_;
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
            usualDescription_ = result_->accessibleDescription();
            dimText(*result_, true);
            result_->setToolTip(QString::fromLatin1(kEarlierResultNote));
            result_->setAccessibleDescription(QString::fromLatin1(kEarlierResultNote));
        } else {
            dimText(*result_, false);
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
    std::optional<Inputs> answeredBeforeChange_;  // before the latest change of the text
    std::optional<Inputs> answeredBeforeWritten_;  // before the latest resultWritten
    bool marked_ = false;
    QString usualDescription_;
};

EarlierResultMark& markOf(frmNumora& window) {
    auto* mark = dynamic_cast<EarlierResultMark*>(
        window.findChild<QObject*>(QString::fromLatin1(kMarkName), Qt::FindDirectChildrenOnly));
    Q_ASSERT(mark != nullptr);
    return *mark;
}

}  // namespace

void markEarlierResults(frmNumora& window) { new EarlierResultMark(window); }

std::optional<ResultSource> resultSource(frmNumora& window) { return markOf(window).answered(); }

std::optional<ResultSource> resultSourceBefore(frmNumora& window, const core::WindowState& before,
                                               const core::WindowState& after, bool resultWritten) {
    return markOf(window).answeredBefore(before, after, resultWritten);
}

void setResultSource(frmNumora& window, const std::optional<ResultSource>& source) {
    markOf(window).setAnswered(source);
}

}  // namespace calcora
