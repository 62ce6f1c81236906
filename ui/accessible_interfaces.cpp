// SPDX-License-Identifier: MIT
// One interface factory, asked by Qt before its own ones, for three kinds of
// object of the window; it keeps no state.
#include "ui/accessible_interfaces.h"

#include <QAccessible>
#include <QAccessibleObject>
#include <QAccessibleWidget>
#include <QKeySequence>
#include <QPushButton>

#include "ui/frmNumora.h"
#include "ui/keyboard.h"
#include "ui/result_announcer.h"

namespace calcora {
namespace {

class FrameInterface : public QAccessibleWidget {
public:
    explicit FrameInterface(QWidget* window) : QAccessibleWidget(window, QAccessible::Window) {}

    int childCount() const override { return QAccessibleWidget::childCount() + (announcement() ? 1 : 0); }

    QAccessibleInterface* child(int index) const override {
        if (index == QAccessibleWidget::childCount() && announcement()) {
            return QAccessible::queryAccessibleInterface(announcement());
        }
        return QAccessibleWidget::child(index);
    }

    int indexOfChild(const QAccessibleInterface* child) const override {
        if (child != nullptr && announcement() && child->object() == announcement()) {
            return QAccessibleWidget::childCount();
        }
        return QAccessibleWidget::indexOfChild(child);
    }

private:
    ResultAnnouncement* announcement() const {
        return widget()->findChild<ResultAnnouncement*>(QString(), Qt::FindDirectChildrenOnly);
    }
};

class AnnouncementInterface : public QAccessibleObject {
public:
    explicit AnnouncementInterface(ResultAnnouncement* announcement) : QAccessibleObject(announcement) {}

    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(object()->parent()); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessible::Role role() const override { return QAccessible::Notification; }
    // Neither invisible nor off screen: screen readers pass over an object
    // that has no state at all.
    QAccessible::State state() const override { return {}; }

    QString text(QAccessible::Text kind) const override {
        return kind == QAccessible::Name ? static_cast<const ResultAnnouncement*>(object())->text() : QString();
    }
};

// The AT-SPI bridge joins a list of key bindings with ";", which screen
// readers read as "mnemonic;key path;accelerator": so one key, the first,
// and the description names them all (accessible_names.cpp).
class CommandButtonInterface : public QAccessibleWidget {
public:
    explicit CommandButtonInterface(QPushButton* button) : QAccessibleWidget(button, QAccessible::Button) {}

    QString text(QAccessible::Text kind) const override {
        return kind == QAccessible::Accelerator ? firstKey() : QAccessibleWidget::text(kind);
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.pressed = button()->isDown();
        return state;
    }

    // The press action first: screen readers read the key binding of action 0.
    QStringList actionNames() const override { return QStringList{pressAction()} + QAccessibleWidget::actionNames(); }

    void doAction(const QString& action) override {
        if (action == pressAction()) {
            button()->click();
        } else {
            QAccessibleWidget::doAction(action);
        }
    }

    QStringList keyBindingsForAction(const QString& action) const override {
        return action == pressAction() ? QStringList{firstKey()} : QAccessibleWidget::keyBindingsForAction(action);
    }

private:
    QPushButton* button() const { return static_cast<QPushButton*>(widget()); }
    QString firstKey() const {
        return shortcutsOf(button()->objectName()).value(0).toString(QKeySequence::NativeText);
    }
};

QAccessibleInterface* interfaceFor(const QString& className, QObject* object) {
    if (className == QLatin1String(frmNumora::staticMetaObject.className())) {
        return new FrameInterface(static_cast<QWidget*>(object));
    }
    if (className == QLatin1String(ResultAnnouncement::staticMetaObject.className())) {
        return new AnnouncementInterface(static_cast<ResultAnnouncement*>(object));
    }
    // A button's interface is made as soon as it gets its caption, before its
    // name: every button of the window is a command, and its key is looked
    // up by name when asked for.
    if (className == QLatin1String(QPushButton::staticMetaObject.className()) &&
        qobject_cast<frmNumora*>(object->parent()) != nullptr) {
        return new CommandButtonInterface(static_cast<QPushButton*>(object));
    }
    return nullptr;
}

}  // namespace

void installAccessibleInterfaces() { QAccessible::installFactory(interfaceFor); }

}  // namespace calcora
