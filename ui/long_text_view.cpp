// SPDX-License-Identifier: MIT
// Programmatic writes of the number boxes happen only inside commands, and
// while a command runs the user cannot edit a box. So what changes in a box
// between a button's pressed and clicked signals was written by the command,
// and is then shown from its start. Watching the cursor as well as the text
// also catches a command that writes the same text again: the text box then
// puts its cursor at the end without a change of text.
#include "ui/long_text_view.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>
#include <vector>

#include "ui/control_named.h"

namespace calcora {
namespace {

constexpr const char* kNumberBoxes[] = {"txtNum1", "txtNum2", "txtResult", "txtMem"};

class StartOfTextView : public QObject {
public:
    using QObject::QObject;

    void watch(QLineEdit* box) {
        boxes_.push_back({box, false});
        const std::size_t index = boxes_.size() - 1;
        connect(box, &QLineEdit::textChanged, this, [this, index] { noteChange(index); });
        connect(box, &QLineEdit::cursorPositionChanged, this, [this, index] { noteChange(index); });
    }

    void commandStarts() {
        running_ = true;
        for (Box& box : boxes_) box.written = false;
    }

    // Connected after the button's own handler, so it runs when the command
    // has finished.
    void commandEnded() {
        running_ = false;
        for (Box& box : boxes_) {
            if (box.written) box.edit->setCursorPosition(0);
            box.written = false;
        }
    }

private:
    struct Box {
        QLineEdit* edit;
        bool written;
    };

    void noteChange(std::size_t index) {
        if (running_) boxes_[index].written = true;
    }

    std::vector<Box> boxes_;
    bool running_ = false;
};

}  // namespace

void showWrittenTextsFromStart(QWidget& window) {
    auto* view = new StartOfTextView(&window);
    for (const char* name : kNumberBoxes) {
        view->watch(controlNamed<QLineEdit>(window, name));
    }
    for (QPushButton* button : window.findChildren<QPushButton*>(Qt::FindDirectChildrenOnly)) {
        QObject::connect(button, &QAbstractButton::pressed, view, &StartOfTextView::commandStarts);
        QObject::connect(button, &QAbstractButton::clicked, view, &StartOfTextView::commandEnded);
    }
}

}  // namespace calcora
