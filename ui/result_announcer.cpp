// SPDX-License-Identifier: MIT
// Qt 6.4 has no announcement event. Orca speaks a notification whose
// "showing" state turns on (object:state-changed:showing), whatever has the
// focus, so every announcement is a name change of the notification followed
// by its show event.
#include "ui/result_announcer.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>

#include "ui/control_named.h"
#include "ui/frmNumora.h"
#include "ui/result_tool_tip.h"

namespace calcora {
namespace {

// A number up to this long is said whole; a longer one by its lead and count.
constexpr qsizetype kSaidWhole = 20;
constexpr qsizetype kLead = 10;
// No text the commands write is longer, except numbers.
constexpr qsizetype kLongestSaid = 200;

QString spoken(const QString& text) {
    const QString digits = digitCountTip(text);
    if (!digits.isEmpty() && text.size() > kSaidWhole) return text.left(kLead) + QStringLiteral("… ") + digits;
    if (text.size() > kLongestSaid) return text.left(kLongestSaid) + QStringLiteral("…");
    return text;
}

// What one command wrote, noted between its button's pressed and clicked
// signals; the announcement is connected last, so it runs once the
// command's own handler has finished.
class CommandWatch : public QObject {
public:
    explicit CommandWatch(frmNumora& window)
        : QObject(&window),
          result_(controlNamed<QLineEdit>(window, "txtResult")),
          memory_(controlNamed<QLineEdit>(window, "txtMem")),
          announcement_(new ResultAnnouncement(&window)) {
        connect(&window, &frmNumora::resultWritten, this, [this] { resultWritten_ = running_; });
        connect(memory_, &QLineEdit::textChanged, this, [this] { memoryChanged_ = memoryChanged_ || running_; });
        for (QPushButton* button : window.findChildren<QPushButton*>(Qt::FindDirectChildrenOnly)) {
            connect(button, &QAbstractButton::pressed, this, &CommandWatch::commandStarts);
            connect(button, &QAbstractButton::clicked, this, &CommandWatch::commandEnded);
        }
    }

private:
    void commandStarts() {
        running_ = true;
        resultWritten_ = memoryChanged_ = false;
    }

    void commandEnded() {
        QStringList said;
        if (resultWritten_ && !result_->text().isEmpty()) said << spoken(result_->text());
        if (memoryChanged_) {
            said << (memory_->text().isEmpty() ? QStringLiteral("Memory empty")
                                               : QStringLiteral("Memory ") + spoken(memory_->text()));
        }
        running_ = resultWritten_ = memoryChanged_ = false;
        if (!said.isEmpty()) announcement_->announce(said.join(QStringLiteral(". ")));
    }

    QLineEdit* result_;
    QLineEdit* memory_;
    ResultAnnouncement* announcement_;
    bool running_ = false;
    bool resultWritten_ = false;
    bool memoryChanged_ = false;
};

}  // namespace

ResultAnnouncement::ResultAnnouncement(QObject* parent) : QObject(parent) {
    setObjectName(QStringLiteral("resultAnnouncement"));
}

void ResultAnnouncement::announce(const QString& text) {
    text_ = text;
    QAccessibleEvent renamed(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&renamed);
    QAccessibleEvent shown(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

void announceCommandResults(frmNumora& window) { new CommandWatch(window); }

}  // namespace calcora
