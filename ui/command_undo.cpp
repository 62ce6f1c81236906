// SPDX-License-Identifier: MIT
// The window's command history on core::UndoHistory. A step goes between two
// states of the window, each with what its result answered, so that the
// grey mark of stale_result.cpp is put back as it was.
#include "ui/command_undo.h"

#include <QAbstractButton>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <optional>

#include "core/undo_history.h"
#include "core/window_state.h"
#include "ui/frmNumora.h"
#include "ui/result_announcer.h"
#include "ui/stale_result.h"

namespace calcora {
namespace {

constexpr const char* kHistoryName = "commandHistory";

// A state of the window as undo and redo put it back.
struct UndoPoint {
    core::WindowState state;
    std::optional<ResultSource> resultSource;
    bool operator==(const UndoPoint&) const = default;
};

enum class Direction { None, Undo, Redo };

Direction directionOf(QKeyCombination key) {
    constexpr Qt::KeyboardModifiers kCtrl = Qt::ControlModifier;
    constexpr Qt::KeyboardModifiers kCtrlShift = Qt::ControlModifier | Qt::ShiftModifier;
    if (key == (kCtrl | Qt::Key_Z)) return Direction::Undo;
    if (key == (kCtrlShift | Qt::Key_Z) || key == (kCtrl | Qt::Key_Y)) return Direction::Redo;
    return Direction::None;
}

class CommandHistory : public QObject {
public:
    explicit CommandHistory(frmNumora& window) : QObject(&window), window_(window) {
        setObjectName(QString::fromLatin1(kHistoryName));
        connect(&window, &frmNumora::commandRun, this, &CommandHistory::commandRan);
    }

    bool undo() {
        const auto* step = history_.undo();
        if (step == nullptr) return false;
        putBack(step->before, QStringLiteral("Undone: "), step->command);
        return true;
    }

    bool redo() {
        const auto* step = history_.redo();
        if (step == nullptr) return false;
        putBack(step->after, QStringLiteral("Redone: "), step->command);
        return true;
    }

private:
    void commandRan(const QString& command, const core::WindowState& before, const core::WindowState& after,
                    bool resultWritten) {
        history_.record(command.toStdString(),
                        UndoPoint{before, resultSourceBefore(window_, before, after, resultWritten)},
                        UndoPoint{after, resultSource(window_)});
    }

    void putBack(const UndoPoint& point, const QString& said, const std::string& command) {
        window_.restore(point.state);
        setResultSource(window_, point.resultSource);
        const QString name = QString::fromStdString(command);
        auto* button = window_.findChild<QAbstractButton*>(name, Qt::FindDirectChildrenOnly);
        auto* announcement =
            window_.findChild<ResultAnnouncement*>(QStringLiteral("resultAnnouncement"), Qt::FindDirectChildrenOnly);
        if (announcement != nullptr) announcement->announce(said + (button ? button->accessibleName() : name));
    }

    frmNumora& window_;
    core::UndoHistory<UndoPoint> history_;
};

// A box keeps Ctrl+Z while it has typing to undo, and Ctrl+Shift+Z and
// Ctrl+Y while it has typing to redo; otherwise the key goes to the
// window's shortcut. Ctrl+Y is no redo key of the boxes on every desktop,
// so the box's own undo and redo are called here.
class UndoKeyFilter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress) return false;
        auto* box = qobject_cast<QLineEdit*>(watched);
        if (box == nullptr) return false;
        const Direction direction = directionOf(static_cast<QKeyEvent*>(event)->keyCombination());
        if (direction == Direction::None) return false;
        const bool own = direction == Direction::Undo ? box->isUndoAvailable() : box->isRedoAvailable();
        if (event->type() == QEvent::ShortcutOverride) {
            // Accepted, the key goes to the box; consumed unaccepted, to the
            // shortcuts.
            if (own) event->accept();
            return true;
        }
        if (own) {
            if (direction == Direction::Undo) {
                box->undo();
            } else {
                box->redo();
            }
        }
        return true;
    }
};

CommandHistory* historyOf(QWidget& window) {
    return dynamic_cast<CommandHistory*>(
        window.findChild<QObject*>(QString::fromLatin1(kHistoryName), Qt::FindDirectChildrenOnly));
}

}  // namespace

void keepCommandHistory(frmNumora& window) {
    new CommandHistory(window);
    auto* keys = new UndoKeyFilter(&window);
    for (QLineEdit* box : window.findChildren<QLineEdit*>(Qt::FindDirectChildrenOnly)) box->installEventFilter(keys);
}

bool undoCommand(QWidget& window) {
    CommandHistory* history = historyOf(window);
    return history != nullptr && history->undo();
}

bool redoCommand(QWidget& window) {
    CommandHistory* history = historyOf(window);
    return history != nullptr && history->redo();
}

}  // namespace calcora
